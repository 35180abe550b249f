#pragma once

#include "startup/linkprotocol.h"
#include "startup/linkserver.h"

class QWidget;

namespace Quillet {

struct AppContext;
class MonthCalendar;
class PageNavigation;
class PageStore;

// Shows a day of the logged-in user when a companion program of the same OS user asks for it,
// as a click on that day would, and brings the main window to the front.
class DayRequests final {
public:
    DayRequests(AppContext& context, PageNavigation& navigation, PageStore& store,
                MonthCalendar& calendar, QWidget& window);
    Q_DISABLE_COPY_MOVE(DayRequests)

    void start(const QString& serverName);
    void stop();

private:
    LinkProtocol::Answer answer(const LinkProtocol::Request& request);
    void show(const QDate& date);

    AppContext& m_context;
    PageNavigation& m_navigation;
    PageStore& m_store;
    MonthCalendar& m_calendar;
    QWidget& m_window;
    LinkServer m_server;
};

} // namespace Quillet
