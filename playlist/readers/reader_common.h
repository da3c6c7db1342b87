// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

#include "playlist/readers/playlist_readers.h"

ReadResult ReadFailure(const QString& reason);

// "Файл не является списком воспроизведения M3U." and the like.
QString NotAPlaylistOfType(QStringView typeName);

// A NUL character never occurs in a text playlist; it marks a binary file given the wrong
// extension (an MP3 renamed to .m3u).
bool LooksBinary(QStringView text);

// What a playlist said about its next entry. The fixed "?-?" that players' forms and this program
// write for an entry they know nothing about, with its length 0 or none, says nothing.
struct CarriedInfo {
    std::optional<QString> title;
    std::optional<int> seconds;
};

// A length as a playlist writes it: whole seconds, maybe negative (-1, a stream); a fraction
// ("213.5") is cut to whole seconds. None when the text isn't a number.
std::optional<int> ParseSeconds(QStringView text);

// Notes a line left out for its length (kMaxEntryBytes, kMaxPlaylistLineBytes). Once entries
// past the playlist's limit were left out, later lines are not noted: they would not be kept
// anyway.
void NoteOverLongLine(PlaylistContents& contents, qsizetype line);

// The entry the text on the given line names, as the path of its file. None when it names nothing,
// or when it is longer than any path or address can be: such a line is noted in the contents.
std::optional<PlaylistEntry> ReadEntry(PlaylistContents& contents, QStringView text,
                                       const QString& playlistFolder, qsizetype line);

// Adds an entry read, with what the playlist said about it. Past the playlist's limit it is only
// noted that entries were left out.
void KeepEntry(PlaylistContents& contents, PlaylistEntry entry, CarriedInfo info = {});

// Whether the contents hold as many entries as the playlist takes, so that any more are left out.
bool IsFull(const PlaylistContents& contents);

// ReadEntry and KeepEntry in one, for readers that meet the entries in their order.
void AppendEntry(PlaylistContents& contents, QStringView text, const QString& playlistFolder,
                 qsizetype line, CarriedInfo info = {});

// Takes a line of a line-based playlist that may name an entry, with its number.
using PlaylistLineTaker = std::function<void(QStringView line, qsizetype number)>;

// What the reading of a line-based playlist met: no line at all (blank lines aside), lines, or a
// binary line, at which it stopped.
enum class PlaylistLines { None, Read, Binary };

// Hands over each non-blank line of a line-based playlist (ForEachDecodedLine) that the reader's
// own rules decide on. A line longer than any entry can be is only noted in the contents; a line
// that looks binary stops the reading, as the bytes are no playlist of that type.
PlaylistLines ForEachPlaylistLine(QByteArrayView bytes, PlaylistContents& contents,
                                  const PlaylistLineTaker& take);
