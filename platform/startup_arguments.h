// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for: `lyrantel [FILE|FOLDER]...`, `--help`, `--version`.
struct StartupRequest {
    enum class Action {
        Run,    // open a window with `paths`
        Print,  // print `text` to standard output and end without a window
        Fail,   // print `text` to standard error and end with an error
    };
    Action action = Action::Run;
    QString text;
    // The arguments as absolute paths, in the order given; what each one is decides the window.
    QStringList paths;
};

// Reads the arguments after the program's name; relative paths are taken from the working folder.
StartupRequest ReadStartupArguments(const QStringList& arguments, const QString& workingFolder);

// The keys of the window's commands, as `--help` and the README list them.
extern const char* const kCommandKeysText;
