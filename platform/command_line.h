// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLine {
    QString program;
    QStringList arguments;
};

// Reads a command line the way Windows does, so a player command means the same on every system.
// The program is the text up to the closing double quote when the line begins with one (what
// follows the quote begins the arguments, even without a blank), else up to the first blank or
// tab. The rest is split into arguments by the Microsoft C runtime's rules: blanks and tabs
// separate; double quotes group and are removed; "" inside quotes is one quote; 2n backslashes
// before a quote are n backslashes, 2n+1 are n and a literal quote; other backslashes are kept.
// No program (empty line, blanks only, "") gives nullopt.
std::optional<CommandLine> ParseCommandLine(const QString& line);
