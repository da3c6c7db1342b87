// SPDX-License-Identifier: MIT
#include "platform/startup_arguments.h"

#include <QCommandLineParser>
#include <QDir>

#include "platform/app_info.h"

const char* const kCommandKeysText =
    "Keys (the playlist's and the folder list's commands are also in their context menus):\n"
    "  Ctrl+N              Новый\n"
    "  Ctrl+O              Открыть\n"
    "  Ctrl+S              Сохранить\n"
    "  Ctrl+Q              Выход\n"
    "  Insert, Enter       > (in the file list)\n"
    "  Ctrl+Enter          >>\n"
    "  Shift, Ctrl, Ctrl+A select several entries of the playlist\n"
    "  Delete              < (in the playlist)\n"
    "  Ctrl+Delete         <<\n"
    "  Ctrl+Up, Ctrl+Down  move the selected entries\n"
    "  Ctrl+F, F3          find entries in the playlist, the next one\n"
    "  Ctrl+Shift+N        sort the playlist by name\n"
    "  Ctrl+Shift+I        sort the playlist by title (by name where there is none)\n"
    "  Ctrl+Shift+P        sort the playlist by path\n"
    "  Ctrl+Shift+R        shuffle the playlist\n"
    "  Ctrl+Shift+D        remove repeated entries\n"
    "  Ctrl+Shift+M        remove entries whose file is missing\n"
    "  Ctrl+Z              undo the last change of the playlist\n"
    "  Ctrl+Shift+Z, Ctrl+Y  redo it\n"
    "  Ctrl+Shift+S        save for moving: entries relative to the playlist's folder\n"
    "  Ctrl+Alt+S          save with each entry's length and title read from its tags\n"
    "  Ctrl+Shift+T        bring back the playlist of the last run\n"
    "  Ctrl+1, 2, 3        Media Player, WinAmp, Др. проигрыв.\n"
    "  Insert              Добавить папку (in the folder list)\n"
    "  Shift+Insert        Добавить с подпапками (in the folder list)\n"
    "  F2                  Настройки\n"
    "  F1                  О программе\n";

StartupRequest ReadStartupArguments(const QStringList& arguments, const QString& workingFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Composes media playlists (M3U, PLS, WPL, XSPF).\n\n"
            "A playlist file (.m3u, .m3u8, .pls, .wpl, .xspf) is opened, media files are "
            "added to the playlist,\na folder is shown in the file browser.\n\n") +
        QString::fromUtf8(kCommandKeysText));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE|FOLDER"),
                                 QStringLiteral("Playlists, media files or a folder to open."),
                                 QStringLiteral("[FILE|FOLDER]..."));

    StartupRequest request;
    // The program's name comes first, as in argv.
    if (!parser.parse(QStringList{kProgramName} + arguments)) {
        request.action = StartupRequest::Action::Fail;
        request.text = parser.errorText() + u'\n';
        return request;
    }
    if (parser.isSet(help)) {
        request.action = StartupRequest::Action::Print;
        // The usage line names the executable as it was started; the help names the command.
        const QString help = parser.helpText();
        request.text =
            QStringLiteral("Usage: ") + kProgramName + help.mid(help.indexOf(u" [options]"));
        return request;
    }
    if (parser.isSet(version)) {
        request.action = StartupRequest::Action::Print;
        request.text = kApplicationTitle + u' ' + kApplicationVersion + u'\n';
        return request;
    }
    const QDir working(workingFolder);
    for (const QString& argument : parser.positionalArguments())
        request.paths.append(QDir::cleanPath(working.absoluteFilePath(argument)));
    return request;
}
