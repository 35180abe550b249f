#pragma once

#include "pages/bookmarkfile.h"

#include <QDate>
#include <QList>
#include <QObject>

class QListWidget;

namespace Quillet {

struct AppContext;
class MonthCalendar;
class PageNavigation;

// The user's bookmarks in the main window: the list beside the page with the date of each row,
// adding the calendar's day to the bookmark file, and going to a bookmark's page.
class Bookmarks final : public QObject {
    Q_OBJECT
public:
    Bookmarks(AppContext& context, PageNavigation& navigation, MonthCalendar& calendar,
              QListWidget& lstBookMark);

    QString filePath() const;
    // Fills the list and the date table from the user's bookmark file and keeps the records.
    QList<Bookmark> load();
    // The records of the last load, in file order; bookmarks added since are not among them.
    const QList<Bookmark>& records() const { return m_records; }
    // The date of each row of the list; an invalid date where the file's key was no date.
    const QList<QDate>& dateTable() const { return m_dates; }

    void cmdBookAdd_Click();
    void cmdBookList_Click(bool pressed);
    void lstBookMark_Click(int row);
    // A bookmark chosen elsewhere than in the list; a date that did not read does nothing.
    void goToBookmark(const QDate& date);

signals:
    // The list was shown or hidden: the editor beside it takes another width.
    void listShownOrHidden();

private:
    AppContext& m_context;
    PageNavigation& m_navigation;
    MonthCalendar& m_calendar;
    QListWidget& m_list;
    QList<Bookmark> m_records;
    QList<QDate> m_dates;
};

} // namespace Quillet
