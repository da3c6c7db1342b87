// SPDX-License-Identifier: MIT
#include <algorithm>
#include <vector>

#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"
#include "playlist/readers/text_decoding.h"

namespace {

struct NumberedFile {
    QStringView number;  // digits without leading zeros, so no number is too long to compare
    QString value;
};

bool ComesBefore(const NumberedFile& a, const NumberedFile& b) {
    if (a.number.size() != b.number.size()) return a.number.size() < b.number.size();
    return a.number < b.number;
}

bool IsAllDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// "[playlist]" in any case, blanks allowed inside the brackets.
std::optional<bool> SectionIsPlaylist(QStringView line) {
    if (!line.startsWith(u'[') || !line.endsWith(u']')) return std::nullopt;
    return line.sliced(1, line.size() - 2).trimmed().compare(u"playlist", Qt::CaseInsensitive) == 0;
}

}  // namespace

// The FileN keys of the [playlist] section in the order of N. NumberOfEntries is not trusted:
// files in the wild give it wrong, too high or not at all, and leave gaps in the numbers.
// Where a number repeats, its first key counts, as with Windows' own INI reading.
ReadResult ReadPls(const QByteArray& bytes, const QString& playlistFolder) {
    const QString text = DecodePlaylistBytes(bytes);
    if (LooksBinary(text)) return ReadFailure(NotAPlaylistOfType(u"PLS"));
    const QStringList lines = PlaylistLines(text);
    if (lines.isEmpty()) return {PlaylistContents(), QString()};

    bool hasPlaylistSection = false;
    bool inPlaylistSection = false;
    std::vector<NumberedFile> files;
    for (const QString& line : lines) {
        if (const std::optional<bool> isPlaylist = SectionIsPlaylist(line)) {
            inPlaylistSection = *isPlaylist;
            hasPlaylistSection = hasPlaylistSection || inPlaylistSection;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inPlaylistSection || equals < 0) continue;
        const QStringView key = QStringView(line).first(equals).trimmed();
        if (!key.startsWith(u"file", Qt::CaseInsensitive)) continue;
        QStringView number = key.sliced(4);
        if (!IsAllDigits(number)) continue;
        while (number.size() > 1 && number.front() == u'0') number = number.sliced(1);
        files.push_back({number, QStringView(line).sliced(equals + 1).trimmed().toString()});
    }
    if (!hasPlaylistSection)
        return ReadFailure(NotAPlaylistOfType(u"PLS") + QStringLiteral(" Нет раздела [playlist]."));

    std::stable_sort(files.begin(), files.end(), ComesBefore);
    PlaylistContents contents;
    for (auto file = files.begin(); file != files.end(); ++file) {
        const bool repeatsNumber = file != files.begin() && file->number == (file - 1)->number;
        if (!repeatsNumber) AppendEntry(contents, file->value, playlistFolder);
    }
    return {std::move(contents), QString()};
}
