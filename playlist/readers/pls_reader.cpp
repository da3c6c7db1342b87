// SPDX-License-Identifier: MIT
#include <QHash>
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

// The number of a "FileN", "TitleN" or "LengthN" key with this name (any case), without leading
// zeros so that no number is too long to compare; empty when the key is another.
QStringView KeyNumber(QStringView key, QStringView name) {
    if (!key.startsWith(name, Qt::CaseInsensitive)) return {};
    QStringView number = key.sliced(name.size());
    if (!IsAllDigits(number)) return {};
    while (number.size() > 1 && number.front() == u'0') number = number.sliced(1);
    return number;
}

void KeepFirst(QHash<QStringView, QStringView>& values, QStringView number, QStringView value) {
    if (!values.contains(number)) values.insert(number, value);
}

// "[playlist]" in any case, blanks allowed inside the brackets.
std::optional<bool> SectionIsPlaylist(QStringView line) {
    if (!line.startsWith(u'[') || !line.endsWith(u']')) return std::nullopt;
    return line.sliced(1, line.size() - 2).trimmed().compare(u"playlist", Qt::CaseInsensitive) == 0;
}

}  // namespace

// The FileN keys of the [playlist] section in the order of N, each with its TitleN and LengthN,
// wherever these stand. NumberOfEntries is not trusted: files in the wild give it wrong, too high
// or not at all, and leave gaps in the numbers. Where a key repeats, its first value counts, as
// with Windows' own INI reading.
ReadResult ReadPls(const QByteArray& bytes, const QString& playlistFolder) {
    const QString text = DecodePlaylistBytes(bytes);
    if (LooksBinary(text)) return ReadFailure(NotAPlaylistOfType(u"PLS"));
    const QStringList lines = PlaylistLines(text);
    if (lines.isEmpty()) return {PlaylistContents(), QString()};

    bool hasPlaylistSection = false;
    bool inPlaylistSection = false;
    std::vector<NumberedFile> files;
    // By number; the views point into `lines`.
    QHash<QStringView, QStringView> titles, lengths;
    for (const QString& line : lines) {
        if (const std::optional<bool> isPlaylist = SectionIsPlaylist(line)) {
            inPlaylistSection = *isPlaylist;
            hasPlaylistSection = hasPlaylistSection || inPlaylistSection;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inPlaylistSection || equals < 0) continue;
        const QStringView key = QStringView(line).first(equals).trimmed();
        const QStringView value = QStringView(line).sliced(equals + 1).trimmed();
        if (const QStringView number = KeyNumber(key, u"file"); !number.isEmpty())
            files.push_back({number, value.toString()});
        else if (const QStringView titled = KeyNumber(key, u"title"); !titled.isEmpty())
            KeepFirst(titles, titled, value);
        else if (const QStringView timed = KeyNumber(key, u"length"); !timed.isEmpty())
            KeepFirst(lengths, timed, value);
    }
    if (!hasPlaylistSection)
        return ReadFailure(NotAPlaylistOfType(u"PLS") + QStringLiteral(" Нет раздела [playlist]."));

    std::stable_sort(files.begin(), files.end(), ComesBefore);
    PlaylistContents contents;
    for (auto file = files.begin(); file != files.end(); ++file) {
        const bool repeatsNumber = file != files.begin() && file->number == (file - 1)->number;
        if (repeatsNumber) continue;
        CarriedInfo info;
        if (const auto title = titles.constFind(file->number); title != titles.cend())
            info.title = title->toString();
        if (const auto length = lengths.constFind(file->number); length != lengths.cend())
            info.seconds = ParseSeconds(*length);
        AppendEntry(contents, file->value, playlistFolder, std::move(info));
    }
    return {std::move(contents), QString()};
}
