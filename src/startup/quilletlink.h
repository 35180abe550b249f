#pragma once

#include <QDate>
#include <QString>
#include <chrono>

namespace Quillet {

// Asks a running Quillet of this OS user to show a day of one of its diary users. It never
// waits longer than its timeout, so a window that asks stays responsive.
class QuilletLink {
public:
    enum class Result { Shown, NotRunning, OtherUser, Busy, Failed };

    explicit QuilletLink(QString serverName = serverNameForThisUser(),
                         std::chrono::milliseconds timeout = std::chrono::seconds(1));

    Result showDay(const QString& user, const QDate& date) const;
    // Whether a Quillet of this OS user is running and listening.
    bool isRunning() const;

    // In the OS user's own runtime folder, which nobody else may enter.
    static QString serverNameForThisUser();

private:
    QString m_serverName;
    std::chrono::milliseconds m_timeout;
};

} // namespace Quillet
