// SPDX-License-Identifier: MIT
#include "output/playlist_text.h"

#include <array>
#include <cstdlib>
#include <iterator>

#include "playlist/entry_path.h"
#include "playlist/file_uri.h"

namespace {

constexpr QStringView kLineEnd = u"\r\n";

// QString::number would allocate a temporary for each of up to three numbered lines per entry.
void AppendNumber(QString& buffer, qsizetype number) {
    char16_t digits[20];
    qsizetype first = std::size(digits);
    do {
        digits[--first] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    buffer += QStringView(digits + first, digits + std::size(digits));
}

void AppendCharacterReference(QString& buffer, char32_t codePoint) {
    buffer += u"&#";
    AppendNumber(buffer, codePoint);
    buffer += u';';
}

// XML forbids other control characters, lone surrogates, U+FFFE and U+FFFF even as references.
constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsXmlCharacter(char32_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c < 0xD800) ||
           (c >= 0xE000 && c < 0xFFFE) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Printable ASCII other than the markup characters needs no escaping.
// A table rather than six comparisons: every character of every path is looked up here.
constexpr std::array<bool, 128> kPlainXml = [] {
    std::array<bool, 128> plain{};
    for (char16_t c = 0x20; c < 0x80; ++c)
        plain[c] = c != u'&' && c != u'<' && c != u'>' && c != u'"';
    return plain;
}();

bool IsPlainXml(char16_t c) {
    return c < 0x80 && kPlainXml[c];
}

// Writes the text as plain-ASCII XML character data that is also safe inside a quoted attribute:
// the markup characters as entities, everything else outside printable ASCII as one decimal
// reference per code point (tab, CR and LF too, as an attribute would read them raw as spaces).
void AppendXmlEscaped(QString& buffer, QStringView text) {
    const char16_t* next = text.utf16();
    const char16_t* const end = next + text.size();
    while (next != end) {
        // Plain runs go in whole: a path rarely has anything to escape.
        const char16_t* const plain = next;
        while (next != end && IsPlainXml(*next)) ++next;
        buffer += QStringView(plain, next);
        if (next == end) break;
        const char16_t c = *next++;
        switch (c) {
            case u'&':
                buffer += u"&amp;";
                continue;
            case u'<':
                buffer += u"&lt;";
                continue;
            case u'>':
                buffer += u"&gt;";
                continue;
            case u'"':
                buffer += u"&quot;";
                continue;
        }
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && next != end && QChar::isLowSurrogate(*next))
            codePoint = QChar::surrogateToUcs4(c, *next++);
        AppendCharacterReference(buffer,
                                 IsXmlCharacter(codePoint) ? codePoint : kReplacementCharacter);
    }
}

// The entry's text part by part: its folder and name as they are, or, when the text can't hold
// them or players would misread them, the one URI that names the same file.
template <typename Append>
void ForEachEntryTextPart(const QString& folder, const QString& fileName, QChar separator,
                          EntryTextForm form, Append append) {
    if (NeedsEscapedEntry(folder, fileName, form) || IsMisreadAsPlainPath(folder, fileName))
        append(QStringView(EscapedUriOfEntry(JoinEntryPath(folder, fileName, separator))));
    else
        ForEachEntryPathPart(folder, fileName, separator, append);
}

void AppendEntryLine(QString& buffer, const PlaylistEntry& entry, QChar separator) {
    ForEachEntryTextPart(entry.folder, entry.fileName, separator, EntryTextForm::Lines,
                         [&buffer](QStringView part) { buffer += part; });
    buffer += kLineEnd;
}

void AppendLine(QString& buffer, QStringView text) {
    buffer += text;
    buffer += kLineEnd;
}

// A signed number: a stream's length is -1.
void AppendSeconds(QString& buffer, int seconds) {
    if (seconds < 0) buffer += u'-';
    AppendNumber(buffer, std::abs(qint64{seconds}));
}

// A title on one line: the control characters it may hold become blanks.
void AppendOneLineTitle(QString& buffer, QStringView title) {
    const qsizetype start = buffer.size();
    buffer += title;
    for (QChar* c = buffer.data() + start; c != buffer.data() + buffer.size(); ++c)
        if (c->unicode() < 0x20 || c->unicode() == 0x7F) *c = u' ';
}

// What an entry carries, or what the plain form says of an entry that carries nothing.
constexpr QStringView kNoTitle = u"?-?";
QStringView TitleOf(const PlaylistEntry& entry) {
    return entry.title ? QStringView(*entry.title) : kNoTitle;
}
int SecondsOf(const PlaylistEntry& entry) {
    return entry.seconds.value_or(0);
}

void AppendExtInf(QString& buffer, const PlaylistEntry& entry) {
    buffer += u"#EXTINF:";
    AppendSeconds(buffer, SecondsOf(entry));
    buffer += u',';
    AppendOneLineTitle(buffer, TitleOf(entry));
    buffer += kLineEnd;
}

void AppendM3uEntries(QString& buffer, PlaylistTarget target, const PlaylistEntries& entries,
                      QChar separator) {
    for (const PlaylistEntry& entry : entries) {
        if (target == PlaylistTarget::SaveFile) AppendExtInf(buffer, entry);
        AppendEntryLine(buffer, entry, separator);
    }
}

void AppendM3u(QString& buffer, PlaylistTarget target, const PlaylistEntries& entries,
               QChar separator) {
    if (target == PlaylistTarget::SaveFile) AppendLine(buffer, u"#EXTM3U");
    AppendM3uEntries(buffer, target, entries, separator);
}

// Numbered PLS key: "File12=".
void AppendNumberedKey(QString& buffer, QStringView key, qsizetype number) {
    buffer += key;
    AppendNumber(buffer, number);
    buffer += u'=';
}

void AppendPls(QString& buffer, PlaylistTarget target, const PlaylistEntries& entries,
               QChar separator) {
    AppendLine(buffer, u"[playlist]");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qsizetype number = i + 1;
        AppendNumberedKey(buffer, u"File", number);
        AppendEntryLine(buffer, entries[i], separator);
        if (target != PlaylistTarget::SaveFile) continue;
        AppendNumberedKey(buffer, u"Title", number);
        AppendOneLineTitle(buffer, TitleOf(entries[i]));
        buffer += kLineEnd;
        AppendNumberedKey(buffer, u"Length", number);
        AppendSeconds(buffer, SecondsOf(entries[i]));
        buffer += kLineEnd;
    }
    buffer += u"NumberOfEntries=";
    AppendNumber(buffer, entries.size());
    buffer += kLineEnd;
    AppendLine(buffer, u"Version=2");
}

