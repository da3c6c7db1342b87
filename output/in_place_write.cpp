// SPDX-License-Identifier: MIT
#include "output/in_place_write.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "playlist/file_name_codec.h"

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

using Earlier = InPlaceWriteResult::Earlier;

InPlaceWriteResult WriteOverOpenFile(int fd, const BytesSource& source) {
    struct stat file {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode))
        return {Earlier::Untouched, QStringLiteral("Это не обычный файл."), {}};
    std::optional<QByteArray> earlier = ReadWhole(fd);
    if (!earlier) return {Earlier::Untouched, SystemReason(), {}};
    const std::optional<QString> failure = WriteWhole(fd, source);
    if (!failure) return {};
    if (!WriteWhole(fd, SourceOf(*earlier))) return {Earlier::Restored, failure, {}};
    return {Earlier::Unrestored, failure, std::move(*earlier)};
}

}  // namespace

InPlaceWriteResult WriteInPlace(const QString& path, const BytesSource& source) {
    // O_NONBLOCK: should a pipe have taken the file's place since it was looked at, opening it
    // must not wait for a reader.
    const int fd = ::open(EncodeFileName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {Earlier::Untouched, SystemReason(), {}};
    InPlaceWriteResult result = WriteOverOpenFile(fd, source);
    ::close(fd);
    return result;
}

#endif
