#include "extras/desktopshake.h"
#include "fakewindowsystem.h"
#include "scriptedrandom.h"
#include "testmain.h"

using namespace Quillet;

namespace {

// The largest value the random source gives: just below 1.
constexpr double kHighest = 1.0 - 1.0 / 16777216.0;

TopLevelWindow window(DesktopWindowId id, const QString& title, QRect rect, bool visible = true,
                      bool minimised = false)
{
    TopLevelWindow listed;
    listed.id = id;
    listed.title = title;
    listed.rect = rect;
    listed.visible = visible;
    listed.minimised = minimised;
    return listed;
}

using Moves = QList<std::pair<DesktopWindowId, QPoint>>;

} // namespace

class DesktopShakeTest : public QObject {
    Q_OBJECT

private slots:
    void step_movesByDrawnOffset_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("down");
        QTest::addColumn<QPoint>("to");

        QTest::newRow("lowest draw: 8 up and left")
            << QPoint(100, 200) << 0.0 << 0.0 << QPoint(92, 192);
        QTest::newRow("middle draw: in place")
            << QPoint(100, 200) << 0.5 << 0.5 << QPoint(100, 200);
        QTest::newRow("highest draw: 8 down and right")
            << QPoint(100, 200) << kHighest << kHighest << QPoint(108, 208);
        QTest::newRow("first draw across, second down")
            << QPoint(100, 200) << 0.0 << kHighest << QPoint(92, 208);
        // 16 x 0.53125 - 8 = +0.5 and 16 x 0.46875 - 8 = -0.5: the position decides.
        QTest::newRow("half up, even position stays")
            << QPoint(100, 200) << 0.53125 << 0.53125 << QPoint(100, 200);
        QTest::newRow("half up, odd position rounds up")
            << QPoint(101, 201) << 0.53125 << 0.53125 << QPoint(102, 202);
        QTest::newRow("half down, even position stays")
            << QPoint(100, 200) << 0.46875 << 0.46875 << QPoint(100, 200);
        QTest::newRow("half down, odd position rounds down")
            << QPoint(101, 201) << 0.46875 << 0.46875 << QPoint(100, 200);
        // 16 x 0.03125 - 8 = -7.5 and 16 x 0.96875 - 8 = +7.5.
        QTest::newRow("-7.5 off the screen's edge")
            << QPoint(0, 1) << 0.03125 << 0.03125 << QPoint(-8, -6);
        QTest::newRow("+7.5") << QPoint(100, 201) << 0.96875 << 0.96875 << QPoint(108, 208);
    }
    void step_movesByDrawnOffset()
    {
        QFETCH(QPoint, from);
        QFETCH(double, across);
        QFETCH(double, down);
        QFETCH(QPoint, to);
        FakeWindowSystem desktop;
        desktop.windows = {window(7, "Notes", QRect(from, QSize(300, 200)))};
        ScriptedRandom random;
        random.values = {across, down};

        DesktopShake(desktop, random).ShakeDesktop();

        QCOMPARE(desktop.moves, (Moves{{7, to}}));
    }

    // Each window that is skipped draws nothing, so the next one gets the next two values.
    void step_leavesHiddenMinimisedAndUntitledWindows()
    {
        FakeWindowSystem desktop;
        desktop.windows = {
            window(1, "Hidden", QRect(10, 10, 50, 50), false),
            window(2, "First", QRect(100, 100, 50, 50)),
            window(3, "Minimised", QRect(10, 10, 50, 50), true, true),
            window(4, "", QRect(10, 10, 50, 50)),
            window(5, " Quillet", QRect(300, 300, 608, 449)),
        };
        ScriptedRandom random;
        random.values = {0.0, kHighest, kHighest, 0.0};

        DesktopShake(desktop, random).ShakeDesktop();

        QCOMPARE(desktop.moves, (Moves{{2, QPoint(92, 108)}, {5, QPoint(308, 292)}}));
        QVERIFY(random.values.isEmpty());
    }

    // Nothing is remembered between steps: each starts where the window stands then.
    void steps_wanderFromWhereTheLastLeftTheWindow()
    {
        FakeWindowSystem desktop;
        desktop.windows = {window(7, "Notes", QRect(100, 100, 300, 200))};
        ScriptedRandom random;
        random.values = {0.0, 0.0, 0.0, 0.0};
        DesktopShake shake(desktop, random);

        shake.ShakeDesktop();
        desktop.windows[0].rect.moveTopLeft(QPoint(500, 400));
        shake.ShakeDesktop();

        QCOMPARE(desktop.moves, (Moves{{7, QPoint(92, 92)}, {7, QPoint(492, 392)}}));
    }
};

QUILLET_CORE_TEST_MAIN(DesktopShakeTest)
#include "tst_desktopshake.moc"
