#include "pages/monthcalendar.h"

#include <QKeyEvent>
#include <QTextCharFormat>

namespace Quillet {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setObjectName(QStringLiteral("Calender"));
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::open);
    if (QWidget* view = findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview")))
        view->installEventFilter(this);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::Click);
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a day picks it as a click would, for keyboard users. (The calendar's own
    // activation also fires on double clicks, which are already two clicks.)
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            open(selectedDate());
            return true;
        }
    }
    return QCalendarWidget::eventFilter(watched, event);
}

void MonthCalendar::open(const QDate& date)
{
    m_value = date;
    emit DateClick(date);
    emit Click();
}

void MonthCalendar::setValue(const QDate& date)
{
    m_value = date;
    setSelectedDate(date);
    setCurrentPage(date.year(), date.month());
}

std::optional<QDate> MonthCalendar::VisibleDays(int position) const
{
    if (position < 0 || position >= kGridCells)
        return std::nullopt;
    const QDate firstOfMonth(yearShown(), monthShown(), 1);
    // The grid always opens with at least one day of the month before.
    int lead = (firstOfMonth.dayOfWeek() - firstDayOfWeek() + 7) % 7;
    if (lead == 0)
        lead = 7;
    return firstOfMonth.addDays(position - lead);
}

void MonthCalendar::setDayBold(const QDate& date, bool bold)
{
    QTextCharFormat format = dateTextFormat(date);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    setDateTextFormat(date, format);
}

void MonthCalendar::setBackgroundColor(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, color);
    colours.setColor(QPalette::AlternateBase, color);
    setPalette(colours);
}

} // namespace Quillet