void AppendWpl(QString& buffer, const PlaylistEntries& entries, const QString& title,
               QChar separator) {
    AppendLine(buffer, u"<?wpl version=\"1.0\"?>");
    AppendLine(buffer, u"<smil>");
    AppendLine(buffer, u"<head>");
    AppendLine(buffer, u"<meta name=\"Generator\" content=\"Lyrantel 1.0\"/>");
    AppendLine(buffer, u"<author/>");
    buffer += u"<title>";
    AppendXmlEscaped(buffer, title);
    AppendLine(buffer, u"</title>");
    AppendLine(buffer, u"</head>");
    AppendLine(buffer, u"<body>");
    AppendLine(buffer, u"<seq>");
    for (const PlaylistEntry& entry : entries) {
        buffer += u"<media src=\"";
        ForEachEntryTextPart(entry.folder, entry.fileName, separator, EntryTextForm::Xml,
                             [&buffer](QStringView part) { AppendXmlEscaped(buffer, part); });
        AppendLine(buffer, u"\"/>");
    }
    AppendLine(buffer, u"</seq>");
    AppendLine(buffer, u"</body>");
    AppendLine(buffer, u"</smil>");
}

// The location of an entry: an address as it is, a local path as the "file://" URI of its bytes on
// disk, which every player resolves the same way whatever the name holds. That URI is plain ASCII
// without markup characters, so it needs no XML escaping.
void AppendXspfLocation(QString& buffer, const PlaylistEntry& entry, QChar separator) {
    const QString path = JoinEntryPath(entry.folder, entry.fileName, separator);
    if (ShapeOfEntry(path) == EntryShape::Address)
        AppendXmlEscaped(buffer, path);
    else
        AppendEscapedUriOfEntry(buffer, path);
}

