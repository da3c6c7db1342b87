// SPDX-License-Identifier: MIT
#include "output/portable_folders.h"

#include "playlist/entry_path.h"
#include "playlist/file_uri.h"

PlaylistEntries EntriesRelativeTo(
    PlaylistEntries entries, const QString& playlistFolder, PlaylistType type,
    const std::function<bool(const QString& folder)>& onPlaylistsDrive, QChar separator) {
    const EntryTextForm form =
        type == PlaylistType::WPL ? EntryTextForm::Xml : EntryTextForm::Lines;
    const QDir base(playlistFolder);
    for (PlaylistEntry& entry : entries) {
        const bool movable = ShapeOfEntry(entry.folder) != EntryShape::Address &&
                             !NeedsEscapedUri(entry.folder, form) &&
                             !NeedsEscapedUri(entry.fileName, form) &&
                             onPlaylistsDrive(entry.folder);
        if (!movable) continue;
        QString path = base.relativeFilePath(entry.folder);
        if (path == u".") path.clear();  // the playlist's own folder: the name alone
        if (separator != u'/') path.replace(u'/', separator);
        entry.folder = std::move(path);
    }
    return entries;
}
