#pragma once

#include "startup/linkprotocol.h"

#include <QLocalServer>
#include <QObject>
#include <functional>
#include <utility>

class QLocalSocket;

namespace Quillet {

// Listens for the requests of companion programs of the same OS user and answers each, one
// request a connection, with what its handler decides.
class LinkServer final : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<LinkProtocol::Answer(const LinkProtocol::Request&)>;

    explicit LinkServer(Handler handler, QObject* parent = nullptr);
    ~LinkServer() override;
    Q_DISABLE_COPY_MOVE(LinkServer)

    // False when another running program of this OS user answers there already, or the name
    // cannot be taken.
    bool listen(const QString& serverName);
    void close();
    bool isListening() const { return m_server.isListening(); }

private:
    void accept();
    void readRequest(QLocalSocket& socket);

    Handler m_handler;
    QLocalServer m_server;
};

} // namespace Quillet
