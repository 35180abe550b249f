#include "pages/pagestore.h"

#include "pages/monthcalendar.h"
#include "pages/pagefile.h"
#include "pages/pagewriter.h"
#include "pages/richtextbox.h"
#include "platform/dialogs.h"
#include "startup/programstate.h"

#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace Quillet {
namespace {

// Typing into a page; pasting and dropping are told apart by the editor itself.
bool isTyping(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return true;
        default:
            return !key->text().isEmpty() && key->text().front().isPrint() &&
                   !(key->modifiers() & Qt::ControlModifier);
        }
    }
    case QEvent::InputMethod:
        return !static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty();
    default:
        return false;
    }
}

} // namespace

PageStore::PageStore(AppContext& context, RichTextBox& page, MonthCalendar& calendar)
    : m_context(context), m_page(page), m_calendar(calendar)
{
    m_page.installEventFilter(this);
    connect(&m_page, &RichTextBox::aboutToInsert, this, &PageStore::beginEdit);
}

QString PageStore::pageFolder() const
{
    return PageFile::folder(m_context.state.dataFolder, m_context.state.currentUser);
}

QString PageStore::pageFilePath(const QDate& date) const
{
    return PageFile::path(m_context.state.dataFolder, m_context.state.currentUser, date);
}

bool PageStore::SavePage()
{
    if (m_welcomeShown) {
        m_page.setTag(RichTextBox::PageState::Clean);
        return true;
    }
    const QString path = pageFilePath(m_calendar.Value());
    const QString& user = m_context.state.currentUser;

    const PageWriter::Result result = PageWriter::write(path, m_page.TextRTF(), user);
    if (result.outcome == PageWriter::Outcome::OtherUsersPage) {
        refuseOtherUsersPage();
        return false;
    }
    if (result.outcome == PageWriter::Outcome::Failed) {
        reportSaveFailure(result.reason);
        return false;
    }
    m_page.setTag(RichTextBox::PageState::Clean);
    // The day has a page now; the calendar shows that at once, not only after its next click.
    m_calendar.setDayBold(m_calendar.Value());
    return true;
}

void PageStore::reportSaveFailure(const QString& reason)
{
    m_context.dialogs.message(m_page.window(),
                              QStringLiteral("The page could not be saved.\r\n") + reason,
                              MessageButtons::Ok, MessageIcon::Critical);
}

void PageStore::refuseOtherUsersPage()
{
    m_context.dialogs.message(m_page.window(),
                              QStringLiteral("Sorry! This page belongs to another user!"),
                              MessageButtons::Ok, MessageIcon::None);
}

void PageStore::SetPageText(const QDate& TheDate)
{
    if (m_sameDate) {
        m_sameDate = false;
        return;
    }
    m_shownDate = TheDate;
    m_refused = false;
    m_welcomeShown = false;

    m_page.setReadOnly(false);
    m_page.clearTo(m_context.state.defaultFont, 10);

    QFile file(pageFilePath(TheDate));
    if (file.open(QIODevice::ReadOnly)) {
        const PageFile::Content content =
            PageFile::decode(file.readAll(), m_context.state.currentUser);
        if (content.kind == PageFile::Kind::OtherUsers) {
            m_refused = true;
            refuseOtherUsersPage();
            m_page.setText(QString());
            m_page.setReadOnly(true);
            return;
        }
        m_page.setTextRTF(content.richText);
    }
    m_page.setTag(RichTextBox::PageState::Clean);
    emit pageShown(TheDate);
}

void PageStore::DeletePage()
{
    const QString path = pageFilePath(m_calendar.Value());
    if (!QFileInfo::exists(path)) {
        m_context.dialogs.message(m_page.window(), QStringLiteral("There is nothing to delete"),
                                  MessageButtons::Ok, MessageIcon::Critical,
                                  QStringLiteral("Quillet"));
        return;
    }
    if (!QFile::remove(path))
        return;
    m_calendar.setDayBold(m_calendar.Value(), false);
    SetPageText(m_calendar.Value());
}

void PageStore::showWelcome(const QString& path)
{
    if (!m_page.setFileName(path))
        return;
    m_page.setSelStart(0);
    m_page.setTag(RichTextBox::PageState::Clean);
    m_welcomeShown = true;
}

void PageStore::beginEdit()
{
    if (m_welcomeShown)
        SetPageText(m_shownDate);
}

bool PageStore::eventFilter(QObject* watched, QEvent* event)
{
    if (m_welcomeShown && isTyping(event))
        beginEdit();
    return QObject::eventFilter(watched, event);
}

void PageStore::MarkPageDays()
{
    std::optional<QDate> day;
    // Positions beyond the grid give no new day; the last one is looked at again.
    for (int position = 0; position <= 50; ++position) {
        if (const std::optional<QDate> visible = m_calendar.VisibleDays(position))
            day = visible;
        if (day && QFileInfo::exists(pageFilePath(*day)))
            m_calendar.setDayBold(*day);
    }
}

} // namespace Quillet
