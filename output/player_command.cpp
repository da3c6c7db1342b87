#include "output/player_command.h"

#include "playlist/entry_path.h"

namespace {

QString temporaryFileName(PlaylistType type) {
    switch (type) {
        case M3U:
            return QStringLiteral("m3upl.m3u");
        case PLS:
            return QStringLiteral("plspl.pls");
        case WPL:
            return QStringLiteral("wplpl.wpl");
    }
    return {};
}

}  // namespace

QString TemporaryPlaylistFolder(const QString& baseFolder, QChar separator) {
    return JoinEntryPath(baseFolder, QStringLiteral("Temp"), separator);
}

QString TemporaryPlaylistPath(const QString& baseFolder, PlaylistType type, QChar separator) {
    return JoinEntryPath(TemporaryPlaylistFolder(baseFolder, separator), temporaryFileName(type),
                         separator);
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

QString PlayerStartFailedMessage(const QString& commandLine) {
    return QStringLiteral(
               "Не удалось запустить проигрыватель:\n%1\n\nПроверьте команду в окне «Настройки».")
        .arg(commandLine);
}
