// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct ProcessStartResult {
    bool started = false;
    QString failureReason;  // the system's own words, for the message
};

// Starts the program a command line names and returns at once, without waiting for it. On
// Windows the whole line goes to CreateProcessW and showWindowState to the new window (2 shows it
// minimized). Elsewhere the line is read by ParseCommandLine, the program found on PATH when it
// has no folder, and showWindowState has no meaning.
ProcessStartResult StartProcess(const QString& commandLine, int showWindowState);
