#include "mainwindow/dayrequests.h"

#include "pages/monthcalendar.h"
#include "pages/pagenavigation.h"
#include "pages/pagestore.h"
#include "platform/registrybackend.h"
#include "services/appcontext.h"
#include "startup/programstate.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace Quillet {

DayRequests::DayRequests(AppContext& context, PageNavigation& navigation, PageStore& store,
                         MonthCalendar& calendar, QWidget& window)
    : m_context(context), m_navigation(navigation), m_store(store), m_calendar(calendar),
      m_window(window),
      m_server([this](const LinkProtocol::Request& request) { return answer(request); })
{}

void DayRequests::start(const QString& serverName)
{
    // Another running copy of the program may answer there already; this one then stays out.
    m_server.listen(serverName);
}

void DayRequests::stop()
{
    m_server.close();
}

LinkProtocol::Answer DayRequests::answer(const LinkProtocol::Request& request)
{
    if (!RegistryBackend::sameName(request.user, m_context.state.currentUser))
        return LinkProtocol::Answer::OtherUser;
    // A question or dialog is waiting for the user; moving the page under it would surprise.
    if (QApplication::activeModalWidget())
        return LinkProtocol::Answer::Busy;
    // Shown after the answer has gone: the save question may keep the user for a while, longer
    // than the asking program waits.
    QTimer::singleShot(0, &m_window, [this, date = request.date] { show(date); });
    return LinkProtocol::Answer::Shown;
}

void DayRequests::show(const QDate& date)
{
    if (date != m_store.shownDate()) {
        m_calendar.setValue(date);
        m_navigation.GoToDate(date);
    }
    if (m_window.isMinimized())
        m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
}

} // namespace Quillet
