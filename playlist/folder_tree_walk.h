// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "playlist/playlist_entry.h"

class FilePatternSet;

// What a walk of a folder tree found: the playlist's entries for its files.
struct FolderTreeWalk {
    PlaylistEntries entries;
    // Folders whose contents couldn't be listed; their sub-folders are not reached either.
    QStringList unreadableFolders;
    // More matching files were there than the room allowed.
    bool stoppedAtLimit = false;
    bool cancelled = false;
};

// Called before each folder is read and every few thousand files with the count found so far and
// the folder being read; returning false stops the walk, which keeps what it found.
using FolderTreeProgress = std::function<bool(int foundSoFar, const QString& folder)>;

// Every matching file of the folder and its sub-folders, depth first: a folder's own files (in the
// file list's order), then each sub-folder (in the folder list's order) with everything below it.
// Hidden folders are left out, and a folder reached again through a link is read only once, so a
// link to a folder above it ends. At most `room` entries are taken.
FolderTreeWalk WalkFolderTree(const QString& root, const FilePatternSet& patterns, int room,
                              const FolderTreeProgress& progress = {});
