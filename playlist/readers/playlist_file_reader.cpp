// SPDX-License-Identifier: MIT
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "playlist/playlist_type.h"
#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/regular_file.h"

namespace {

using Reader = ReadResult (*)(const QByteArray&, const QString&);

Reader ReaderForFile(const QString& path) {
    const std::optional<PlaylistType> type = PlaylistTypeOfFile(path);
    if (!type) return nullptr;
    switch (*type) {
        case PlaylistType::M3U:
            return ReadM3u;
        case PlaylistType::PLS:
            return ReadPls;
        case PlaylistType::WPL:
            return ReadWpl;
        case PlaylistType::XSPF:
            return ReadXspf;
    }
    return nullptr;
}

QString TooLargeReason(qint64 limit) {
    return QStringLiteral("Файл больше %1 МБ: это не список воспроизведения.")
        .arg(limit / 1024 / 1024);
}

QString UnreadableReason(const QFile& file) {
    return QStringLiteral("Файл не удалось прочитать: %1").arg(file.errorString());
}

// The file's bytes, read straight into one array of the file's size: the reader gets the only
// copy. The size is asked again after each read, so a file that grows meanwhile is read on, up to
// one byte more than allowed.
QByteArray ReadBytes(QFile& file, qint64 limit) {
    QByteArray bytes;
    for (qint64 size = file.size(); bytes.size() < size && bytes.size() <= limit;
         size = file.size()) {
        const qsizetype done = bytes.size();
        bytes.resize(std::min(size, limit + 1));
        const qint64 got = file.read(bytes.data() + done, bytes.size() - done);
        bytes.resize(done + std::max<qint64>(got, 0));
        if (got <= 0) break;
    }
    return bytes;
}

}  // namespace

ReadResult ReadPlaylistFile(const QString& path, qint64 sizeLimit) {
    const QFileInfo info(path);
    const Reader read = ReaderForFile(path);
    if (!read)
        return ReadFailure(QStringLiteral(
            "Неизвестный тип списка воспроизведения: ожидается файл .m3u, .m3u8, .pls, .wpl или "
            ".xspf."));
    if (const std::optional<QString> special = NotARegularFileReason(path))
        return ReadFailure(*special);
    if (info.size() > sizeLimit) return ReadFailure(TooLargeReason(sizeLimit));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ReadFailure(UnreadableReason(file));
    const QByteArray bytes = ReadBytes(file, sizeLimit);
    if (file.error() != QFileDevice::NoError) return ReadFailure(UnreadableReason(file));
    if (bytes.size() > sizeLimit) return ReadFailure(TooLargeReason(sizeLimit));
    return read(bytes, info.absolutePath());
}
