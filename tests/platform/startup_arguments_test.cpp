// SPDX-License-Identifier: MIT
#include "platform/startup_arguments.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

TEST(StartupArguments, ReadsPathsHelpVersionAndRefusesUnknownOptions) {
    using Action = StartupRequest::Action;
    const struct {
        const char* name;
        QStringList arguments;
        Action action;
        QStringList paths;
        QString textStart;  // the printed text begins with this
    } rows[] = {
        {"nothing", {}, Action::Run, {}, {}},
        {"relative and absolute paths, in order",
         {"b.m3u", "/music/a b.mp3", "../x/./Music"},
         Action::Run,
         {"/home/u/b.m3u", "/music/a b.mp3", "/home/x/Music"},
         {}},
        {"a name that looks like an option after --",
         {"--", "-a.mp3"},
         Action::Run,
         {"/home/u/-a.mp3"},
         {}},
        {"version", {"--version"}, Action::Print, {}, "Lyrantel 1.0\n"},
        {"help", {"--help"}, Action::Print, {}, "Usage: lyrantel [options] [FILE|FOLDER]...\n"},
        {"unknown option", {"--bogus"}, Action::Fail, {}, "Unknown option 'bogus'."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const StartupRequest request = ReadStartupArguments(row.arguments, "/home/u");
        EXPECT_EQ(request.action, row.action);
        EXPECT_EQ(request.paths, row.paths);
        EXPECT_TRUE(request.text.startsWith(row.textStart)) << request.text.toStdString();
    }
}

// The usage, and every key of the window with the command it runs, two blanks apart at least
// (the man page made from this text needs them to tell the columns apart).
TEST(StartupArguments, HelpListsTheKeys) {
    const QString help = ReadStartupArguments({"-h"}, "/").text;
    EXPECT_TRUE(help.contains("[options] [FILE|FOLDER]..."));
    const std::pair<const char*, const char*> keys[] = {
        {"Ctrl+N", "Новый"},
        {"Ctrl+O", "Открыть"},
        {"Ctrl+S", "Сохранить"},
        {"Ctrl+Q", "Выход"},
        {"Insert, Enter", ">"},
        {"Ctrl+Enter", ">>"},
        {"Delete", "<"},
        {"Ctrl+Delete", "<<"},
        {"Ctrl+Up, Ctrl+Down", "move"},
        {"Ctrl+Shift+N", "sort"},
        {"Ctrl+Shift+P", "sort"},
        {"Ctrl+Shift+R", "shuffle"},
        {"Ctrl+Shift+D", "remove"},
        {"Ctrl+Shift+M", "remove"},
        {"Ctrl+Z", "undo"},
        {"Ctrl+Shift+Z, Ctrl+Y", "redo"},
        {"Ctrl+Shift+S", "save"},
        {"Ctrl+Shift+T", "bring back"},
        {"Ctrl+Alt+S", "save with"},
        {"F2", "Настройки"},
        {"F1", "О программе"},
    };
    for (const auto& [key, command] : keys) {
        const QRegularExpression line(
            QStringLiteral("\\n  %1  +%2")
                .arg(QRegularExpression::escape(key),
                     QRegularExpression::escape(QString::fromUtf8(command))));
        EXPECT_TRUE(help.contains(line)) << key;
    }
}
