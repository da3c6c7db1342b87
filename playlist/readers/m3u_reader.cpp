// SPDX-License-Identifier: MIT
#include <utility>

#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"

namespace {

// "#EXTINF:<length>[ attributes],<title>": the title is everything after the first comma outside
// the attributes' quotes, commas and all; a line without that comma gives only the length.
CarriedInfo ParseExtInf(QStringView value) {
    bool quoted = false;
    qsizetype comma = -1;
    for (qsizetype i = 0; i < value.size() && comma < 0; ++i) {
        if (value[i] == u'"')
            quoted = !quoted;
        else if (value[i] == u',' && !quoted)
            comma = i;
    }
    const QStringView head = comma < 0 ? value : value.first(comma);
    // The length ends at the first blank, where attributes ("tvg-id=...") may follow.
    const qsizetype blank = head.trimmed().indexOf(u' ');
    const QStringView length = blank < 0 ? head.trimmed() : head.trimmed().first(blank);
    CarriedInfo info{std::nullopt, ParseSeconds(length)};
    if (comma >= 0) info.title = value.sliced(comma + 1).toString();
    return info;
}

}  // namespace

// Every line is an entry except comments: "#EXTM3U", "#EXTINF:..." and any other "#" line.
// "#EXTINF:" gives the next entry its length and title; "#PLAYLIST:" names the playlist.
ReadResult ReadM3u(const QByteArray& bytes, const QString& playlistFolder) {
    PlaylistContents contents;
    CarriedInfo pending;
    const PlaylistLines lines =
        ForEachPlaylistLine(bytes, contents, [&](QStringView line, qsizetype number) {
            if (line.startsWith(u"#EXTINF:", Qt::CaseInsensitive)) {
                pending = ParseExtInf(line.sliced(8));
            } else if (line.startsWith(u"#PLAYLIST:", Qt::CaseInsensitive)) {
                contents.title = line.sliced(10).trimmed().toString();
            } else if (!line.startsWith(u'#')) {
                AppendEntry(contents, line, playlistFolder, number, std::exchange(pending, {}));
            }
        });
    if (lines == PlaylistLines::Binary) return ReadFailure(NotAPlaylistOfType(u"M3U"));
    return {std::move(contents), QString()};
}
