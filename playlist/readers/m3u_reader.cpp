// SPDX-License-Identifier: MIT
#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/readers/text_decoding.h"

// Every line is an entry except comments: "#EXTM3U", "#EXTINF:..." and any other "#" line.
ReadResult ReadM3u(const QByteArray& bytes, const QString& playlistFolder) {
    const QString text = DecodePlaylistBytes(bytes);
    if (LooksBinary(text)) return ReadFailure(NotAPlaylistOfType(u"M3U"));
    PlaylistContents contents;
    for (const QString& line : PlaylistLines(text)) {
        if (!line.startsWith(u'#')) AppendEntry(contents, line, playlistFolder);
    }
    return {std::move(contents), QString()};
}
