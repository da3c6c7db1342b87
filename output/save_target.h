// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// What is at the path a playlist is saved to, looked at once before anything is written.
struct SaveTarget {
    bool exists = false;
    // Why anything but a regular file (or a symbolic link to one) is refused: see regular_file.h.
    std::optional<QString> notARegularFile;
    bool folderWritable = true;  // the folder of the file itself, after symbolic links
    quint64 links = 1;
    uint owner = 0;
    uint group = 0;
    uint groupOfNewFile = 0;  // what a file made in its folder now would get
    // Attributes a new file would not carry over: access control lists, the user's own.
    bool extendedAttributes = false;
};

// How a playlist goes over an existing file. Replacing it with a finished new file is atomic, but
// the new file is a new inode: a hard link stops being shared, the owner becomes the saver, the
// group the saver's (a file shared with a group would be taken from it), access control lists
// are dropped, and it needs a folder the user can write. Where that would change what the file
// is, it is written in place instead.
enum class SaveMethod { Replace, InPlace };

SaveMethod ChooseSaveMethod(const SaveTarget& target, uint user);

// The target as the system sees it now (on Windows: whether it is a regular file; a file there is
// always replaced).
SaveTarget InspectSaveTarget(const QString& path);
uint CurrentUser();
