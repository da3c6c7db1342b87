// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <ostream>

#include "playlist/playlist_entry.h"

// The entries' names, folders or full paths, for comparisons with what a test expects.
inline QStringList FileNamesOf(const PlaylistEntries& entries) {
    QStringList names;
    for (const PlaylistEntry& entry : entries) names.append(entry.fileName);
    return names;
}
inline QStringList FoldersOf(const PlaylistEntries& entries) {
    QStringList folders;
    for (const PlaylistEntry& entry : entries) folders.append(entry.folder);
    return folders;
}
inline QStringList PathsOf(const PlaylistEntries& entries) {
    QStringList paths;
    for (const PlaylistEntry& entry : entries) paths.append(EntryPath(entry));
    return paths;
}

// Entries carrying nothing, from names and their folders (lists of the same length).
inline PlaylistEntries EntriesOf(const QStringList& fileNames, const QStringList& folders) {
    PlaylistEntries entries;
    for (qsizetype i = 0; i < fileNames.size(); ++i)
        entries.append({folders[i], fileNames[i], {}, {}});
    return entries;
}

// How GoogleTest shows an entry: folder | name | title | seconds.
inline void PrintTo(const PlaylistEntry& entry, std::ostream* out) {
    *out << '{' << entry.folder.toStdString() << " | " << entry.fileName.toStdString() << " | "
         << (entry.title ? '"' + entry.title->toStdString() + '"' : std::string("no title"))
         << " | " << (entry.seconds ? std::to_string(*entry.seconds) : std::string("no length"))
         << '}';
}
