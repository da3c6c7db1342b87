#pragma once

// The index selected in the type selector.
enum PlaylistType { M3U = 0, PLS = 1, WPL = 2 };

// Which form of a playlist text is composed: for a file the user saves, or for a player.
enum class PlaylistTarget { SaveFile, Player };
