#include "mainfixture.h"
#include "testmain.h"

#include <QLabel>
#include <QTimer>

using namespace Quillet;

namespace {

// Counts the times a window is shown.
class ShowCounter final : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return QObject::eventFilter(watched, event);
    }
};

// User ann logged in, with the splash as the next window.
struct SplashFixture {
    SplashFixture()
    {
        t.settings.WriteValue(t.root("Switch"), "Value", "yes");
        UserAccounts(t.settings, t.state.settingsRoot).createUser("ann", "secret");
        t.state.currentUser = "ann";
    }
    QWidget* splash() const { return windows.window(WindowId::Splash); }
    QWidget* main() const { return windows.window(WindowId::Main); }

    TestContext t;
    Windows windows{t.context};
};

} // namespace

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void load_showsTheVersion_andLoadsTheMainWindowHidden()
    {
        SplashFixture f;
        f.windows.showWindow(WindowId::Splash);
        QCOMPARE(f.splash()->findChild<QLabel*>("Label2")->text(), "Version 2.0.23");
        QCOMPARE(f.splash()->size(), QSize(492, 283));
        QVERIFY(f.splash()->isVisible());
        QVERIFY(f.main());
        QVERIFY(!f.main()->isVisible());
        QVERIFY(f.t.state.mainWindowLoaded);
    }

    void clickDuringTheFirstLoad_doesNothing_aLaterSplashTakesItAtOnce()
    {
        SplashFixture f;
        // Arrives while the splash lets its own painting happen, before the main window loads.
        QTimer::singleShot(0, [&f] {
            if (QWidget* splash = f.splash())
                QTest::mouseClick(splash, Qt::LeftButton);
        });
        f.windows.showWindow(WindowId::Splash);
        QVERIFY(f.splash() && f.splash()->isVisible());
        QVERIFY(!f.main()->isVisible());

        // A log off brings the login back; the next splash is clicked on its label.
        f.windows.unloadWindow(WindowId::Splash);
        f.windows.unloadWindow(WindowId::Main);
        f.windows.showWindow(WindowId::Splash);
        QTest::mouseClick(f.splash()->findChild<QLabel*>("Label3"), Qt::LeftButton);
        QVERIFY(!f.windows.isLoaded(WindowId::Splash));
        QVERIFY(f.main()->isVisible());
    }

    void timer_showsTheMainWindowOnce()
    {
        SplashFixture f;
        f.windows.showWindow(WindowId::Splash);
        ShowCounter counter;
        f.main()->installEventFilter(&counter);
        QTRY_VERIFY_WITH_TIMEOUT(!f.windows.isLoaded(WindowId::Splash), 5000);
        QVERIFY(f.main()->isVisible());
        QTest::qWait(100);
        QCOMPARE(counter.shows, 1);
    }
};

QUILLET_TEST_MAIN(SplashTest)
#include "tst_splash.moc"
