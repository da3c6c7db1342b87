// SPDX-License-Identifier: MIT
#include "output/in_place_write.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

SaveMethod ChooseSaveMethod(const SaveTarget& target, uint user) {
    if (!target.exists) return SaveMethod::Replace;
    const bool keepsIdentityOnlyInPlace =
        !target.folderWritable || target.links > 1 || target.owner != user;
    return keepsIdentityOnlyInPlace ? SaveMethod::InPlace : SaveMethod::Replace;
}

#ifdef Q_OS_UNIX

namespace {

QString SystemReason() {
    return qt_error_string(errno);
}

// Writes the source's bytes from the start of the file on and cuts the file after them.
std::optional<QString> WriteWhole(int fd, const BytesSource& source) {
    off_t done = 0;
    std::optional<QString> writeFailure;
    std::optional<QString> sourceFailure = source([&](QByteArrayView piece) {
        while (!piece.isEmpty()) {
            const ssize_t written = ::pwrite(fd, piece.data(), piece.size(), done);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                writeFailure = SystemReason();
                return false;
            }
            done += written;
            piece = piece.sliced(written);
        }
        return true;
    });
    if (writeFailure) return writeFailure;
    if (sourceFailure) return sourceFailure;
    // fsync reports what the file system could only find out on the way to the disk.
    if (::ftruncate(fd, done) != 0 || ::fsync(fd) != 0) return SystemReason();
    return std::nullopt;
}

std::optional<QByteArray> ReadWhole(int fd) {
    QByteArray bytes;
    char buffer[65536];
    while (true) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, bytes.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(buffer, got);
    }
}

InPlaceWriteResult WriteOverOpenFile(int fd, const BytesSource& source) {
    struct stat file {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode))
        return {QStringLiteral("Это не обычный файл."), std::nullopt};
    std::optional<QByteArray> earlier = ReadWhole(fd);
    if (!earlier) return {SystemReason(), std::nullopt};
    InPlaceWriteResult result{WriteWhole(fd, source), std::nullopt};
    if (result.failure && WriteWhole(fd, SourceOf(*earlier)))
        result.unrestoredEarlierText = std::move(earlier);
    return result;
}

}  // namespace

uint CurrentUser() {
    return ::geteuid();
}

SaveTarget InspectSaveTarget(const QString& path) {
    struct stat file {};
    if (::stat(QFile::encodeName(path).constData(), &file) != 0) return {};
    const QString folder = QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath();
    return {true, ::access(QFile::encodeName(folder).constData(), W_OK) == 0,
            static_cast<quint64>(file.st_nlink), file.st_uid};
}

InPlaceWriteResult WriteInPlace(const QString& path, const BytesSource& source) {
    // O_NONBLOCK: should a pipe have taken the file's place since it was looked at, opening it
    // must not wait for a reader.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {SystemReason(), std::nullopt};
    InPlaceWriteResult result = WriteOverOpenFile(fd, source);
    ::close(fd);
    return result;
}

#else

// Windows: files are always replaced, which keeps what matters there (the file's permissions).
uint CurrentUser() {
    return 0;
}

SaveTarget InspectSaveTarget(const QString& /*path*/) {
    return {};
}

#endif
