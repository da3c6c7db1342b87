#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

struct EncodedText {
    QByteArray bytes;
    // Some characters had no place in the encoding and were replaced: by "?", in UTF-8 by U+FFFD.
    bool charactersReplaced = false;
    // The system's reason when it could not encode the text at all: then there is nothing to write.
    std::optional<QString> failureReason;
};

// The bytes of a playlist file: on Windows the system's ANSI code page, which is what players
// there read; elsewhere UTF-8 without a byte-order mark, as file names there are UTF-8 and the
// players read 8-bit playlists as raw bytes (one of them would read a byte-order mark as an entry).
EncodedText EncodePlaylistText(QStringView text);
