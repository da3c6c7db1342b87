// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <QStringList>

#include "playlist/playlist_type.h"

// Appends the lines of a playlist text of the given type and form to the buffer, every line ending
// in CR LF. Entry i is folders[i] joined with fileNames[i]; both lists have the same length. The
// title appears only in WPL, whose paths and title are escaped so that the file is plain-ASCII XML.
// An entry the text can't hold as it is (a control character in a line, a name's bytes that
// aren't UTF-8) is written as the percent-escaped URI of the same file.
//
// With `entryTitles` (one per entry), a saved M3U or PLS gives each entry its length in seconds and
// its title where the plain form writes 0 and "?-?"; control characters in a title become blanks,
// so that a tag can't start a line. WPL has no such lines.
struct EntryTitle {
    int seconds = 0;
    QString title;
};
void AppendPlaylistLines(QString& buffer, PlaylistType type, PlaylistTarget target,
                         const QStringList& folders, const QStringList& fileNames,
                         const QString& title, QChar separator = QDir::separator(),
                         const QList<EntryTitle>* entryTitles = nullptr);
