// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "playlist/readers/playlist_readers.h"

class QWidget;

// Shorter than this a task is over before a progress window could be seen.
inline constexpr int kProgressBlinkMs = 300;

// Runs a read on a worker thread, so that a large playlist never freezes the window: it keeps
// painting throughout. During the first blink it takes no input; a read that lasts longer shows a
// progress window, modal to `parent`, whose "Отмена" gives up on the read. Nullopt when the user
// gave up (the worker then finishes on its own and its result is dropped).
std::optional<ReadResult> ReadWithProgress(QWidget* parent, const QString& label,
                                           std::function<ReadResult()> read);

// The same for any work: false when the user gave up. The work may then still be running, so
// whatever it writes to must be shared with it rather than owned by the caller.
bool RunWithProgress(QWidget* parent, const QString& label, std::function<void()> work);
