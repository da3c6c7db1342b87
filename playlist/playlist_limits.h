// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// Positions and counts of the playlist are 16-bit signed, as players and stored files expect.
inline constexpr int kMaxPlaylistEntries = 32767;

inline const QString kPlaylistFullMessage =
    QStringLiteral("В списке воспроизведения может быть не больше 32767 записей.");

// The longest entry the program takes, in bytes of its path on disk (UTF-8, a name's bytes that
// aren't UTF-8 one byte each) or of its address in UTF-8:
// - a path: Linux's PATH_MAX, 4,096 bytes, holds the closing NUL, so no file has a longer path
//   than 4,095 bytes (Windows' MAX_PATH, 260 UTF-16 units with the NUL, is at most 777 bytes);
// - an address: the same 4,095 bytes, twice the 2,048 that browsers, sitemaps and most servers'
//   defaults keep addresses within, so that a stream's address with a long token still fits; and
//   it keeps the largest playlist the program writes (every entry counted at 4,095 bytes, beside
//   kMaxPlaylistFileBytes) under the size it opens again.
// Anything longer names nothing that can be played, and a list box laying out a text of megabytes
// holds the window for minutes.
inline constexpr qsizetype kMaxEntryBytes = 4095;
// Whether the path or address is at most kMaxEntryBytes long.
bool IsEntryWithinLimit(QStringView entry);
