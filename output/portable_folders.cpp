// SPDX-License-Identifier: MIT
#include "output/portable_folders.h"

#include "playlist/entry_path.h"
#include "playlist/file_uri.h"

QStringList FoldersRelativeTo(const QStringList& folders, const QStringList& fileNames,
                              const QString& playlistFolder, PlaylistType type,
                              const std::function<bool(const QString& folder)>& onPlaylistsDrive,
                              QChar separator) {
    const EntryTextForm form =
        type == PlaylistType::WPL ? EntryTextForm::Xml : EntryTextForm::Lines;
    const QDir base(playlistFolder);
    QStringList relative;
    relative.reserve(folders.size());
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString& folder = folders[i];
        const bool movable = ShapeOfEntry(folder) != EntryShape::Address &&
                             !NeedsEscapedUri(folder, form) &&
                             !NeedsEscapedUri(fileNames[i], form) && onPlaylistsDrive(folder);
        if (!movable) {
            relative.append(folder);
            continue;
        }
        QString path = base.relativeFilePath(folder);
        if (path == u".") path.clear();  // the playlist's own folder: the name alone
        if (separator != u'/') path.replace(u'/', separator);
        relative.append(path);
    }
    return relative;
}
