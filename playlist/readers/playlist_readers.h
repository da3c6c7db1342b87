// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "playlist/playlist_entry.h"

// What a playlist file holds: its entries in file order, each an absolute path in this system's
// native form split into folder and name, with the title and length the file gave it; and the
// playlist's name (a WPL's or an XSPF's title, an M3U's "#PLAYLIST:").
struct PlaylistContents {
    PlaylistEntries entries;
    QString title;
    // The lines of entries left out for being longer than any path or address can be
    // (kMaxEntryBytes), in file order: shown in a list, such an entry would hold the window for
    // minutes.
    QList<qsizetype> overLongLines;
    // Whether the file held more entries than the playlist takes (kMaxPlaylistEntries): only the
    // first of them are kept, so that millions of entries are not held only to be dropped.
    bool entriesLeftOut = false;
};

// Either the contents or, when the file can't be taken as a playlist, the reason in words for the
// user (the caller puts it under its own "can't open" line).
struct ReadResult {
    std::optional<PlaylistContents> contents;
    QString error;
};

// Readers over the file's bytes. Relative entries are resolved against playlistFolder, which must
// be absolute.
ReadResult ReadM3u(const QByteArray& bytes, const QString& playlistFolder);
ReadResult ReadPls(const QByteArray& bytes, const QString& playlistFolder);
ReadResult ReadWpl(const QByteArray& bytes, const QString& playlistFolder);
ReadResult ReadXspf(const QByteArray& bytes, const QString& playlistFolder);

// Files larger than this are refused before they are read, so that a large file of another kind
// named like a playlist is not taken into memory. It is above the largest playlist the program
// writes, so that whatever it writes opens again:
// - 32,767 entries (kMaxPlaylistEntries), each a path of at most 4,095 bytes on Linux (PATH_MAX,
//   4,096, holds the closing NUL) or 259 UTF-16 units on Windows (MAX_PATH, 260);
// - the dearest characters: WPL writes a '"' as "&quot;", 6 bytes for 1 (Cyrillic as "&#1103;", 7
//   for 2; from U+2710 on as "&#NNNNN;", 8 for 3, or for 1 unit on Windows); M3U and PLS write a
//   path holding a control character or bytes that aren't UTF-8 as a file URI, 3 bytes for each
//   byte;
// - so an entry is at most 6 * 4,095 + 17 ("<media src=\"\"/>" and CR LF) = 24,587 bytes of WPL,
//   12,335 of PLS, 12,309 of M3U; on Windows 8 * 259 + 17 = 2,089;
// - 32,767 * 24,587 = 805,642,229 bytes, with the head and the longest title (32,767 characters,
//   the title box's most, at 8 bytes) about 805.9 MB (768.6 MiB).
// 1 GiB leaves a third more. Opening one holds its bytes once, one line at a time decoded (a WPL
// one slice), and at most a full playlist of entries, so the peak stays under three times the
// file (bench/targets.tsv): about 3 GB at the limit. Windows paths beyond MAX_PATH (up to 32,767
// units behind "\\?\") would allow 8.6 GB, which no reader that holds the file could take: the
// program is not declared to handle long paths there, and neither are the players.
inline constexpr qint64 kMaxPlaylistFileBytes = qint64{1024} * 1024 * 1024;

// Reads the file and picks the reader by its extension (.m3u and .m3u8, .pls, .wpl, .xspf, any
// case). A file larger than the limit is refused; one of exactly the limit is read. (The limit is
// given only by tests, which can't afford a file of a gigabyte to show where it lies.)
ReadResult ReadPlaylistFile(const QString& path, qint64 sizeLimit = kMaxPlaylistFileBytes);
