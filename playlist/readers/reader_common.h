// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include "playlist/readers/playlist_readers.h"

ReadResult ReadFailure(const QString& reason);

// "Файл не является списком воспроизведения M3U." and the like.
QString NotAPlaylistOfType(QStringView typeName);

// A NUL character never occurs in a text playlist; it marks a binary file given the wrong
// extension (an MP3 renamed to .m3u).
bool LooksBinary(const QString& text);

// Adds the entry as the path of the file it names; entries that name nothing are dropped.
void AppendEntry(PlaylistContents& contents, const QString& entry, const QString& playlistFolder);
