#include "desktop/SingleInstance.h"

#include <unistd.h>

#include <utility>

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace desktop {

namespace {
constexpr int kAnswerTimeoutMs = 2000;
const QByteArray kRestoreRequest = "restore\n";
}  // namespace

QString instanceKey(const QString& windowTitle) {
    return QStringLiteral("%1.%2").arg(windowTitle).arg(::getuid());
}

CSingleInstance::CSingleInstance(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) serve(socket);
    });
}

bool CSingleInstance::claim() {
    // Two copies started at the same moment must not both find no one and both
    // listen. A lock whose holder died is taken over; without a lock (no writable
    // temporary folder) the check still runs, only unguarded.
    QLockFile lock(QDir::temp().filePath(key_ + QStringLiteral(".lock")));
    lock.setStaleLockTime(0);
    lock.tryLock(kAnswerTimeoutMs);
    if (askRunningCopy()) return false;
    QLocalServer::removeServer(key_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // A copy that cannot listen still runs; later copies then start beside it.
    server_.listen(key_);
    return true;
}

bool CSingleInstance::askRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(kAnswerTimeoutMs)) return false;
    socket.write(kRestoreRequest);
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void CSingleInstance::serve(QLocalSocket* socket) {
    auto readRequests = [this, socket] {
        while (socket->canReadLine())
            if (socket->readLine() == kRestoreRequest) Q_EMIT restoreRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, readRequests);
    connect(socket, &QLocalSocket::disconnected, this, [socket, readRequests] {
        readRequests();
        socket->deleteLater();
    });
}

}  // namespace desktop
