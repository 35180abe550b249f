#pragma once

#include "startup/quilletlink.h"

#include <QTest>
#include <future>

namespace Quillet {

// Asks as a companion program would, from another thread, while this thread's event loop
// serves the running program's side.
inline QuilletLink::Result
askToShow(const QString& user, const QDate& date,
          const QString& serverName = QuilletLink::serverNameForThisUser())
{
    auto pending =
        std::async(std::launch::async, [=] { return QuilletLink(serverName).showDay(user, date); });
    while (pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        QTest::qWait(5);
    return pending.get();
}

} // namespace Quillet
