// SPDX-License-Identifier: MIT
#include "playlist/playlist_limits.h"

#include "playlist/file_name_codec.h"

bool IsEntryWithinLimit(QStringView entry) {
    // Each UTF-16 unit is 1 to 3 bytes on disk, so most entries are settled without encoding them.
    if (entry.size() > kMaxEntryBytes) return false;
    if (entry.size() * 3 <= kMaxEntryBytes) return true;
    return EncodeFileName(entry).size() <= kMaxEntryBytes;
}
