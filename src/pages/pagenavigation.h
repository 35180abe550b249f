#pragma once

#include "pages/visithistory.h"
#include "platform/dialogs.h"
#include "services/appcontext.h"

#include <QDate>
#include <QObject>

class QComboBox;
class QLabel;

namespace Quillet {

class MonthCalendar;
class PageStore;
class RichTextBox;

// Moves the editor from one date's page to another: asks to save a changed page first,
// keeps the history of visited dates and the date caption, and tracks the page state word.
class PageNavigation final : public QObject {
    Q_OBJECT
public:
    PageNavigation(AppContext& context, PageStore& store, RichTextBox& page,
                   MonthCalendar& calendar, QComboBox& history, QLabel& dateCaption);

    // False when the user chose to save the page and it could not be: the page stays.
    bool GoToDate(const QDate& date);
    // Goes to the date typed into the history box; text that is no date does nothing.
    void Go();
    // Shows the date's page as Go does: GoToDate twice, the first moving the calendar, the
    // second loading the page. A dirty page is asked about in each.
    void goTo(const QDate& date);

    const VisitHistory& history() const { return m_history; }
    bool pageIsDirty() const;
    // Whether a changed page is to be asked about before it is left.
    bool saveQuestionApplies() const;
    // Asks, where it applies, whether to save the changed page before it is left, with Cancel
    // among the buttons or not. False when the page must stay: cancelled, or not saved.
    bool offerToSave(MessageButtons buttons);

signals:
    // The page changed or the selection moved: the formatting controls follow it.
    void selectionFormatChanged(bool selectionMoved);

private:
    void recordVisit(const QDate& date);

    AppContext& m_context;
    PageStore& m_store;
    RichTextBox& m_page;
    MonthCalendar& m_calendar;
    QComboBox& m_historyBox;
    QLabel& m_dateCaption;
    VisitHistory m_history;
};

} // namespace Quillet
