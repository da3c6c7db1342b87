// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "playlist/playlist_entry.h"

// The playlist's ordering and clean-up commands. Each gives the rows to keep, in their new order
// (entry i of the result is the entry now at row order[i]), which the playlist applies as one
// step of its history.
using RowOrder = std::vector<int>;

// Rows of the playlist in ascending order, each once: the selected entries.
using RowSet = std::vector<int>;

// Natural order, blind to case: "track 2" before "Track 10". Equal keys keep their order. By path
// is by folder, then by name within each folder; by title is by the title a playlist gave the
// entry, or by its name where it gave none.
RowOrder OrderByName(const PlaylistEntries& entries);
RowOrder OrderByPath(const PlaylistEntries& entries);
RowOrder OrderByTitle(const PlaylistEntries& entries);

// Every order equally likely.
RowOrder ShuffledOrder(int count);

// The first of each equal path stays. Paths are compared as the file system does: exactly on
// POSIX, blind to case on Windows.
RowOrder WithoutRepeats(const PlaylistEntries& entries);

// Local entries whose file (or folder) doesn't exist go; addresses stay, as nothing here can
// check them.
RowOrder WithoutMissing(const PlaylistEntries& entries);

// Every row but these, in their order.
RowOrder WithoutRows(int count, const RowSet& rows);

// These rows together, in their order, so that they stand before the row now at `insertBefore`
// (the count: at the end); the others keep their order around them.
RowOrder RowsMovedBefore(int count, const RowSet& rows, int insertBefore);

// Each of these rows one place up (or down), past the unselected row above (below) it; rows that
// already stand together at the top (bottom) stay, so a block keeps its shape.
RowOrder RowsMovedUp(int count, const RowSet& rows);
RowOrder RowsMovedDown(int count, const RowSet& rows);
