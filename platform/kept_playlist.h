// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

#include "playlist/playlist_type.h"

// The playlist of the last run, kept in the user's data folder until the next one asks for it. It
// is kept as WPL, which holds every entry and the name exactly, whatever the playlist's type; the
// type is in the file's name ("last-playlist-pls.wpl").
QString KeptPlaylistPath(PlaylistType type);
// The type of the kept playlist; nullopt when none is kept.
std::optional<PlaylistType> KeptPlaylistType();
