#include "extras/creditsscroll.h"
#include "testmain.h"

#include <QList>

using namespace Quillet;

namespace {

struct Move {
    int ms;
    int top;
    bool operator==(const Move&) const = default;
};

char* toString(const Move& move)
{
    return QTest::toString(QString("%1 at %2 ms").arg(move.top).arg(move.ms));
}

// The strip under its two timers as the event loop runs them from the window's opening: the
// pause timer ticks 500 ms after it starts, the scroll timer every 10 ms while it runs, and
// each starts afresh when the other gives way to it.
struct Timeline {
    explicit Timeline(int stripHeight) : scroll(stripHeight) {}

    void runUntil(int end)
    {
        while (due <= end) {
            now = due;
            const int before = scroll.top();
            const bool wasScrolling = scroll.scrolling();
            if (wasScrolling)
                scroll.step();
            else
                scroll.pauseEnded();
            if (scroll.top() != before)
                moves.append({now, scroll.top()});
            if (wasScrolling && !scroll.scrolling())
                pauses.append({now, scroll.top()});
            due = now + (scroll.scrolling() ? 10 : 500);
        }
    }

    CreditsScroll scroll;
    int now = 0;
    int due = 500;
    QList<Move> moves;
    QList<Move> pauses;
};

} // namespace

class CreditsScrollTest : public QObject {
    Q_OBJECT

private slots:
    void opening_restsAtMinus170_andClimbsSteadilyAfterAboutASecond()
    {
        Timeline line(17520);
        QCOMPARE(line.scroll.top(), -170);
        QVERIFY(!line.scroll.scrolling());
        line.runUntil(1040);
        // The first scroll tick finds the start and pauses, a step past it.
        QCOMPARE(line.moves, (QList<Move>{{510, -180}, {1020, -190}, {1030, -200}, {1040, -210}}));
        QCOMPARE(line.pauses, (QList<Move>{{510, -180}}));
    }

    void strip_leavingAtTheTop_reentersFromBelow_data()
    {
        QTest::addColumn<int>("stripHeight");
        QTest::addColumn<int>("lowestTop");
        QTest::newRow("design height") << 17520 << -17650;
        QTest::newRow("short strip") << 1000 << -1130;
        // Not a multiple of the step: the first top below -(1005 + 120) is still -1130.
        QTest::newRow("odd height") << 1005 << -1130;
        QTest::newRow("120 above the top is not yet out") << 1010 << -1140;
    }
    void strip_leavingAtTheTop_reentersFromBelow()
    {
        QFETCH(int, stripHeight);
        QFETCH(int, lowestTop);
        Timeline line(stripHeight);
        line.scroll.pauseEnded();
        line.scroll.step();
        line.scroll.pauseEnded();
        int top = line.scroll.top();
        while (top > lowestTop) {
            line.scroll.step();
            QCOMPARE(line.scroll.top(), top - 10);
            top = line.scroll.top();
        }
        line.scroll.step();
        QCOMPARE(line.scroll.top(), 1550);
        QVERIFY(line.scroll.scrolling());
    }

    void everyCycle_pausesOnceForHalfASecond_atItsStart()
    {
        // One cycle of a 1000-twip strip: from -180 down to -1130, jump, from 1550 down to -180:
        // 96 + 1 + 172 steps of 10 ms, then the pause.
        Timeline line(1000);
        const int cycle = 269 * 10 + 500;
        line.runUntil(510 + 3 * cycle);
        QCOMPARE(line.pauses, (QList<Move>{{510, -180},
                                           {510 + cycle, -180},
                                           {510 + 2 * cycle, -180},
                                           {510 + 3 * cycle, -180}}));
        // Still for 500 ms, then a step 10 ms after the scroll timer starts again.
        for (const Move& pause : line.pauses.first(3)) {
            const qsizetype at = line.moves.indexOf(pause);
            QCOMPARE(line.moves.value(at + 1), (Move{pause.ms + 510, -190}));
        }
        int jumps = 0;
        for (qsizetype i = 1; i < line.moves.size(); ++i) {
            if (line.moves[i].top > line.moves[i - 1].top) {
                QCOMPARE(line.moves[i].top, 1550);
                ++jumps;
            }
        }
        QCOMPARE(jumps, 3);
    }
};

QUILLET_CORE_TEST_MAIN(CreditsScrollTest)
#include "tst_creditsscroll.moc"
