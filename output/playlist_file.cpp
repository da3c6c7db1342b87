// SPDX-License-Identifier: MIT
#include "output/playlist_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "output/in_place_write.h"
#include "output/save_target.h"
#include "output/temporary_folder.h"
#include "output/text_encoding.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

// A disk that fills up half-way first gives a short write, which QSaveFile does not remember as a
// failure (committing would put the cut-off text in place of the earlier file) and which carries
// no reason; writing the rest then fails with the system's reason.
bool WriteAll(QFileDevice& file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

// The source's bytes go into a new file, which takes the path's place only once all are written.
// Returns the failure reason, nothing on success. Unbuffered, so that every failure shows at the
// write that met it.
std::optional<QString> WriteReplacing(const QString& path, const BytesSource& source) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    bool written = true;
    std::optional<QString> sourceFailure =
        source([&](QByteArrayView piece) { return written = WriteAll(file, piece); });
    if (!written) return file.errorString();
    if (sourceFailure) return sourceFailure;
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

#ifdef Q_OS_UNIX

// The earlier text goes beside the file as "<name>~", or into the user's private folder when the
// file's folder can't be written (one of the reasons to write in place). Returns where it went.
std::optional<QString> KeepEarlierText(const QString& path, const QByteArray& earlier) {
    const QString beside = path + u'~';
    if (!WriteReplacing(beside, SourceOf(earlier))) return beside;
    const QString folder = PrivateFolderPath();
    const QString aside = QDir(folder).filePath(QFileInfo(beside).fileName());
    if (!PreparePrivateFolder(folder) && !WriteReplacing(aside, SourceOf(earlier))) return aside;
    return std::nullopt;
}

// The reason of a failed write in place says what became of the file's earlier text.
std::optional<QString> WriteInPlaceSaying(const QString& path, const BytesSource& source) {
    using Earlier = InPlaceWriteResult::Earlier;
    InPlaceWriteResult written = WriteInPlace(path, source);
    switch (written.earlier) {
        case Earlier::Replaced:
        case Earlier::Untouched:
            return written.failure;
        case Earlier::Restored:
            return *written.failure + kEarlierTextRestored;
        case Earlier::Unrestored:
            break;
    }
    const std::optional<QString> copy = KeepEarlierText(path, written.earlierText);
    return *written.failure + (copy ? kEarlierTextKeptIn.arg(*copy) : kEarlierTextLost);
}

#endif

std::optional<QString> WriteBy(SaveMethod method, const QString& path, const BytesSource& source) {
#ifdef Q_OS_UNIX
    if (method == SaveMethod::InPlace) return WriteInPlaceSaying(path, source);
#else
    Q_UNUSED(method);  // a file is always replaced there
#endif
    return WriteReplacing(path, source);
}

}  // namespace

PlaylistFileResult WritePlaylistFile(const QString& path, QStringView text,
                                     PlaylistEncoding encoding) {
    PlaylistFileResult result;
    if (path.isEmpty()) return result;
    // A pipe would hold the window until someone reads it, and a device is no playlist.
    const SaveTarget target = InspectSaveTarget(path);
    if (target.notARegularFile) {
        result.status = PlaylistFileResult::Status::Failed;
        result.failureReason = *target.notARegularFile;
        return result;
    }
    // The text is encoded while it is written, a piece at a time, so the whole file's bytes are
    // never held. A text that can't be encoded is not written at all: the new file is dropped, or
    // a file written in place gets its earlier text back.
    EncodingResult encoded;
    const BytesSource bytes = [&](const EncodedBytesSink& sink) -> std::optional<QString> {
        if (EncodePlaylistText(text, sink, encoded, encoding)) sink(kLineEnd);
        return encoded.failureReason;
    };
    const std::optional<QString> failure =
        WriteBy(ChooseSaveMethod(target, CurrentUser()), path, bytes);
    result.charactersReplaced = encoded.charactersReplaced;
    result.status =
        failure ? PlaylistFileResult::Status::Failed : PlaylistFileResult::Status::Written;
    result.failureReason = failure.value_or(QString());
    return result;
}

QString SaveFailedMessage(const QString& path, const QString& reason) {
    return kSaveFailedText + u'\n' + path + QStringLiteral("\n\n") + reason;
}
