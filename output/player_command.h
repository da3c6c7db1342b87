// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QString>

#include "playlist/playlist_type.h"

// The temporary playlist handed to a player: one fixed file name per type, in the Temp folder of
// the application folder or in the user's private folder (see temporary_folder.h).
QString TemporaryPlaylistFileName(PlaylistType type);
QString TemporaryPlaylistFolder(const QString& baseFolder, QChar separator = QDir::separator());
QString TemporaryPlaylistPath(const QString& baseFolder, PlaylistType type,
                              QChar separator = QDir::separator());

// The playlist's path as it goes on a command line, so that the Microsoft C runtime's rules (which
// ParseCommandLine follows on every system) give it back exactly as one argument: unchanged when
// it holds no blank, tab, line break or double quote; else in double quotes, with its quotes and
// the backslashes before them escaped.
QString CommandLinePath(const QString& path);

// The command lines of the three players: WinAmp's command glued to the path, Media Player's with
// " /Open " between, the other player's with one blank.
QString WinAmpCommandLine(const QString& command, const QString& playlistPath);
QString MediaPlayerCommandLine(const QString& command, const QString& playlistPath);
QString OtherPlayerCommandLine(const QString& command, const QString& playlistPath);

inline const QString kNotM3uOrPlsMessage = QStringLiteral("Not M3U or PLS PL type");
inline const QString kNotWplMessage = QStringLiteral("Not WPL PL type");

QString TemporaryPlaylistFailedMessage(const QString& path, const QString& reason);
// The command line, the system's reason and where to mend the command.
QString PlayerStartFailedMessage(const QString& commandLine, const QString& reason);
inline const QString kNoPlayerCommandReason = QStringLiteral("Команда проигрывателя не задана.");
