// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "playlist/file_patterns.h"

// Whether a file that the user names himself (on the command line, with "Open with", by a drop)
// is media to add: a name of the browser's patterns, or any file that the system's MIME database
// takes for audio or video by its name or content ("a.flac", "b.opus", "c.m4a", a video without
// its extension). Playlists, which the database counts as audio, are not media.
bool IsNamedMediaFile(const QString& path, const FilePatternSet& patterns);
