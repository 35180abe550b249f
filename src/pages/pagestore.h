#pragma once

#include "services/appcontext.h"

#include <QDate>
#include <QObject>

namespace Quillet {

class RichTextBox;
class MonthCalendar;

// Saves the editor's page to the page file of the calendar's date, shows the page of a date
// (refusing another user's), deletes pages and marks the days that have pages.
class PageStore final : public QObject {
    Q_OBJECT
public:
    PageStore(AppContext& context, RichTextBox& page, MonthCalendar& calendar);

    // The date whose page the editor holds.
    QDate shownDate() const { return m_shownDate; }
    // Set when the calendar already shows the date being gone to: the next SetPageText
    // then only clears it.
    void setSameDate(bool same) { m_sameDate = same; }
    bool sameDate() const { return m_sameDate; }
    // The shown page was refused as another user's: it must never be saved over.
    bool shownPageRefused() const { return m_refused; }

    QString pageFolder() const;
    QString pageFilePath(const QDate& date) const;

    // True when the page was written; a failure is reported and leaves the page DIRTY.
    bool SavePage();
    void SetPageText(const QDate& TheDate);
    void DeletePage();
    void MarkPageDays();

signals:
    // A page was shown completely: the date caption and the history follow it.
    void pageShown(const QDate& date);

private:
    void reportSaveFailure(const QString& reason);
    void refuseOtherUsersPage();

    AppContext& m_context;
    RichTextBox& m_page;
    MonthCalendar& m_calendar;
    QDate m_shownDate;
    bool m_sameDate = false;
    bool m_refused = false;
};

} // namespace Quillet
