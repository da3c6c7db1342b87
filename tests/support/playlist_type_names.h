// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "playlist/playlist_type.h"

// Table rows name their playlist type and form in failure messages ("WPL", "Player"), so a
// failing row reads as the user would name it rather than as a number.
inline const char* NameOf(PlaylistType type) {
    switch (type) {
        case PlaylistType::M3U:
            return "M3U";
        case PlaylistType::PLS:
            return "PLS";
        case PlaylistType::WPL:
            return "WPL";
        case PlaylistType::XSPF:
            return "XSPF";
    }
    return "?";
}

inline const char* NameOf(PlaylistTarget target) {
    return target == PlaylistTarget::SaveFile ? "SaveFile" : "Player";
}

inline void PrintTo(PlaylistType type, std::ostream* out) {
    *out << NameOf(type);
}
inline void PrintTo(PlaylistTarget target, std::ostream* out) {
    *out << NameOf(target);
}
