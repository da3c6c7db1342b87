// SPDX-License-Identifier: MIT
#include "platform/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "platform/app_info.h"

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

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

bool SingleInstance::handToRunningCopy(const QStringList& paths, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(EncodePaths(paths));
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(timeoutMs);
}

bool SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A copy that answers would have taken the paths; what is left is a crashed copy's socket.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readChannelFinished, this, [this, client] {
                const QStringList paths = DecodePaths(client->readAll());
                if (!paths.isEmpty()) emit pathsReceived(paths);
            });
        }
    });
    return true;
}
