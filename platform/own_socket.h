// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// Where a local socket of the program lies, as far as this user can trust it.
enum class SocketPlace {
    Free,     // the folder is safe and no socket is there yet
    Own,      // the folder is safe and the socket there is this user's
    Foreign,  // another user could listen there: nothing may be handed to it, nor taken from it
};

// A socket is this user's when it is a socket file (not a link) that the user owns, in a folder
// that is the user's or root's and that no one else can write to, unless the sticky bit keeps
// others from removing or renaming what they don't own (as in /tmp).
SocketPlace CheckSocketPlace(const QString& path);

// Whether the process listening at the other end of a connected socket runs as this user: the
// socket's file may be swapped after it was looked at, the connection can't.
bool PeerIsThisUser(qintptr socketDescriptor);
