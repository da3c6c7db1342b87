#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Text that is valid UTF-8 is UTF-8; anything else was written in the system's 8-bit code page:
// the ANSI code page on Windows, elsewhere Windows-1251, in which Russian-language Windows writes
// these files.
QString DecodeText(QByteArrayView bytes);

// The whole file's text: DecodeText after a UTF-8 byte-order mark, if there is one.
QString DecodePlaylistBytes(QByteArrayView bytes);

// The non-blank lines, without surrounding blanks, whatever the line ends (CR LF, LF or CR).
QStringList PlaylistLines(const QString& text);
