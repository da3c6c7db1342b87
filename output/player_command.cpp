// SPDX-License-Identifier: MIT
#include "output/player_command.h"

#include <algorithm>

#include "playlist/entry_path.h"

QString TemporaryPlaylistFolder(const QString& baseFolder, QChar separator) {
    return JoinEntryPath(baseFolder, QStringLiteral("Temp"), separator);
}

QString TemporaryPlaylistFileName(PlaylistType type) {
    // "m3upl.m3u", "plspl.pls", "wplpl.wpl"
    const QString extension = PlaylistExtension(type);
    return extension + QStringLiteral("pl.") + extension;
}

QString TemporaryPlaylistPath(const QString& baseFolder, PlaylistType type, QChar separator) {
    return JoinEntryPath(TemporaryPlaylistFolder(baseFolder, separator),
                         TemporaryPlaylistFileName(type), separator);
}

QString CommandLinePath(const QString& path) {
    // Without one of these characters the path is a single argument as it stands, and its
    // backslashes are literal.
    const bool needsQuotes =
        path.isEmpty() || std::any_of(path.begin(), path.end(), [](QChar c) {
            return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'"';
        });
    if (!needsQuotes) return path;
    // Inside quotes, backslashes are literal except before a quote: n of them followed by a quote
    // become 2n and an escaped quote, and the ones before the closing quote are doubled.
    QString quoted = QStringLiteral("\"");
    qsizetype backslashes = 0;
    for (const QChar c : path) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') backslashes = backslashes * 2 + 1;
        quoted += QString(backslashes, u'\\') + c;
        backslashes = 0;
    }
    return quoted + QString(backslashes * 2, u'\\') + u'"';
}

QString WinAmpCommandLine(const QString& command, const QString& playlistPath) {
    return command + CommandLinePath(playlistPath);
}

QString MediaPlayerCommandLine(const QString& command, const QString& playlistPath) {
    return command + QStringLiteral(" /Open ") + CommandLinePath(playlistPath);
}

QString OtherPlayerCommandLine(const QString& command, const QString& playlistPath) {
    return command + u' ' + CommandLinePath(playlistPath);
}

QString TemporaryPlaylistFailedMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать временный список воспроизведения\n%1\n\n%2")
        .arg(path, reason);
}

QString PlayerStartFailedMessage(const QString& commandLine, const QString& reason) {
    return QStringLiteral(
               "Не удалось запустить проигрыватель:\n%1\n\n%2\n\nПроверьте команду в окне "
               "«Настройки».")
        .arg(commandLine, reason);
}
