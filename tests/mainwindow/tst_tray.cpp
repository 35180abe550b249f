#include "mainfixture.h"
#include "mainwindow/frmtray.h"
#include "startup/scrambler.h"
#include "testmain.h"

#include <QMenu>

using namespace Quillet;

namespace {

// A start at log-on of user ann, automatic login on or off.
struct TrayFixture {
    explicit TrayFixture(bool automaticLogin)
    {
        t.settings.WriteValue(t.root("Switch"), "Value", "yes");
        UserAccounts(t.settings, t.state.settingsRoot).createUser("ann", "secret");
        t.settings.WriteValue(t.root("Global"), "Show splash", "1");
        if (automaticLogin) {
            t.settings.WriteRawValue(t.root("Global\\Autologin"), "Switch",
                                     Scramble("yes", MIRSKO));
            t.settings.WriteValue(t.root("Global\\Autologin"), "User", "ann");
        }
    }
    void start() { windows.sequence().run("quillet /d"); }
    frmTray* tray() const { return windows.window<frmTray>(WindowId::Tray); }

    TestContext t;
    Windows windows{t.context};
};

QStringList visibleWindows(const Windows& windows)
{
    QStringList names;
    for (const WindowId id : {WindowId::Login, WindowId::Splash, WindowId::Main, WindowId::Tray})
        if (windows.window(id) && windows.window(id)->isVisible())
            names << windows.window(id)->objectName();
    return names;
}

} // namespace

class TrayTest : public QObject {
    Q_OBJECT

private slots:
    void logOnStart_showsOnlyTheIcon_withItsToolTip()
    {
        TrayFixture f(false);
        f.start();
        QVERIFY(f.t.tray.shown);
        QCOMPARE(f.t.tray.toolTip, "Quillet V2.04");
        QCOMPARE(visibleWindows(f.windows), QStringList{});
    }

    void leftButton_opensTheTarget_andTheIconGoes_data()
    {
        QTest::addColumn<bool>("automaticLogin");
        QTest::addColumn<QString>("opened");
        QTest::newRow("automatic login") << true << "frmMain";
        QTest::newRow("login required") << false << "frmLogin";
    }
    void leftButton_opensTheTarget_andTheIconGoes()
    {
        QFETCH(bool, automaticLogin);
        QFETCH(QString, opened);
        TrayFixture f(automaticLogin);
        f.start();
        f.t.tray.pressed(TrayIcon::Button::Left);
        QVERIFY(!f.windows.isLoaded(WindowId::Tray));
        QVERIFY(!f.t.tray.shown);
        QCOMPARE(visibleWindows(f.windows), QStringList{opened});
        QCOMPARE(f.t.state.nextWindow, WindowId::Main);
    }

    void otherButton_showsTheMenu_openDoesWhatALeftClickDoes()
    {
        TrayFixture f(true);
        f.start();
        QMenu* menu = f.tray()->popUpMenu();
        f.t.tray.pressed(TrayIcon::Button::Other);
        QTRY_VERIFY(menu->isVisible());
        QStringList items;
        for (const QAction* item : menu->actions())
            items << (item->isSeparator() ? "-" : item->text());
        QCOMPARE(items, (QStringList{"&Open Quillet", "-", "&Exit"}));
        menu->hide();
        menu->actions().first()->trigger();
        QCOMPARE(visibleWindows(f.windows), QStringList{"frmMain"});
    }

    void exit_endsTheProgram_withNoWindowShown()
    {
        TrayFixture f(true);
        f.start();
        f.tray()->popUpMenu()->actions().last()->trigger();
        QVERIFY(f.windows.programEnded());
        QCOMPARE(visibleWindows(f.windows), QStringList{});
        QVERIFY(!f.windows.isLoaded(WindowId::Main));
    }

    void noNotificationArea_waitsForOne()
    {
        TrayFixture f(true);
        f.t.tray.areaExists = false;
        f.start();
        QVERIFY(!f.t.tray.shown);
        QCOMPARE(visibleWindows(f.windows), QStringList{});
        f.t.tray.areaExists = true;
        QTRY_VERIFY(f.t.tray.shown);
    }
};

QUILLET_TEST_MAIN(TrayTest)
#include "tst_tray.moc"
