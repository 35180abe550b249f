#pragma once

#include <QCalendarWidget>
#include <optional>

namespace Quillet {

// The month calendar beside the page. Its value is the date whose page is saved: the date last
// written or opened (clicked, or Enter on a day), not the day the keyboard has only moved to.
// Days with pages are drawn bold. DateClick comes from the user only, never from a program write.
class MonthCalendar final : public QCalendarWidget {
    Q_OBJECT
public:
    static constexpr int kGridCells = 42; // 6 weeks of 7 days

    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate Value() const { return m_value; }
    void setValue(const QDate& date);
    int Day() const { return Value().day(); }
    int Month() const { return Value().month(); }
    int Year() const { return Value().year(); }

    // The date in cell `position` of the day grid, counted row by row from 0; nullopt for a
    // position the grid does not have.
    std::optional<QDate> VisibleDays(int position) const;
    void setDayBold(const QDate& date, bool bold = true);
    void setBackgroundColor(const QColor& color);

signals:
    void DateClick(const QDate& date);
    // Every click on the calendar, and every change of the month shown.
    void Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QDate& date);

    QDate m_value;
};

} // namespace Quillet
