// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One entry of the playlist: a media file's folder and name, and what the playlist it came from
// said about it. A title and a length are kept only when a playlist carried them (an extended M3U's
// "#EXTINF:", a PLS's TitleN and LengthN), exactly as written: -1 is a stream's length, and an
// empty title is a title. Entries added from the file browser carry neither.
struct PlaylistEntry {
    QString folder;
    QString fileName;
    std::optional<QString> title;
    std::optional<int> seconds;

    bool operator==(const PlaylistEntry&) const = default;
};
using PlaylistEntries = QList<PlaylistEntry>;

// Entries of the file browser: each name in the same folder, carrying nothing.
PlaylistEntries EntriesInFolder(const QStringList& fileNames, const QString& folder);

// An entry's full path (its folder and name joined), as the details panel and the readers have it.
QString EntryPath(const PlaylistEntry& entry);
// The entry of a full path (split at its last separator), carrying nothing.
PlaylistEntry EntryOfPath(const QString& path);

// What a tooltip or a screen reader says about an entry besides its name: "Radio Paradise",
// "Artist - Title (3:33)", "(1:02:03)"; empty when it carries nothing. A length of 0 or less
// (unknown, a stream) is not shown.
QString EntryInfoText(const PlaylistEntry& entry);
