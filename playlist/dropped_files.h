// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QUrl>

#include "playlist/playlist_entry.h"

class FilePatternSet;

// Playlist entries for what was dropped from the desktop, in drop order: a file when it is media
// (IsNamedMediaFile: its name matches the patterns, or it is any audio or video), a folder as its
// matching files in the file list's order (not its sub-folders). Anything else is left out without
// a word.
PlaylistEntries CollectDroppedMedia(const QList<QUrl>& urls, const FilePatternSet& patterns);
