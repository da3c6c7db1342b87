// SPDX-License-Identifier: MIT
#include "playlist/media_files.h"

#include <QMimeDatabase>
#include <algorithm>

#include "playlist/entry_path.h"
#include "playlist/playlist_type.h"

namespace {

bool IsMediaTypeName(QStringView name) {
    return name.startsWith(u"audio/") || name.startsWith(u"video/");
}

// Playlist types of the MIME database that are audio by their names.
bool IsPlaylistType(const QMimeType& type) {
    for (const QStringView playlist :
         {u"audio/x-mpegurl", u"audio/x-scpls", u"audio/x-ms-asx", u"audio/x-iriver-pla"}) {
        if (type.inherits(playlist.toString())) return true;
    }
    return false;
}

// Audio or video itself, or a kind of them ("audio/x-vorbis+ogg" is "audio/ogg").
bool IsAudioOrVideo(const QMimeType& type) {
    if (IsMediaTypeName(type.name())) return true;
    const QStringList ancestors = type.allAncestors();
    return std::any_of(ancestors.begin(), ancestors.end(),
                       [](const QString& name) { return IsMediaTypeName(name); });
}

}  // namespace

bool IsNamedMediaFile(const QString& path, const FilePatternSet& patterns) {
    if (patterns.matches(SplitEntryPath(path).fileName)) return true;
    if (PlaylistTypeOfFile(path)) return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    return !IsPlaylistType(type) && IsAudioOrVideo(type);
}
