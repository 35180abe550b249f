#include "startup/quilletlink.h"

#include "startup/linkprotocol.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace Quillet {
namespace {

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
}

QuilletLink::Result resultOf(LinkProtocol::Answer answer)
{
    switch (answer) {
    case LinkProtocol::Answer::Shown:
        return QuilletLink::Result::Shown;
    case LinkProtocol::Answer::OtherUser:
        return QuilletLink::Result::OtherUser;
    case LinkProtocol::Answer::Busy:
        return QuilletLink::Result::Busy;
    case LinkProtocol::Answer::BadRequest:
        break;
    }
    return QuilletLink::Result::Failed;
}

} // namespace

QuilletLink::QuilletLink(QString serverName, std::chrono::milliseconds timeout)
    : m_serverName(std::move(serverName)), m_timeout(timeout)
{}

QString QuilletLink::serverNameForThisUser()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/quillet-link");
}

bool QuilletLink::isRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    return socket.waitForConnected(int(m_timeout.count()));
}

QuilletLink::Result QuilletLink::showDay(const QString& user, const QDate& date) const
{
    const QByteArray request = LinkProtocol::encodeRequest({user, date});
    if (request.isEmpty())
        return Result::Failed;
    const QDeadlineTimer deadline(m_timeout);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return Result::NotRunning;
    socket.write(request);
    if (!socket.waitForBytesWritten(remainingMs(deadline)))
        return Result::Failed;
    while (!socket.canReadLine() && socket.bytesAvailable() <= LinkProtocol::kMaxLine) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(remainingMs(deadline)))
            break;
    }
    if (!socket.canReadLine())
        return Result::Failed;
    const std::optional<LinkProtocol::Answer> answer =
        LinkProtocol::decodeAnswer(socket.readLine(LinkProtocol::kMaxLine + 1));
    return answer ? resultOf(*answer) : Result::Failed;
}

} // namespace Quillet
