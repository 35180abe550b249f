#include "extras/creghotkey.h"
#include "platform/xcbhotkeys.h"
#include "testmain.h"

#include <QWidget>

using namespace Quillet;

// Where the program runs without X11 (Wayland, offscreen) no key of the whole desktop can be
// had: each registration fails as a key taken elsewhere does, and the rest goes on.
class XcbHotKeysTest : public QObject {
    Q_OBJECT

private slots:
    void withoutX11_everyKeyIsRefused_theWindowStillComesBack()
    {
        XcbHotKeys desktop;
        QWidget window;
        cRegHotKey hotkey(desktop);
        hotkey.Attach(&window);

        const std::optional<HotKeyError> error =
            hotkey.RegisterKey("Bold", 'B', HotKeyPlatform::Control);

        QVERIFY(error);
        QCOMPARE(error->number, qint32(0x8004041B));
        QCOMPARE(error->description,
                 "Failed to Register Hot Key [Keys of the whole desktop need an X11 display]");
        QVERIFY(hotkey.records().isEmpty());
        QCOMPARE(desktop.atoms().size(), 0);

        window.setWindowState(Qt::WindowMinimized);
        hotkey.RestoreAndActivate(&window);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
    }
};

QUILLET_TEST_MAIN(XcbHotKeysTest)
#include "tst_xcbhotkeys.moc"
