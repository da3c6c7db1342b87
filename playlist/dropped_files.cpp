// SPDX-License-Identifier: MIT
#include "playlist/dropped_files.h"

#include <QFileInfo>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "playlist/file_patterns.h"
#include "playlist/folder_listing.h"
#include "playlist/media_files.h"
#include "playlist/regular_file.h"

namespace {

// The dropped file's path. On POSIX a file manager percent-escapes the name's bytes, and
// QUrl::toLocalFile would read those that aren't UTF-8 as replacement characters, a different
// file; the bytes are decoded here so the name keeps them.
QString LocalPathOf(const QUrl& url) {
#ifdef Q_OS_WIN
    return QFileInfo(url.toLocalFile()).absoluteFilePath();
#else
    const QString path = url.path(QUrl::FullyEncoded);
    return DecodeFileName(QByteArray::fromPercentEncoding(path.toLatin1()));
#endif
}

}  // namespace

PlaylistEntries CollectDroppedMedia(const QList<QUrl>& urls, const FilePatternSet& patterns) {
    PlaylistEntries entries;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString path = LocalPathOf(url);
        if (const std::optional<QStringList> files = ListMatchingFiles(path, patterns)) {
            entries.append(EntriesInFolder(*files, NativeFolderPath(path)));
            continue;
        }
        const SplitPath split = SplitEntryPath(QDir::toNativeSeparators(path));
        if (RegularFileSize(path) && IsNamedMediaFile(path, patterns))
            entries.append({NativeFolderPath(split.folder), split.fileName, {}, {}});
    }
    return entries;
}
