// SPDX-License-Identifier: MIT
#include "output/portable_folders.h"

#include "playlist/entry_path.h"
#include "playlist/file_uri.h"

namespace {

// Whether a relative entry would be read as something else: a comment ("#start.mp3"), a name
// without its blank (" a.mp3"), an address or a drive ("file:a.wav", "http:x.mp3", "c:a.wav").
bool StartsAmbiguously(QStringView relative) {
    return relative.startsWith(u'#') || (!relative.isEmpty() && relative.front().isSpace()) ||
           SchemeLength(relative) > 0;
}

}  // namespace

PlaylistEntries EntriesRelativeTo(
    PlaylistEntries entries, const QString& playlistFolder, PlaylistType type,
    const std::function<bool(const QString& folder)>& onPlaylistsDrive, QChar separator) {
    const EntryTextForm form =
        type == PlaylistType::WPL ? EntryTextForm::Xml : EntryTextForm::Lines;
    const QDir base(playlistFolder);
    for (PlaylistEntry& entry : entries) {
        const bool movable = ShapeOfEntry(entry.folder) != EntryShape::Address &&
                             !NeedsEscapedEntry(entry.folder, entry.fileName, form) &&
                             onPlaylistsDrive(entry.folder);
        if (!movable) continue;
        QString path = base.relativeFilePath(entry.folder);
        if (path == u".") path.clear();  // the playlist's own folder: the name alone
        if (separator != u'/') path.replace(u'/', separator);
        // "./" in front keeps such an entry the path it is, in every player.
        if (StartsAmbiguously(path.isEmpty() ? QStringView(entry.fileName) : QStringView(path)))
            path = path.isEmpty() ? QStringLiteral(".") : u'.' + separator + path;
        entry.folder = std::move(path);
    }
    return entries;
}
