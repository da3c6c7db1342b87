// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

// How many times the folder itself was opened (to be read) while `action` ran, as inotify reports
// it; the opening of what the folder holds is not counted. Linux alone.
int FolderOpensDuring(const QString& folder, const std::function<void()>& action);
