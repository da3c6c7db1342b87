// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// The index of the type selector: the numbers are what the selector and stored settings hold.
enum class PlaylistType { M3U = 0, PLS = 1, WPL = 2 };

inline constexpr PlaylistType kPlaylistTypes[] = {PlaylistType::M3U, PlaylistType::PLS,
                                                  PlaylistType::WPL};

// SaveFile is the text the Save command writes; Player is the shorter text handed to a player.
enum class PlaylistTarget { SaveFile, Player };

// The file extension of a type: "m3u", "pls", "wpl".
QString PlaylistExtension(PlaylistType type);

// The type a playlist file holds, by its extension in any case (".m3u8" is M3U too); none for a
// file that isn't a playlist.
std::optional<PlaylistType> PlaylistTypeOfFile(const QString& path);

// The Save dialog's filter for the type, a description and a pattern: "M3U|*.m3u".
QString PlaylistSaveFilter(PlaylistType type);
