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
    // The shown page was refused as another user's: it must never be saved over, and it takes
    // no typing.
    bool shownPageRefused() const { return m_refused; }
    // The welcome text of a first run stands on the shown day's empty page. It is none of the
    // user's: it is never saved, and the first edit starts the empty page it stands for.
    void showWelcome(const QString& path);
    bool welcomeShown() const { return m_welcomeShown; }
    // Called before an edit: gives the welcome text's place back to the empty page.
    void beginEdit();

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportSaveFailure(const QString& reason);
    void refuseOtherUsersPage();

    AppContext& m_context;
    RichTextBox& m_page;
    MonthCalendar& m_calendar;
    QDate m_shownDate;
    bool m_sameDate = false;
    bool m_refused = false;
    bool m_welcomeShown = false;
};

} // namespace Quillet