// XSPF has no form for an unknown length or a stream's: only a length of a second or more is
// written, in milliseconds.
void AppendXspfTrack(QString& buffer, const PlaylistEntry& entry, QChar separator) {
    AppendLine(buffer, u"<track>");
    buffer += u"<location>";
    AppendXspfLocation(buffer, entry, separator);
    AppendLine(buffer, u"</location>");
    if (entry.title) {
        buffer += u"<title>";
        AppendXmlEscaped(buffer, *entry.title);
        AppendLine(buffer, u"</title>");
    }
    if (SecondsOf(entry) > 0) {
        buffer += u"<duration>";
        AppendNumber(buffer, qsizetype{SecondsOf(entry)} * 1000);
        AppendLine(buffer, u"</duration>");
    }
    AppendLine(buffer, u"</track>");
}

// Plain-ASCII XML like WPL's, so that the declared UTF-8 holds whatever the file's encoding.
void AppendXspf(QString& buffer, const PlaylistEntries& entries, const QString& title,
                QChar separator) {
    AppendLine(buffer, u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    AppendLine(buffer, u"<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">");
    if (!title.isEmpty()) {
        buffer += u"<title>";
        AppendXmlEscaped(buffer, title);
        AppendLine(buffer, u"</title>");
    }
    AppendLine(buffer, u"<trackList>");
    for (const PlaylistEntry& entry : entries) AppendXspfTrack(buffer, entry, separator);
    AppendLine(buffer, u"</trackList>");
    AppendLine(buffer, u"</playlist>");
}

// One allocation for the whole text instead of a doubling series over megabytes.
qsizetype EstimatedLength(PlaylistType type, PlaylistTarget target, const PlaylistEntries& entries,
                          const QString& title) {
    qsizetype textLength = 0;
    const bool isSaveFile = target == PlaylistTarget::SaveFile;
    for (const PlaylistEntry& entry : entries) {
        textLength += entry.folder.size() + 1 + entry.fileName.size();
        if (type == PlaylistType::XSPF || (isSaveFile && type != PlaylistType::WPL)) {
            if (entry.title) textLength += entry.title->size();
        }
    }
    qsizetype perEntry = 0;
    switch (type) {
        case PlaylistType::M3U:
            perEntry = isSaveFile ? 17 : 2;
            break;
        case PlaylistType::PLS:
            perEntry = isSaveFile ? 45 : 15;
            break;
        case PlaylistType::WPL:
            perEntry = 17;
            break;
        case PlaylistType::XSPF:
            perEntry = 80;
            break;
    }
    return textLength + perEntry * entries.size() + title.size() + 200;
}

}  // namespace

void AppendPlaylistLines(QString& buffer, PlaylistType type, PlaylistTarget target,
                         const PlaylistEntries& entries, const QString& title, QChar separator) {
    buffer.reserve(buffer.size() + EstimatedLength(type, target, entries, title));
    switch (type) {
        case PlaylistType::M3U:
            AppendM3u(buffer, target, entries, separator);
            break;
        case PlaylistType::PLS:
            AppendPls(buffer, target, entries, separator);
            break;
        case PlaylistType::WPL:
            AppendWpl(buffer, entries, title, separator);
            break;
        case PlaylistType::XSPF:
            AppendXspf(buffer, entries, title, separator);
            break;
    }
}

void AppendKeptPlaylistLines(QString& buffer, const PlaylistEntries& entries, const QString& name) {
    buffer.reserve(buffer.size() +
                   EstimatedLength(PlaylistType::M3U, PlaylistTarget::SaveFile, entries, name));
    AppendLine(buffer, u"#EXTM3U");
    buffer += u"#PLAYLIST:";
    AppendOneLineTitle(buffer, name);
    buffer += kLineEnd;
    AppendM3uEntries(buffer, PlaylistTarget::SaveFile, entries, QDir::separator());
}
