// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Positions and counts of the playlist are 16-bit signed, as players and stored files expect.
inline constexpr int kMaxPlaylistEntries = 32767;

inline const QString kPlaylistFullMessage =
    QStringLiteral("В списке воспроизведения может быть не больше 32767 записей.");
