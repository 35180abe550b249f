#include "pages/clockface.h"
#include "services/timesource.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QTimer>

using namespace Quillet;

namespace {

class FakeTime final : public TimeSource {
public:
    QDateTime now() const override { return value; }
    void set(const QTime& time) { value = QDateTime(QDate(2024, 3, 1), time, Qt::UTC); }
    QDateTime value;
};

// The hands are computed in float: a thousandth of a pixel is far below anything visible.
bool near(const QPointF& actual, const QPointF& expected)
{
    return qAbs(actual.x() - expected.x()) < 1e-3 && qAbs(actual.y() - expected.y()) < 1e-3;
}

// The dial's pi is a float, so a mark on an axis sits a hair off the pixel grid.
bool near(const QColor& actual, const QColor& expected)
{
    return qAbs(actual.red() - expected.red()) <= 8 &&
           qAbs(actual.green() - expected.green()) <= 8 &&
           qAbs(actual.blue() - expected.blue()) <= 8;
}

QByteArray describe(const QPointF& point)
{
    return QByteArray::number(point.x()) + ", " + QByteArray::number(point.y());
}

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private slots:
    // An 80 x 80 dial: centre (40, 40), hour hand 21.6 long, the others 32.
    void hands_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<float>("hourPosition");
        QTest::addColumn<QPointF>("hour");
        QTest::addColumn<QPointF>("minute");
        QTest::addColumn<QPointF>("second");
        const QPointF up(40, 8);
        QTest::newRow("three o'clock: hour right, others up")
            << QTime(3, 0, 0) << 15.0f << QPointF(61.6, 40) << up << up;
        QTest::newRow("half past three in the afternoon, halfway between 3 and 4")
            << QTime(15, 30, 0) << 77.5f << QPointF(60.864, 45.5905) << QPointF(40, 72) << up;
        QTest::newRow("minutes move the hour hand")
            << QTime(3, 12, 0) << 16.0f << QPointF(61.4817, 42.2578) << QPointF(70.4338, 30.1115)
            << up;
        QTest::newRow("seconds move the hour hand")
            << QTime(3, 0, 36) << 15.05f << QPointF(61.5997, 40.1131) << up
            << QPointF(21.1909, 65.8885);
        QTest::newRow("just after midnight, second hand left")
            << QTime(0, 0, 45) << 0.0625f << QPointF(40.1414, 18.4005) << up << QPointF(8, 40);
    }
    void hands()
    {
        QFETCH(QTime, time);
        QFETCH(float, hourPosition);
        QFETCH(QPointF, hour);
        QFETCH(QPointF, minute);
        QFETCH(QPointF, second);
        FakeTime clock;
        clock.set(time);
        ClockFace face(clock);
        face.resize(80, 80);
        face.DrawClockHands();

        const std::optional<ClockHands> hands = face.hands();
        QVERIFY(hands);
        QCOMPARE(hands->positions.hour, hourPosition);
        QCOMPARE(hands->positions.minute, float(time.minute()));
        QCOMPARE(hands->positions.second, float(time.second()));
        QVERIFY2(near(hands->hour, hour), describe(hands->hour));
        QVERIFY2(near(hands->minute, minute), describe(hands->minute));
        QVERIFY2(near(hands->second, second), describe(hands->second));
    }

    void hands_redrawOnlyWhenTheSecondChanges()
    {
        FakeTime clock;
        ClockFace face(clock);
        QSignalSpy drawn(&face, &ClockFace::handsDrawn);
        QVERIFY(!face.hands());

        const struct {
            QTime time;
            int draws;
        } ticks[] = {
            {QTime(10, 0, 0, 0), 1}, {QTime(10, 0, 0, 250), 1}, {QTime(10, 0, 0, 999), 1},
            {QTime(10, 0, 1, 0), 2}, {QTime(10, 0, 1, 500), 2}, {QTime(9, 59, 59, 0), 3},
        };
        for (const auto& tick : ticks) {
            clock.set(tick.time);
            face.DrawClockHands();
            QCOMPARE(drawn.count(), tick.draws);
            QCOMPARE(face.shownTime(),
                     QTime(tick.time.hour(), tick.time.minute(), tick.time.second()));
        }
    }

    void startClock_drawsAtOnceAndOnEachNewSecond()
    {
        FakeTime clock;
        clock.set(QTime(8, 15, 30));
        ClockFace face(clock);
        QCOMPARE(face.objectName(), "picClock");
        auto* timer = face.findChild<QTimer*>("tmrClock");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 250);
        QVERIFY(!timer->isActive());
        QSignalSpy drawn(&face, &ClockFace::handsDrawn);

        face.StartClock();
        QVERIFY(timer->isActive());
        QCOMPARE(drawn.count(), 1);
        QCOMPARE(face.shownTime(), QTime(8, 15, 30));

        clock.set(QTime(8, 15, 31));
        QTRY_COMPARE(drawn.count(), 2);
        QCOMPARE(face.shownTime(), QTime(8, 15, 31));
    }

    // 81 x 81 puts the centre mid-pixel, so the marks on the axes cover whole pixels.
    void face_marksInPaletteColoursAndRedrawnOnResize()
    {
        FakeTime clock;
        ClockFace face(clock);
        QPalette palette = face.palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::Dark, Qt::red);
        palette.setColor(QPalette::Light, Qt::blue);
        face.setPalette(palette);
        face.resize(81, 81);

        const QImage image = face.grab().toImage();
        QCOMPARE(image.size(), QSize(81, 81));
        // Hour marks at three and twelve o'clock, 0.40 W out.
        for (const QPoint& pixel : {QPoint(72, 40), QPoint(40, 8)})
            QVERIFY2(near(image.pixelColor(pixel), Qt::red),
                     qPrintable(image.pixelColor(pixel).name()));
        QCOMPARE(image.pixelColor(66, 40), QColor(Qt::white)); // inside the marks
        // A minute mark crosses the pixel at its middle, about 0.425 W out at 16 minutes.
        const QColor minuteMark = image.pixelColor(74, 36);
        QVERIFY2(minuteMark.blue() > 200 && minuteMark.red() < 200, qPrintable(minuteMark.name()));

        face.resize(120, 100);
        QCOMPARE(face.grab().size(), QSize(120, 100));
        QCOMPARE(face.face().deviceIndependentSize(), QSizeF(120, 100));
    }
};

QUILLET_TEST_MAIN(ClockTest)
#include "tst_clock.moc"
