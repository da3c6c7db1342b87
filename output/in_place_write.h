// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "output/text_encoding.h"

// How a playlist goes over an existing file. Replacing it with a finished new file is atomic, but
// the new file is a new inode: a hard link stops being shared, the owner becomes the saver, and
// it needs a folder the user can write. Where that would change the file's identity it is written
// in place instead.
enum class SaveMethod { Replace, InPlace };

struct SaveTarget {
    bool exists = false;
    bool folderWritable = true;  // the folder of the file itself, after symbolic links
    quint64 links = 1;
    uint owner = 0;
};

SaveMethod ChooseSaveMethod(const SaveTarget& target, uint user);

// The target as the system sees it now (on Windows one that is always replaced).
SaveTarget InspectSaveTarget(const QString& path);
uint CurrentUser();

// The bytes to write, handed piece by piece to the sink as they are made. Returns the reason when
// they stopped for one of their own (not when the sink refused a piece: the writer knows why).
using BytesSource = std::function<std::optional<QString>(const EncodedBytesSink&)>;

// Bytes that are there already, in one piece; they must outlive the source.
inline BytesSource SourceOf(const QByteArray& bytes) {
    return [&bytes](const EncodedBytesSink& sink) {
        sink(bytes);
        return std::optional<QString>();
    };
}

#ifdef Q_OS_UNIX
struct InPlaceWriteResult {
    std::optional<QString> failure;  // the system's reason; nothing when the bytes are written
    // When a failed write could not be undone: the earlier contents, to be kept elsewhere.
    std::optional<QByteArray> unrestoredEarlierText;
};

// Writes the source's bytes over the file's contents, keeping its inode. The earlier contents are
// read first and written back when the write fails half-way (a full disk usually has room for them
// again, since they took no more space than they had).
InPlaceWriteResult WriteInPlace(const QString& path, const BytesSource& source);
#endif
