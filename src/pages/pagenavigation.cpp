#include "pages/pagenavigation.h"

#include "pages/datetexts.h"
#include "pages/monthcalendar.h"
#include "pages/pagestore.h"
#include "pages/richtextbox.h"
#include "platform/dialogs.h"
#include "startup/programstate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace Quillet {
PageNavigation::PageNavigation(AppContext& context, PageStore& store, RichTextBox& page,
                               MonthCalendar& calendar, QComboBox& history, QLabel& dateCaption)
    : m_context(context), m_store(store), m_page(page), m_calendar(calendar), m_historyBox(history),
      m_dateCaption(dateCaption)
{
    connect(&m_page, &RichTextBox::Change, this, [this] {
        emit selectionFormatChanged(false);
        m_page.setTag(RichTextBox::PageState::Dirty);
    });
    connect(&m_page, &RichTextBox::SelChange, this, [this] {
        emit selectionFormatChanged(true);
        m_page.setTag(RichTextBox::PageState::Dirty);
    });
    connect(&m_calendar, &MonthCalendar::DateClick, this, &PageNavigation::GoToDate);
    connect(&m_calendar, &MonthCalendar::Click, &m_store, &PageStore::MarkPageDays);
    connect(&m_store, &PageStore::pageShown, this, &PageNavigation::recordVisit);
    if (QLineEdit* typed = m_historyBox.lineEdit())
        connect(typed, &QLineEdit::returnPressed, this, &PageNavigation::Go);
    // Choosing an entry of the list only fills the box; Go (or Enter) goes there.
    m_historyBox.setInsertPolicy(QComboBox::NoInsert);
}

bool PageNavigation::pageIsDirty() const
{
    return m_page.Tag() == RichTextBox::PageState::Dirty;
}

bool PageNavigation::saveQuestionApplies() const
{
    const WarningFlags& warnings = m_context.state.warnings;
    // A refused page belongs to somebody else, the welcome text to nobody: nothing to save.
    return pageIsDirty() && warnings.showWarnings && warnings.saveWarning &&
           !m_store.shownPageRefused() && !m_store.welcomeShown();
}

bool PageNavigation::offerToSave(MessageButtons buttons)
{
    if (!saveQuestionApplies())
        return true;
    const MessageAnswer answer = m_context.dialogs.message(
        m_page.window(), QStringLiteral("Current page is not saved, Do you want to save it now?"),
        buttons, MessageIcon::None);
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::Yes) {
        m_calendar.setValue(m_store.shownDate());
        // A page that could not be saved stays in the editor rather than being lost.
        return m_store.SavePage();
    }
    return true;
}

bool PageNavigation::GoToDate(const QDate& date)
{
    m_store.setSameDate(m_calendar.Value() == m_store.shownDate());
    if (!offerToSave(MessageButtons::YesNo)) {
        m_store.setSameDate(false);
        return false;
    }
    m_calendar.setValue(date);
    m_store.SetPageText(m_calendar.Value());
    return true;
}

void PageNavigation::Go()
{
    const std::optional<QDate> date = DateTexts::parse(m_historyBox.currentText());
    if (date)
        goTo(*date);
}

void PageNavigation::goTo(const QDate& date)
{
    // The first run only moves the calendar (the shown date is "the same"); the second loads.
    if (GoToDate(date))
        GoToDate(date);
}

void PageNavigation::recordVisit(const QDate& date)
{
    m_dateCaption.setText(DateTexts::caption(date));
    const QString entry = DateTexts::history(date);
    m_history.recordVisit(entry);
    if (m_historyBox.count() != m_history.entries().size() ||
        m_historyBox.itemText(0) != m_history.entries().first()) {
        m_historyBox.clear();
        m_historyBox.addItems(m_history.entries());
    }
    m_historyBox.setCurrentText(entry);
}

} // namespace Quillet
