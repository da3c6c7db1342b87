#pragma once

#include <QByteArray>
#include <QStringView>

struct EncodedText {
    QByteArray bytes;
    // Some characters had no place in the encoding and were written as "?".
    bool charactersReplaced = false;
};

// The bytes of a playlist file: on Windows the system's ANSI code page, which is what players
// there read; elsewhere UTF-8 without a byte-order mark, as file names there are UTF-8 and the
// players read 8-bit playlists as raw bytes (one of them would read a byte-order mark as an entry).
EncodedText EncodePlaylistText(QStringView text);
