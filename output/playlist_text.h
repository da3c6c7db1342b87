#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

// The index of the type selector: the numbers are what the selector and stored settings hold.
enum PlaylistType { M3U = 0, PLS = 1, WPL = 2 };

// SaveFile is the text the Save command writes; Player is the shorter text handed to a player.
enum class PlaylistTarget { SaveFile, Player };

// Appends the lines of a playlist text of the given type and form to the buffer, every line ending
// in CR LF. Entry i is folders[i] joined with fileNames[i]; both lists have the same length. The
// title appears only in WPL, whose paths and title are escaped so that the file is plain-ASCII XML.
void AppendPlaylistLines(QString& buffer, PlaylistType type, PlaylistTarget target,
                         const QStringList& folders, const QStringList& fileNames,
                         const QString& title, QChar separator = QDir::separator());

// The file extension of a type: "m3u", "pls", "wpl".
QString PlaylistExtension(PlaylistType type);

// The type a playlist file holds, by its extension in any case (".m3u8" is M3U too); none for a
// file that isn't a playlist.
std::optional<PlaylistType> PlaylistTypeOfFile(const QString& path);

// The Save dialog's filter for the type, a description and a pattern: "M3U|*.m3u".
QString PlaylistSaveFilter(PlaylistType type);
