// SPDX-License-Identifier: MIT
#include <algorithm>
#include <map>
#include <string_view>

#include "playlist/playlist_limits.h"
#include "playlist/readers/playlist_readers.h"
#include "playlist/readers/reader_common.h"

namespace {

// Numbers are digits without leading zeros, so that no number is too long to compare: a longer
// one is larger. Transparent, so that a number is looked up as a view without a copy.
struct ComesBefore {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const {
        if (a.size() != b.size()) return a.size() < b.size();
        // Digits alone: their code units compare as the numbers do, without Unicode's rules.
        return std::u16string_view(a.utf16(), a.size()) < std::u16string_view(b.utf16(), b.size());
    }
};

bool IsAllDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The number of a "FileN", "TitleN" or "LengthN" key with this name (any case), without leading
// zeros; empty when the key is another.
QStringView KeyNumber(QStringView key, QStringView name) {
    if (!key.startsWith(name, Qt::CaseInsensitive)) return {};
    QStringView number = key.sliced(name.size());
    if (!IsAllDigits(number)) return {};
    while (number.size() > 1 && number.front() == u'0') number = number.sliced(1);
    return number;
}

// "[playlist]" in any case, blanks allowed inside the brackets.
std::optional<bool> SectionIsPlaylist(QStringView line) {
    if (!line.startsWith(u'[') || !line.endsWith(u']')) return std::nullopt;
    return line.sliced(1, line.size() - 2).trimmed().compare(u"playlist", Qt::CaseInsensitive) == 0;
}

// What the keys of one number said, each kind's first key counting: the entry of its FileN (none
// where it named nothing, so that a later repeat is still ignored), its TitleN and LengthN.
struct NumberedKeys {
    bool hasFile = false;
    std::optional<PlaylistEntry> entry;
    std::optional<QString> title;
    bool hasLength = false;
    std::optional<int> seconds;
};

// The keys of the [playlist] section by number. Only as many entries as the playlist takes are
// kept, those of the lowest numbers, so that a file of millions of keys is read in the memory of a
// full playlist.
class PlaylistSection {
public:
    explicit PlaylistSection(PlaylistContents& contents) : contents_(contents) {}

    void addFile(QStringView number, QStringView text, const QString& playlistFolder,
                 qsizetype line) {
        NumberedKeys* keys = keysOf(number);
        if (!keys) {
            // Once entries were left out, more of them change nothing.
            if (!contents_.entriesLeftOut)
                contents_.entriesLeftOut =
                    ReadEntry(contents_, text, playlistFolder, line).has_value();
            return;
        }
        if (keys->hasFile) return;
        keys->hasFile = true;
        keys->entry = ReadEntry(contents_, text, playlistFolder, line);
        if (!keys->entry) return;
        // Entries of one folder share its text from the start, rather than each holding its own
        // copy until they are kept.
        if (keys->entry->folder == lastFolder_)
            keys->entry->folder = lastFolder_;
        else
            lastFolder_ = keys->entry->folder;
        if (++kept_ > kMaxPlaylistEntries) {
            // A full section ends in its last entry, which the new one pushes out.
            keys_.erase(std::prev(keys_.end()));
            last_ = keys_.end();
            --kept_;
            contents_.entriesLeftOut = true;
        }
        if (kept_ == kMaxPlaylistEntries) {
            while (!keys_.rbegin()->second.entry) keys_.erase(std::prev(keys_.end()));
            last_ = keys_.end();
        }
    }

    void addTitle(QStringView number, QStringView value) {
        NumberedKeys* keys = keysOf(number);
        if (keys && !keys->title) keys->title = value.toString();
    }

    void addLength(QStringView number, QStringView value) {
        NumberedKeys* keys = keysOf(number);
        if (!keys || keys->hasLength) return;
        keys->hasLength = true;
        keys->seconds = ParseSeconds(value);
    }

    // The entries into the contents, in the order of their numbers.
    void keepEntries() {
        for (auto& [number, keys] : keys_) {
            if (keys.entry)
                KeepEntry(contents_, std::move(*keys.entry), {std::move(keys.title), keys.seconds});
        }
    }

private:
    // The keys of the number, none when it comes after every entry of a full section.
    NumberedKeys* keysOf(QStringView number) {
        const bool isPastLimit =
            kept_ == kMaxPlaylistEntries && ComesBefore()(keys_.rbegin()->first, number);
        if (isPastLimit) return nullptr;
        // Files in the wild give a number's keys together, the numbers rising: the last number,
        // or one past the end, is found without a search.
        if (last_ != keys_.end() && QStringView(last_->first) == number) return &last_->second;
        const bool isNewLast = keys_.empty() || ComesBefore()(keys_.rbegin()->first, number);
        auto at = isNewLast ? keys_.end() : keys_.lower_bound(number);
        if (at == keys_.end() || ComesBefore()(number, at->first))
            at = keys_.emplace_hint(at, number.toString(), NumberedKeys());
        last_ = at;
        return &at->second;
    }

    PlaylistContents& contents_;
    std::map<QString, NumberedKeys, ComesBefore> keys_;
    qsizetype kept_ = 0;
    QString lastFolder_;
    // The keys found last, forgotten whenever keys are erased.
    std::map<QString, NumberedKeys, ComesBefore>::iterator last_ = keys_.end();
};

}  // namespace

// The FileN keys of the [playlist] section in the order of N, each with its TitleN and LengthN,
// wherever these stand. NumberOfEntries is not trusted: files in the wild give it wrong, too high
// or not at all, and leave gaps in the numbers. Where a key repeats, its first value counts, as
// with Windows' own INI reading.
ReadResult ReadPls(const QByteArray& bytes, const QString& playlistFolder) {
    PlaylistContents contents;
    bool hasPlaylistSection = false;
    bool inPlaylistSection = false;
    PlaylistSection section(contents);
    const PlaylistLines lines =
        ForEachPlaylistLine(bytes, contents, [&](QStringView line, qsizetype number) {
            if (const std::optional<bool> isPlaylist = SectionIsPlaylist(line)) {
                inPlaylistSection = *isPlaylist;
                hasPlaylistSection = hasPlaylistSection || inPlaylistSection;
                return;
            }
            const qsizetype equals = line.indexOf(u'=');
            if (!inPlaylistSection || equals < 0) return;
            const QStringView key = line.first(equals).trimmed();
            const QStringView value = line.sliced(equals + 1).trimmed();
            if (const QStringView filed = KeyNumber(key, u"file"); !filed.isEmpty())
                section.addFile(filed, value, playlistFolder, number);
            else if (const QStringView titled = KeyNumber(key, u"title"); !titled.isEmpty())
                section.addTitle(titled, value);
            else if (const QStringView timed = KeyNumber(key, u"length"); !timed.isEmpty())
                section.addLength(timed, value);
        });
    if (lines == PlaylistLines::Binary) return ReadFailure(NotAPlaylistOfType(u"PLS"));
    if (lines == PlaylistLines::None) return {PlaylistContents(), QString()};
    if (!hasPlaylistSection)
        return ReadFailure(NotAPlaylistOfType(u"PLS") + QStringLiteral(" Нет раздела [playlist]."));

    section.keepEntries();
    return {std::move(contents), QString()};
}
