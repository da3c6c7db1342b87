// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "output/text_encoding.h"

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
    // What became of the file's earlier contents.
    enum class Earlier {
        Replaced,    // by the whole of the new bytes
        Untouched,   // nothing was written: the file could not be opened or read
        Restored,    // the write failed half-way and they were written back
        Unrestored,  // the write failed half-way and so did writing them back: see earlierText
    };
    Earlier earlier = Earlier::Replaced;
    std::optional<QString> failure;  // the system's reason; nothing when the bytes are written
    QByteArray earlierText;          // for Unrestored: to be kept elsewhere
};

// Writes the source's bytes over the file's contents, keeping its inode. The earlier contents are
// read first and written back when the write fails half-way (a full disk usually has room for them
// again, since they took no more space than they had).
InPlaceWriteResult WriteInPlace(const QString& path, const BytesSource& source);
#endif
