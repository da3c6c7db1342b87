// SPDX-License-Identifier: MIT
#include "output/temporary_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "output/player_command.h"
#include "output/playlist_file.h"
#include "playlist/entry_path.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kPrivateFolderName = QStringLiteral("lyrantel");

TemporaryPlaylistResult WriteFile(const QString& path, QStringView text) {
    const PlaylistFileResult written = WritePlaylistFile(path, text);
    if (written.status == PlaylistFileResult::Status::Written) return {path, std::nullopt};
    return {path, written.failureReason};
}

#ifdef Q_OS_UNIX

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// Writing goes by the final name (a new file is renamed onto it), and the writer resolves a
// symbolic link there first: a link planted in the folder would redirect the playlist onto
// whatever file it names.
std::optional<QString> RefuseLink(const QString& path) {
    struct stat entry {};
    if (::lstat(Native(path).constData(), &entry) == 0 && S_ISLNK(entry.st_mode))
        return QStringLiteral("На месте файла — символьная ссылка; через неё список не пишется.");
    return std::nullopt;
}

bool IsPortableCopy(const QString& applicationFolder) {
    struct stat folder {};
    return ::stat(Native(applicationFolder).constData(), &folder) == 0 &&
           IsPortableCopy(applicationFolder, folder.st_uid, ::geteuid());
}

#else

// Windows gives every user's folders their own permissions: a link there is the user's own.
std::optional<QString> RefuseLink(const QString& /*path*/) {
    return std::nullopt;
}

// On Windows the Temp folder beside the program comes first whoever installed it.
bool IsPortableCopy(const QString& /*applicationFolder*/) {
    return true;
}

#endif

TemporaryPlaylistResult WriteRefusingLinks(const QString& path, QStringView text) {
    if (std::optional<QString> link = RefuseLink(path)) return {path, link};
    return WriteFile(path, text);
}

}  // namespace

bool IsSystemFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    if (clean == u'/') return true;
    static const QString prefixes[] = {
        QStringLiteral("/usr"),   QStringLiteral("/opt"), QStringLiteral("/bin"),
        QStringLiteral("/sbin"),  QStringLiteral("/lib"), QStringLiteral("/lib32"),
        QStringLiteral("/lib64"), QStringLiteral("/etc"), QStringLiteral("/var"),
    };
    return std::any_of(std::begin(prefixes), std::end(prefixes), [&](const QString& prefix) {
        return clean == prefix || clean.startsWith(prefix + u'/');
    });
}

bool IsPortableCopy(const QString& applicationFolder, uint folderOwner, uint user) {
    return folderOwner == user && !IsSystemFolder(applicationFolder);
}

QString PrivateFolderPath(const QString& runtimeFolder, const QString& cacheFolder) {
    // A relative runtime folder is not one the system made for the user.
    const QString base = QDir::isAbsolutePath(runtimeFolder) ? runtimeFolder : cacheFolder;
    return QDir(base).filePath(kPrivateFolderName);
}

QString PrivateFolderPath() {
    return PrivateFolderPath(
        qEnvironmentVariable("XDG_RUNTIME_DIR"),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
}

#ifdef Q_OS_UNIX

std::optional<QString> PreparePrivateFolder(const QString& folder) {
    QDir().mkpath(QFileInfo(folder).absolutePath());
    // The mode is given at creation, so the folder is never open to others, not even briefly.
    if (::mkdir(Native(folder).constData(), 0700) != 0 && errno != EEXIST)
        return qt_error_string(errno);
    struct stat entry {};
    if (::lstat(Native(folder).constData(), &entry) != 0) return qt_error_string(errno);
    if (S_ISLNK(entry.st_mode))
        return QStringLiteral("Это символьная ссылка, а не папка: она могла быть подложена.");
    if (!S_ISDIR(entry.st_mode)) return QStringLiteral("Это не папка.");
    if (entry.st_uid != ::geteuid())
        return QStringLiteral("Папка принадлежит другому пользователю.");
    if (entry.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("В папку могут писать другие пользователи.");
    return std::nullopt;
}

#else

// Windows gives every user's cache folder its own permissions; there is nothing more to check.
std::optional<QString> PreparePrivateFolder(const QString& folder) {
    if (QDir().mkpath(folder)) return std::nullopt;
    return QStringLiteral("Папку не удалось создать.");
}

#endif

TemporaryPlaylistResult WriteTemporaryPlaylist(const QString& applicationFolder, PlaylistType type,
                                               QStringView text) {
    if (IsPortableCopy(applicationFolder)) {
        QDir().mkpath(TemporaryPlaylistFolder(applicationFolder));
        TemporaryPlaylistResult beside =
            WriteRefusingLinks(TemporaryPlaylistPath(applicationFolder, type), text);
        if (!beside.failure) return beside;
    }
    const QString folder = QDir::toNativeSeparators(PrivateFolderPath());
    if (std::optional<QString> unusable = PreparePrivateFolder(folder)) return {folder, unusable};
    return WriteRefusingLinks(JoinEntryPath(folder, TemporaryPlaylistFileName(type)), text);
}
