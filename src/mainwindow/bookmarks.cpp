#include "mainwindow/bookmarks.h"

#include "pages/datetexts.h"
#include "pages/monthcalendar.h"
#include "pages/pagenavigation.h"
#include "platform/dialogs.h"
#include "services/appcontext.h"
#include "startup/programstate.h"

#include <QListWidget>

namespace Quillet {

Bookmarks::Bookmarks(AppContext& context, PageNavigation& navigation, MonthCalendar& calendar,
                     QListWidget& lstBookMark)
    : m_context(context), m_navigation(navigation), m_calendar(calendar), m_list(lstBookMark)
{
    connect(&m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstBookMark_Click(m_list.row(item)); });
    // Enter on a row, for those who reach the list with the keyboard.
    connect(&m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { lstBookMark_Click(m_list.row(item)); });
}

QString Bookmarks::filePath() const
{
    return BookmarkFile::path(m_context.state.dataFolder, m_context.state.currentUser);
}

QList<Bookmark> Bookmarks::load()
{
    m_records = BookmarkFile::read(filePath());
    m_list.clear();
    m_dates.clear();
    for (const Bookmark& bookmark : std::as_const(m_records)) {
        m_list.addItem(bookmark.description);
        m_dates.append(bookmark.date);
    }
    return m_records;
}

void Bookmarks::cmdBookAdd_Click()
{
    const QDate date = m_calendar.Value();
    // A cancelled box gives an empty description, and the bookmark is added all the same.
    const QString description =
        m_context.dialogs.input(m_list.window(), QStringLiteral("Please enter a description"),
                                QStringLiteral("Bookmark"), DateTexts::bookmark(date));
    QString reason;
    if (!BookmarkFile::append(filePath(), {description, date}, &reason)) {
        // A row without its record would be gone at the next login.
        m_context.dialogs.message(m_list.window(),
                                  QStringLiteral("The bookmark could not be stored.\r\n") + reason,
                                  MessageButtons::Ok, MessageIcon::Critical);
        return;
    }
    m_list.addItem(description);
    m_dates.append(date);
}

void Bookmarks::cmdBookList_Click(bool pressed)
{
    m_list.setVisible(pressed);
    if (pressed)
        m_list.setFocus();
    emit listShownOrHidden();
}

void Bookmarks::lstBookMark_Click(int row)
{
    if (row >= 0 && row < m_dates.size())
        goToBookmark(m_dates.at(row));
}

void Bookmarks::goToBookmark(const QDate& date)
{
    if (date.isValid())
        m_navigation.goTo(date);
}

} // namespace Quillet
