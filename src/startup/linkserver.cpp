#include "startup/linkserver.h"

#include <QLocalSocket>
#include <QTimer>

namespace Quillet {
namespace {

// A connection that says nothing is dropped rather than kept for ever.
constexpr int kSilenceLimitMs = 5000;

} // namespace

LinkServer::LinkServer(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler))
{
    // Only the OS user who runs the program may connect.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &LinkServer::accept);
}

LinkServer::~LinkServer()
{
    close();
}

bool LinkServer::listen(const QString& serverName)
{
    // The name of a server that still answers belongs to another running program; listening
    // would take it over.
    QLocalSocket probe;
    probe.connectToServer(serverName);
    if (probe.waitForConnected(100))
        return false;
    // What is left is the socket of a program that ended abruptly.
    QLocalServer::removeServer(serverName);
    return m_server.listen(serverName);
}

void LinkServer::close()
{
    m_server.close();
}

void LinkServer::accept()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(*socket); });
        QTimer::singleShot(kSilenceLimitMs, socket, [socket] { socket->abort(); });
        readRequest(*socket);
    }
}

void LinkServer::readRequest(QLocalSocket& socket)
{
    const bool tooLong = !socket.canReadLine() && socket.bytesAvailable() > LinkProtocol::kMaxLine;
    if (!socket.canReadLine() && !tooLong)
        return;
    LinkProtocol::Answer answer = LinkProtocol::Answer::BadRequest;
    if (!tooLong) {
        if (const auto request =
                LinkProtocol::decodeRequest(socket.readLine(LinkProtocol::kMaxLine + 1)))
            answer = m_handler(*request);
    }
    // One request a connection: whatever follows it is not read.
    socket.disconnect(this);
    socket.write(LinkProtocol::encodeAnswer(answer));
    socket.disconnectFromServer();
}

} // namespace Quillet
