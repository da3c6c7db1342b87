// SPDX-License-Identifier: MIT
#include "playlist/regular_file.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

#include "playlist/file_name_codec.h"
#endif

namespace {

QString Reason(const QString& what) {
    return QStringLiteral("Это %1, а не обычный файл.").arg(what);
}

}  // namespace

#ifdef Q_OS_UNIX

std::optional<QString> NotARegularFileReasonOfMode(unsigned mode) {
    if (S_ISREG(mode)) return std::nullopt;
    if (S_ISFIFO(mode)) return Reason(QStringLiteral("именованный канал (FIFO)"));
    if (S_ISCHR(mode) || S_ISBLK(mode)) return Reason(QStringLiteral("устройство"));
    if (S_ISSOCK(mode)) return Reason(QStringLiteral("сокет"));
    if (S_ISDIR(mode)) return Reason(QStringLiteral("папка"));
    return Reason(QStringLiteral("особый файл"));
}

std::optional<QString> NotARegularFileReason(const QString& path) {
    struct stat target {};
    // stat follows a symbolic link: what counts is what it points to.
    if (::stat(EncodeFileName(path).constData(), &target) != 0) return std::nullopt;
    return NotARegularFileReasonOfMode(target.st_mode);
}

#else

std::optional<QString> NotARegularFileReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return std::nullopt;
    return Reason(info.isDir() ? QStringLiteral("папка") : QStringLiteral("особый файл"));
}

#endif

std::optional<qint64> RegularFileSize(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat target {};
    if (::stat(EncodeFileName(path).constData(), &target) != 0 || !S_ISREG(target.st_mode))
        return std::nullopt;
    return static_cast<qint64>(target.st_size);
#else
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    return info.size();
#endif
}

bool PathExists(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat target {};
    return ::stat(EncodeFileName(path).constData(), &target) == 0;
#else
    return QFileInfo::exists(path);
#endif
}
