// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "playlist/playlist_type.h"

// The playlist of the last run, kept in the user's data folder until the next one asks for it. It
// is kept as an extended M3U in UTF-8, which holds every entry with its title and length, and the
// playlist's name, whatever the playlist's type; the type is in the file's name
// ("last-playlist-pls.m3u8").
QString KeptPlaylistPath(PlaylistType type);

struct KeptPlaylist {
    QString path;
    PlaylistType type;
};
// The kept playlist: of the files kept for each type, the one written last; nullopt when none is
// kept. Earlier versions kept it as WPL ("last-playlist-pls.wpl"), which is still found.
//
// The files of the other types are not removed when one is kept: two copies of the program ending
// together would each remove the other's, leaving none. They are only ever replaced whole, so one
// written last is always there.
std::optional<KeptPlaylist> FindKeptPlaylist();
// The files earlier versions kept, removed once a playlist is kept (no copy that writes them runs
// beside this one).
QStringList LegacyKeptPlaylistPaths();
