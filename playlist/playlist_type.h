// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// The index of the type selector: the numbers are what the selector and stored settings hold.
// XSPF, read like the others, is no item of the selector: it has a save command of its own.
enum class PlaylistType { M3U = 0, PLS = 1, WPL = 2, XSPF = 3 };

inline constexpr PlaylistType kPlaylistTypes[] = {PlaylistType::M3U, PlaylistType::PLS,
                                                  PlaylistType::WPL, PlaylistType::XSPF};

// Whether the type selector offers the type.
constexpr bool IsSelectorType(PlaylistType type) {
    return type != PlaylistType::XSPF;
}

// SaveFile is the text the Save command writes; Player is the shorter text handed to a player.
enum class PlaylistTarget { SaveFile, Player };

// The file extension of a type: "m3u", "pls", "wpl", "xspf".
QString PlaylistExtension(PlaylistType type);

// The type a playlist file holds, by its extension in any case (".m3u8" is M3U too); none for a
// file that isn't a playlist.
std::optional<PlaylistType> PlaylistTypeOfFile(const QString& path);

// The Save dialog's filter for the type, a description and a pattern: "M3U|*.m3u".
QString PlaylistSaveFilter(PlaylistType type);
