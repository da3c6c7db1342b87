#include "output/player_command.h"

#include "playlist/entry_path.h"

QString TemporaryPlaylistFolder(const QString& baseFolder, QChar separator) {
    return JoinEntryPath(baseFolder, QStringLiteral("Temp"), separator);
}

QString TemporaryPlaylistPath(const QString& baseFolder, PlaylistType type, QChar separator) {
    // "m3upl.m3u", "plspl.pls", "wplpl.wpl"
    const QString extension = PlaylistExtension(type);
    return JoinEntryPath(TemporaryPlaylistFolder(baseFolder, separator),
                         extension + QStringLiteral("pl.") + extension, separator);
}

QString CommandLinePath(const QString& path) {
    if (path.contains(u' ') || path.contains(u'\t')) return u'"' + path + u'"';
    return path;
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
