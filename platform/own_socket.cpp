// SPDX-License-Identifier: MIT
#include "platform/own_socket.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

#ifdef Q_OS_WIN
// A named pipe is no file: there is no owner to look at before connecting, nor here a check of the
// pipe's server after it. Only the pipe's access list (QLocalServer::UserAccessOption) guards it.
SocketPlace CheckSocketPlace(const QString&) {
    return SocketPlace::Own;
}

bool PeerIsThisUser(qintptr) {
    return true;
}
#else
namespace {

bool IsSafeFolder(const QByteArray& folder) {
    struct stat info {};
    if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (info.st_uid != ::geteuid() && info.st_uid != 0) return false;
    const bool othersWrite = (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersWrite || (info.st_mode & S_ISVTX) != 0;
}

}  // namespace

SocketPlace CheckSocketPlace(const QString& path) {
    if (!IsSafeFolder(QFile::encodeName(QFileInfo(path).absolutePath())))
        return SocketPlace::Foreign;
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? SocketPlace::Free : SocketPlace::Foreign;
    return S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid() ? SocketPlace::Own
                                                                : SocketPlace::Foreign;
}

bool PeerIsThisUser(qintptr socketDescriptor) {
    const int descriptor = static_cast<int>(socketDescriptor);
#ifdef SO_PEERCRED
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
#else
    uid_t user = 0;
    gid_t group = 0;
    return ::getpeereid(descriptor, &user, &group) == 0 && user == ::geteuid();
#endif
}
#endif
