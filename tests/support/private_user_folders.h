// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Points every per-user folder that the program or Qt writes to (settings, data, state, runtime)
// into `root`, for this process and the programs it starts, so that no test or benchmark reads or
// changes the user's own. The folders are made; the runtime folder is private, as the system's is.
void UsePrivateUserFolders(const QString& root);

// The home and cache folders too, once per process, before Qt starts (it asks for the runtime
// folder at once): fonts settle where they keep their cache at the first text drawn, so these must
// outlive every test of the process.
void UsePrivateHome(const QString& root);
