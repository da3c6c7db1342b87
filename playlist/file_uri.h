// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// Whether a playlist text can't hold the entry as it is written: a line-based one (M3U, PLS) can't
// hold CR, LF or another C0 control but tab; XML (WPL) holds tab, CR and LF as character
// references but no other C0 control. Neither can hold a name's raw bytes that aren't UTF-8 (on
// POSIX; a Windows name is UTF-16 already). Such an entry is written as a percent-escaped URI.
enum class EntryTextForm { Lines, Xml };
bool NeedsEscapedUri(QStringView entry, EntryTextForm form);

// Whether the text can hold the entry of this folder and name only as a percent-escaped URI: where
// either part needs one, and in a line-based text where the name ends in a blank, which every
// reader trims off with the line's end.
bool NeedsEscapedEntry(QStringView folder, QStringView fileName, EntryTextForm form);

// Whether common players misread the absolute local path of this folder and name written as it
// is: they take a "#" for the start of a fragment, a "%" for an escape, and lose a blank that
// starts the name. Such an entry, too, is written as a percent-escaped URI, which every player
// reads as the one file. Addresses and relative paths are not concerned.
bool IsMisreadAsPlainPath(QStringView folder, QStringView fileName);

// The entry as a URI that players resolve to the same file: a local path becomes a "file://" URI of
// its bytes on disk with everything but unreserved characters and "/" percent-escaped
// ("/a\nb.mp3" -> "file:///a%0Ab.mp3", "D:\x.mp3" -> "file:///D:/x.mp3", "\\srv\s\x" ->
// "file://srv/s/x"). An address keeps its form and only the characters a line can't hold are
// escaped.
QString EscapedUriOfEntry(QStringView entry);
// The same URI appended to a text, without a string of its own.
void AppendEscapedUriOfEntry(QString& text, QStringView entry);
