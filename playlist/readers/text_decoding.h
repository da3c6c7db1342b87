// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

// Text that is valid UTF-8 is UTF-8; anything else was written in an 8-bit code page: on Windows
// the system's ANSI code page, elsewhere the one EightBitCodePageOf finds.
QString DecodeText(QByteArrayView bytes);

// The bytes after a UTF-8 byte-order mark, or all of them when there is none.
QByteArrayView WithoutUtf8Mark(QByteArrayView bytes);

// Whether the bytes start with a byte-order mark of UTF-8, UTF-16 or UTF-32 (either byte order).
bool StartsWithUnicodeMark(QByteArrayView bytes);

// Lines longer than this hold nothing a playlist can: an entry's longest text is its path as a file
// URI, 3 bytes for each of the path's 4,095 (kMaxEntryBytes) and a host, and a title that long
// would not fit on a screen either.
inline constexpr qsizetype kMaxPlaylistLineBytes = qsizetype{16} * 1024;

// Takes a line of a line-based playlist and its number; false stops the reading. A line longer than
// kMaxPlaylistLineBytes comes undecoded, as a null view, so that a file of one line of a gigabyte
// is not held again as text.
using DecodedLineTaker = std::function<bool(QStringView line, qsizetype number)>;

// Hands over each non-blank line of a line-based playlist's bytes, without surrounding blanks,
// with its number (from 1, blank lines counted; CR LF, LF and CR each end a line). A byte-order
// mark decides the whole file; without one (or after UTF-8's), each line is decoded on its own: a
// line of valid UTF-8 as UTF-8, every other line in the 8-bit code page found over those lines, so
// that one line from another program can't turn the rest into mojibake. The lines are decoded one
// at a time, so that a large file is never held as a second, wider copy.
void ForEachDecodedLine(QByteArrayView bytes, const DecodedLineTaker& take);
