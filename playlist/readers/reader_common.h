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

// What a playlist said about its next entry. The fixed "?-?" that players' forms and this program
// write for an entry they know nothing about, with its length 0 or none, says nothing.
struct CarriedInfo {
    std::optional<QString> title;
    std::optional<int> seconds;
};

// A length as a playlist writes it: whole seconds, maybe negative (-1, a stream); a fraction
// ("213.5") is cut to whole seconds. None when the text isn't a number.
std::optional<int> ParseSeconds(QStringView text);

// Adds the entry as the path of the file it names, with what the playlist said about it; entries
// that name nothing are dropped.
void AppendEntry(PlaylistContents& contents, const QString& entry, const QString& playlistFolder,
                 CarriedInfo info = {});
