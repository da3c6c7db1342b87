// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "playlist/playlist_entry.h"
#include "playlist/playlist_order.h"

// The entries whose name, folder or title holds the text, blind to case and to the difference
// between "ё" and "е" (which Russian spelling often leaves out). An empty text finds nothing.
RowSet FindEntries(const PlaylistEntries& entries, const QString& text);
