#include "pages/monthcalendar.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTextCharFormat>

using namespace Quillet;

namespace {

QTableView* dayGrid(MonthCalendar& calendar)
{
    return calendar.findChild<QTableView*>("qt_calendar_calendarview");
}

// The cell of the day grid that shows position (row by row), after the row of day names.
QModelIndex cellAt(MonthCalendar& calendar, int position)
{
    return dayGrid(calendar)->model()->index(1 + position / 7, position % 7);
}

} // namespace

class MonthCalendarTest : public QObject {
    Q_OBJECT

private slots:
    void visibleDays_matchTheGridOnScreen_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<QDate>("firstCell");
        QTest::newRow("starts midweek")
            << QDate(2001, 8, 5) << int(Qt::Sunday) << QDate(2001, 7, 29);
        QTest::newRow("starts on the first column")
            << QDate(2001, 7, 1) << int(Qt::Sunday) << QDate(2001, 6, 24);
        QTest::newRow("february of four weeks")
            << QDate(2015, 2, 10) << int(Qt::Sunday) << QDate(2015, 1, 25);
        QTest::newRow("weeks from monday")
            << QDate(2001, 10, 9) << int(Qt::Monday) << QDate(2001, 9, 24);
    }
    void visibleDays_matchTheGridOnScreen()
    {
        QFETCH(QDate, month);
        QFETCH(int, firstDayOfWeek);
        QFETCH(QDate, firstCell);
        MonthCalendar calendar;
        calendar.setFirstDayOfWeek(Qt::DayOfWeek(firstDayOfWeek));
        calendar.setValue(month);
        QCOMPARE(calendar.VisibleDays(0), firstCell);
        for (int position = 0; position < MonthCalendar::kGridCells; ++position) {
            const std::optional<QDate> day = calendar.VisibleDays(position);
            QVERIFY(day);
            QCOMPARE(cellAt(calendar, position).data().toInt(), day->day());
        }
        for (int position = 42; position <= 50; ++position)
            QCOMPARE(calendar.VisibleDays(position), std::nullopt);
    }

    void programWrites_raiseNoDateClick_userClicksDo()
    {
        MonthCalendar calendar;
        calendar.resize(300, 220);
        calendar.show();
        QSignalSpy dateClicks(&calendar, &MonthCalendar::DateClick);
        QSignalSpy clicks(&calendar, &MonthCalendar::Click);
        calendar.setValue(QDate(2001, 8, 5));
        QCOMPARE(dateClicks.count(), 0);
        QCOMPARE(calendar.Day(), 5);
        QCOMPARE(calendar.Month(), 8);
        QCOMPARE(calendar.Year(), 2001);
        clicks.clear();

        QDate valueWhenClicked;
        connect(&calendar, &MonthCalendar::DateClick, this,
                [&] { valueWhenClicked = calendar.Value(); });
        QTableView* grid = dayGrid(calendar);
        const QModelIndex cell = cellAt(calendar, 18); // Aug 16, 2001
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        QCOMPARE(dateClicks.count(), 1);
        QCOMPARE(dateClicks.first().first().toDate(), QDate(2001, 8, 16));
        QCOMPARE(valueWhenClicked, QDate(2001, 8, 16));
        QCOMPARE(clicks.count(), 1);

        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(dateClicks.last().first().toDate(), QDate(2001, 8, 17));
    }

    void keyboardMoves_keepTheValue_untilADayIsOpened()
    {
        MonthCalendar calendar;
        calendar.show();
        calendar.setValue(QDate(2001, 8, 5));
        QSignalSpy dateClicks(&calendar, &MonthCalendar::DateClick);
        QTableView* grid = dayGrid(calendar);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End})
            QTest::keyClick(grid, key);
        QCOMPARE(calendar.Value(), QDate(2001, 8, 5));
        QCOMPARE(calendar.Month(), 8);
        QCOMPARE(dateClicks.count(), 0);

        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(dateClicks.count(), 1);
        QCOMPARE(calendar.Value(), QDate(2001, 9, 30));
        QCOMPARE(dateClicks.first().first().toDate(), QDate(2001, 9, 30));
    }

    void monthChange_raisesClick()
    {
        MonthCalendar calendar;
        calendar.setValue(QDate(2001, 8, 5));
        QSignalSpy clicks(&calendar, &MonthCalendar::Click);
        calendar.showNextMonth();
        QCOMPARE(clicks.count(), 1);
    }

    void dayBold_marksThatDate_andCanBeTakenBack()
    {
        MonthCalendar calendar;
        calendar.setValue(QDate(2001, 8, 5));
        calendar.setDayBold(QDate(2001, 8, 7));
        QCOMPARE(calendar.dateTextFormat(QDate(2001, 8, 7)).fontWeight(), int(QFont::Bold));
        QVERIFY(calendar.dateTextFormat(QDate(2001, 8, 8)).fontWeight() != int(QFont::Bold));
        calendar.setDayBold(QDate(2001, 8, 7), false);
        QVERIFY(calendar.dateTextFormat(QDate(2001, 8, 7)).fontWeight() != int(QFont::Bold));
    }
};

QUILLET_TEST_MAIN(MonthCalendarTest)
#include "tst_monthcalendar.moc"
