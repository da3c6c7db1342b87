// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>

#include "playlist/playlist_type.h"

// The folders of a playlist that still works when its folder moves with the music (to another
// disk, another computer, a phone): each local entry's folder relative to the folder the playlist
// is saved in ("", "Music", "../Music"; with "\" on Windows). Kept as they are: addresses, entries
// on another drive (which no relative path reaches), and entries the text would have to write as
// an escaped URI, which can only be absolute.
QStringList FoldersRelativeTo(const QStringList& folders, const QStringList& fileNames,
                              const QString& playlistFolder, PlaylistType type,
                              const std::function<bool(const QString& folder)>& onPlaylistsDrive,
                              QChar separator = QDir::separator());
