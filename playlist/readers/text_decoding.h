// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Text that is valid UTF-8 is UTF-8; anything else was written in an 8-bit code page: on Windows
// the system's ANSI code page, elsewhere the one EightBitCodePageOf finds.
QString DecodeText(QByteArrayView bytes);

// The bytes after a UTF-8 byte-order mark, or all of them when there is none.
QByteArrayView WithoutUtf8Mark(QByteArrayView bytes);

// Whether the bytes start with a byte-order mark of UTF-8, UTF-16 or UTF-32 (either byte order).
bool StartsWithUnicodeMark(QByteArrayView bytes);

// A line-based playlist's text. A byte-order mark decides the whole file; without one (or after
// UTF-8's), each line is decoded on its own: a line of valid UTF-8 as UTF-8, every other line in
// the 8-bit code page found over those lines, so that one line from another program can't turn
// the rest into mojibake.
QString DecodePlaylistBytes(QByteArrayView bytes);

// The non-blank lines, without surrounding blanks, whatever the line ends (CR LF, LF or CR).
QStringList PlaylistLines(const QString& text);
