// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// Why the path can't be read or written as a playlist file although something is there: a named
// pipe, a device, a socket or a folder, found before anything opens it (opening a pipe would
// wait until another program opens its other end, and the window would freeze meanwhile). A
// regular file, a symbolic link to one, or nothing at the path gives nullopt.
std::optional<QString> NotARegularFileReason(const QString& path);
#ifdef Q_OS_UNIX
// The same for a file type and mode that stat gave.
std::optional<QString> NotARegularFileReasonOfMode(unsigned mode);
#endif

// The size of the regular file (or the file a link points to) at the path; nullopt for anything
// else or nothing. Reaches names whose bytes aren't UTF-8 too.
std::optional<qint64> RegularFileSize(const QString& path);

// Whether anything (a file, a folder, a link to either) is at the path.
bool PathExists(const QString& path);
