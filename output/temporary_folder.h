// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "playlist/playlist_type.h"

// Where the temporary playlists handed to a player go. A portable copy (one that runs from a
// folder its user owns, outside the system's folders) keeps them in Temp beside the program, as
// it always has. Any other copy, an installed one above all, must not: /usr/bin/Temp belongs to
// no package, and a folder shared by the users of a machine lets one of them redirect another's
// playlist. Those use a private folder of the user's own.

// The system's folders: / itself and everything under /usr, /opt, /bin, /sbin, /lib, /lib32,
// /lib64, /etc and /var.
bool IsSystemFolder(const QString& folder);
bool IsPortableCopy(const QString& applicationFolder, uint folderOwner, uint user);

// $XDG_RUNTIME_DIR/lyrantel when the runtime folder is set, else lyrantel in the cache folder.
QString PrivateFolderPath(const QString& runtimeFolder, const QString& cacheFolder);
// The same for this process's environment.
QString PrivateFolderPath();

// Creates the folder (mode 0700) when it is missing, then checks it: a real folder, not a
// symbolic link, owned by the user, that no one else may write. Returns why it can't be used.
std::optional<QString> PreparePrivateFolder(const QString& folder);

struct TemporaryPlaylistResult {
    QString path;                    // the file written, or the one (or folder) that failed
    std::optional<QString> failure;  // the reason, for the message
};

// Writes the player form of a playlist to the type's temporary playlist. A portable copy tries
// Temp beside the program first and falls back to the private folder; files in the private
// folder are never written through a symbolic link.
TemporaryPlaylistResult WriteTemporaryPlaylist(const QString& applicationFolder, PlaylistType type,
                                               QStringView text);
