#pragma once

#include <QString>

// Starts the program a command line names and returns at once, without waiting for it. On
// Windows the whole line goes to CreateProcessW and showWindowState to the new window (2 shows it
// minimized). Elsewhere the line is read by ParseCommandLine, the program found on PATH when it
// has no folder, and showWindowState has no meaning. False, with the reason in *error, when
// nothing could be started.
bool StartProcess(const QString& commandLine, int showWindowState, QString* error = nullptr);
