// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <functional>

#include "playlist/playlist_entry.h"
#include "playlist/playlist_type.h"

// The entries of a playlist that still works when its folder moves with the music (to another
// disk, another computer, a phone): each local entry with its folder relative to the folder the
// playlist is saved in ("", "Music", "../Music"; with "\" on Windows), and "." where the relative
// path would start like a comment, a blank or an address ("./#start.mp3", "./file:a.wav"). Kept as
// they are: addresses, entries on another drive (which no relative path reaches), and entries the
// text would have to write as an escaped URI, which can only be absolute.
PlaylistEntries EntriesRelativeTo(
    PlaylistEntries entries, const QString& playlistFolder, PlaylistType type,
    const std::function<bool(const QString& folder)>& onPlaylistsDrive,
    QChar separator = QDir::separator());
