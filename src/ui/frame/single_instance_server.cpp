#include "ui/frame/single_instance_server.h"

#include <QLocalSocket>

namespace oryn7px {

namespace {

constexpr int kConnectTimeoutMs = 1000;
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

}  // namespace

SingleInstanceServer::SingleInstanceServer(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {
    // Only this user may connect, besides the runtime folder itself being private.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstanceServer::OnNewConnection);
}

SingleInstanceServer::Claim SingleInstanceServer::ClaimOrHandOver() {
    if (socketPath_.isEmpty()) return Claim::kUnavailable;
    // Ask first: with access options set, listening replaces an existing socket file, so a
    // failed listen cannot tell that another program runs.
    if (AskRunningToShow()) return Claim::kHandedOver;
    // Nobody answers: a socket left by a program that was killed, or none at all.
    QLocalServer::removeServer(socketPath_);
    return server_.listen(socketPath_) ? Claim::kFirst : Claim::kUnavailable;
}

bool SingleInstanceServer::AskRunningToShow() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(kShowRequest);
    socket.flush();
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstanceServer::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Only whole "show" lines count; anything else is dropped.
            while (socket->canReadLine()) {
                if (socket->readLine() == kShowRequest && onShow_) onShow_();
            }
            if (socket->bytesAvailable() > 64) socket->abort();
        });
    }
}

void SingleInstanceServer::Close() { server_.close(); }

}  // namespace oryn7px
