#include "output/playlist_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "output/text_encoding.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

// A disk that fills up half-way first gives a short write, which QSaveFile does not remember as a
// failure (committing would put the cut-off text in place of the earlier file) and which carries
// no reason; writing the rest then fails with the system's reason.
bool WriteAll(QFileDevice& file, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WriteTextAndLineEnd(QFileDevice& file, const QByteArray& bytes) {
    return WriteAll(file, bytes.constData(), bytes.size()) && WriteAll(file, kLineEnd, 2);
}

// Each writer returns the failure reason, nothing on success. Both write unbuffered, so that
// every failure shows at the write that met it.
std::optional<QString> WriteReplacing(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (!WriteTextAndLineEnd(file, bytes) || !file.commit()) return file.errorString();
    return std::nullopt;
}

// A device or a pipe cannot be replaced by a finished file the way a regular file is: QSaveFile
// would put a regular file in place of the device node. Such a target is written directly.
std::optional<QString> WriteThrough(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !WriteTextAndLineEnd(file, bytes))
        return file.errorString();
    return std::nullopt;
}

bool IsSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// A text that could not be encoded is not written at all: the earlier file stays.
std::optional<QString> Write(const QString& path, const EncodedText& encoded) {
    if (encoded.failureReason) return encoded.failureReason;
    return IsSpecialFile(path) ? WriteThrough(path, encoded.bytes)
                               : WriteReplacing(path, encoded.bytes);
}

}  // namespace

PlaylistFileResult WritePlaylistFile(const QString& path, QStringView text) {
    PlaylistFileResult result;
    if (path.isEmpty()) return result;
    const EncodedText encoded = EncodePlaylistText(text);
    result.charactersReplaced = encoded.charactersReplaced;
    const std::optional<QString> failure = Write(path, encoded);
    result.status =
        failure ? PlaylistFileResult::Status::Failed : PlaylistFileResult::Status::Written;
    result.failureReason = failure.value_or(QString());
    return result;
}

QString SaveFailedMessage(const QString& path, const QString& reason) {
    return kSaveFailedText + u'\n' + path + QStringLiteral("\n\n") + reason;
}
