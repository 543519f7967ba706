#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace quorbit {
namespace {

const QByteArray showRequest = QByteArrayLiteral("show\n");
constexpr int connectTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent) : QObject(parent), socketPath_(std::move(socketPath)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        }
    });
}

QString SingleInstance::defaultSocketPath() {
    // $XDG_RUNTIME_DIR, or Qt's private stand-in for it when the session has none.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(QStringLiteral("quorbit.socket"));
}

bool SingleInstance::askRunningInstanceToShow() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(connectTimeoutMs)) return false;
    socket.write(showRequest);
    const bool sent = socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(socketPath_)) return true;
    // Nobody answered on it (askRunningInstanceToShow came first), so it is stale.
    QLocalServer::removeServer(socketPath_);
    return server_.listen(socketPath_);
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        if (socket->readLine() == showRequest) emit showRequested();
    }
}

}  // namespace quorbit
