// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

// Takes the encoded bytes piece by piece, in order; false stops the encoding.
using EncodedBytesSink = std::function<bool(QByteArrayView)>;

struct EncodingResult {
    // Some characters had no place in the encoding and were replaced: by "?", in UTF-8 by U+FFFD.
    bool charactersReplaced = false;
    // The system's reason when it could not encode a piece of the text: what the sink has taken
    // is then not the whole text.
    std::optional<QString> failureReason;
};

// How much text is encoded at a time: a save holds the composed text and one piece's bytes, not
// a second copy of the whole file.
inline constexpr qsizetype kEncodingPieceLength = qsizetype{512} * 1024;  // 1 MiB of UTF-16

// The bytes of a playlist file: on Windows the system's ANSI code page, which is what players
// there read; elsewhere UTF-8 without a byte-order mark, as file names there are UTF-8 and the
// players read 8-bit playlists as raw bytes (one of them would read a byte-order mark as an entry).
// The text goes to the sink a piece at a time, never split inside a surrogate pair. Returns false
// when the encoding stopped before the end: the sink refused a piece, or result.failureReason says
// why a piece could not be encoded.
// The program's own files (the playlist kept between runs) are UTF-8 everywhere, so that they hold
// every name.
enum class PlaylistEncoding { System, Utf8 };
bool EncodePlaylistText(QStringView text, const EncodedBytesSink& sink, EncodingResult& result,
                        PlaylistEncoding encoding = PlaylistEncoding::System);
