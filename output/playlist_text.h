// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QDir>
#include <QString>

#include "playlist/playlist_entry.h"
#include "playlist/playlist_type.h"

// Appends the lines of a playlist text of the given type and form to the buffer, every line ending
// in CR LF. The title appears only in WPL and XSPF, whose texts are escaped so that the file is
// plain-ASCII XML. An entry the text can't hold as it is (a control character in a line, a name's
// bytes that aren't UTF-8) is written as the percent-escaped URI of the same file; XSPF writes
// every local entry so.
//
// A saved M3U or PLS gives each entry the title and length it carries, and the fixed "?-?" and 0
// where it carries none; control characters in a title become blanks, so that a title can't start
// a line. The players' forms and WPL have no such lines. XSPF, the same in both forms, gives an
// entry's title and length only where it carries them.
void AppendPlaylistLines(QString& buffer, PlaylistType type, PlaylistTarget target,
                         const PlaylistEntries& entries, const QString& title,
                         QChar separator = QDir::separator());

// The playlist kept between runs: an extended M3U with every entry's title and length, and the
// playlist's name on a "#PLAYLIST:" line.
void AppendKeptPlaylistLines(QString& buffer, const PlaylistEntries& entries, const QString& name);
