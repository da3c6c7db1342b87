// SPDX-License-Identifier: MIT
#include "platform/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <utility>

#include "platform/app_info.h"
#include "platform/own_socket.h"

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

// A hand-over carries the paths of a command line, which Linux holds to a quarter of the stack
// limit (2 MiB with the usual 8 MiB), made absolute. Anything larger is no start of this program;
// buffered whole, a flood of it would fill the memory and hold the window while it is decoded.
constexpr qint64 kMaxHandOverBytes = qint64{16} * 1024 * 1024;

// Paths are separated by NUL, which no path holds.
QByteArray EncodePaths(const QStringList& paths) {
    return paths.join(QChar(u'\0')).toUtf8();
}

QStringList DecodePaths(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    return QString::fromUtf8(bytes).split(QChar(u'\0'));
}

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
#ifdef Q_OS_WIN
    // Local servers on Windows are named pipes, which are per session.
    return kProgramName + u'-' + qEnvironmentVariable("USERNAME");
#else
    // The runtime folder is the user's own (mode 0700); without one the socket goes to the
    // temporary folder under a per-user name and is made accessible to the user alone.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString folder = runtime.isEmpty() ? QDir::tempPath() : runtime;
    return QDir(folder).filePath(kProgramName + QStringLiteral("-%1.socket").arg(getuid()));
#endif
}

SingleInstance::HandOver SingleInstance::handToRunningCopy(const QStringList& paths,
                                                           int timeoutMs) const {
    switch (CheckSocketPlace(serverName_)) {
        case SocketPlace::Free:
            return HandOver::NoCopyRuns;
        case SocketPlace::Foreign:
            return HandOver::ForeignSocket;
        case SocketPlace::Own:
            break;
    }
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs)) return HandOver::NoCopyRuns;
    if (!PeerIsThisUser(socket.socketDescriptor())) return HandOver::ForeignSocket;
    socket.write(EncodePaths(paths));
    if (!socket.waitForBytesWritten(timeoutMs)) return HandOver::NoCopyRuns;
    socket.disconnectFromServer();
    const bool ended =
        socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeoutMs);
    return ended ? HandOver::Handed : HandOver::NoCopyRuns;
}

bool SingleInstance::listen() {
    switch (CheckSocketPlace(serverName_)) {
        case SocketPlace::Foreign:
            return false;
        case SocketPlace::Own:
            // A copy that answers would have taken the paths; what is left is a crashed copy's
            // socket.
            QLocalServer::removeServer(serverName_);
            break;
        case SocketPlace::Free:
            break;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, client, [client] {
                if (client->bytesAvailable() > kMaxHandOverBytes) client->abort();
            });
            connect(client, &QLocalSocket::readChannelFinished, this,
                    [this, client] { deliver(DecodePaths(client->readAll())); });
        }
    });
    return true;
}

void SingleInstance::deliver(const QStringList& paths) {
    pending_ += paths;
    // A receiver that shows a message waits for the user in an event loop of its own, where later
    // hand-overs come in: they wait here and go as one batch when it returns. Delivered at once,
    // a flood of them would stack a message box on a message box until the stack ran out.
    if (delivering_) return;
    delivering_ = true;
    while (!pending_.isEmpty()) emit pathsReceived(std::exchange(pending_, {}));
    delivering_ = false;
}
