#pragma once

#include <QDir>
#include <QString>

#include "playlist/playlist_type.h"

// The temporary playlist handed to a player: one fixed file per type in the Temp folder of a base
// folder (the application's, or the user's temporary folder when that can't be written).
QString TemporaryPlaylistFolder(const QString& baseFolder, QChar separator = QDir::separator());
QString TemporaryPlaylistPath(const QString& baseFolder, PlaylistType type,
                              QChar separator = QDir::separator());

// The playlist's path as it goes on a command line: in double quotes when it holds a blank or a
// tab, which would otherwise split it into two arguments; else unchanged.
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
