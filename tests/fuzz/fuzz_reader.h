// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "playlist/readers/playlist_readers.h"

// Feeds one input to a reader and checks what every result must hold: contents or a reason,
// never both, and only absolute entries (or addresses kept as written).
inline int FuzzReader(ReadResult (*read)(const QByteArray&, const QString&), const uint8_t* data,
                      size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ReadResult result = read(bytes, QStringLiteral("/home/u/Lists"));
    if (result.contents.has_value() == !result.error.isEmpty()) std::abort();
    if (result.contents) {
        for (const PlaylistEntry& read : result.contents->entries) {
            const QString entry = EntryPath(read);
            const bool absolute = entry.startsWith(u'/') || entry.startsWith(u'\\') ||
                                  (entry.size() >= 2 && entry[1] == u':') || entry.contains(u"://");
            if (entry.isEmpty() || !absolute) std::abort();
        }
    }
    return 0;
}
