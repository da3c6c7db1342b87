// SPDX-License-Identifier: MIT
#include "output/playlist_text.h"

#include <array>
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
// them, the one URI that names the same file.
template <typename Append>
void ForEachEntryTextPart(const QString& folder, const QString& fileName, QChar separator,
                          EntryTextForm form, Append append) {
    if (NeedsEscapedUri(folder, form) || NeedsEscapedUri(fileName, form))
        append(QStringView(EscapedUriOfEntry(JoinEntryPath(folder, fileName, separator))));
    else
        ForEachEntryPathPart(folder, fileName, separator, append);
}

void AppendEntryLine(QString& buffer, const QString& folder, const QString& fileName,
                     QChar separator) {
    ForEachEntryTextPart(folder, fileName, separator, EntryTextForm::Lines,
                         [&buffer](QStringView part) { buffer += part; });
    buffer += kLineEnd;
}

void AppendLine(QString& buffer, QStringView text) {
    buffer += text;
    buffer += kLineEnd;
}

// Numbered PLS line: "File12=" followed by the value.
void AppendNumberedLine(QString& buffer, QStringView key, qsizetype number, QStringView value) {
    buffer += key;
    AppendNumber(buffer, number);
    buffer += u'=';
    AppendLine(buffer, value);
}

// A title on one line: the control characters a tag may hold become blanks.
QString OneLineTitle(QString title) {
    for (QChar& c : title)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = u' ';
    return title;
}

void AppendM3u(QString& buffer, PlaylistTarget target, const QStringList& folders,
               const QStringList& fileNames, QChar separator,
               const QList<EntryTitle>* entryTitles) {
    const bool isSaveFile = target == PlaylistTarget::SaveFile;
    if (isSaveFile) AppendLine(buffer, u"#EXTM3U");
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        if (isSaveFile && entryTitles) {
            buffer += u"#EXTINF:";
            AppendNumber(buffer, entryTitles->at(i).seconds);
            buffer += u',';
            AppendLine(buffer, OneLineTitle(entryTitles->at(i).title));
        } else if (isSaveFile) {
            AppendLine(buffer, u"#EXTINF:0,?-?");
        }
        AppendEntryLine(buffer, folders[i], fileNames[i], separator);
    }
}

void AppendPls(QString& buffer, PlaylistTarget target, const QStringList& folders,
               const QStringList& fileNames, QChar separator,
               const QList<EntryTitle>* entryTitles) {
    AppendLine(buffer, u"[playlist]");
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        const qsizetype number = i + 1;
        buffer += u"File";
        AppendNumber(buffer, number);
        buffer += u'=';
        AppendEntryLine(buffer, folders[i], fileNames[i], separator);
        if (target == PlaylistTarget::SaveFile && entryTitles) {
            AppendNumberedLine(buffer, u"Title", number, OneLineTitle(entryTitles->at(i).title));
            AppendNumberedLine(buffer, u"Length", number,
                               QString::number(entryTitles->at(i).seconds));
        } else if (target == PlaylistTarget::SaveFile) {
            AppendNumberedLine(buffer, u"Title", number, u"?-?");
            AppendNumberedLine(buffer, u"Length", number, u"0");
        }
    }
    buffer += u"NumberOfEntries=";
    AppendNumber(buffer, fileNames.size());
    buffer += kLineEnd;
    AppendLine(buffer, u"Version=2");
}

void AppendWpl(QString& buffer, const QStringList& folders, const QStringList& fileNames,
               const QString& title, QChar separator) {
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
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        buffer += u"<media src=\"";
        ForEachEntryTextPart(folders[i], fileNames[i], separator, EntryTextForm::Xml,
                             [&buffer](QStringView part) { AppendXmlEscaped(buffer, part); });
        AppendLine(buffer, u"\"/>");
    }
    AppendLine(buffer, u"</seq>");
    AppendLine(buffer, u"</body>");
    AppendLine(buffer, u"</smil>");
}

// One allocation for the whole text instead of a doubling series over megabytes.
qsizetype EstimatedLength(PlaylistType type, PlaylistTarget target, const QStringList& folders,
                          const QStringList& fileNames, const QString& title) {
    qsizetype pathsLength = 0;
    for (qsizetype i = 0; i < fileNames.size(); ++i)
        pathsLength += folders[i].size() + 1 + fileNames[i].size();
    const bool isSaveFile = target == PlaylistTarget::SaveFile;
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
    }
    return pathsLength + perEntry * fileNames.size() + title.size() + 200;
}

}  // namespace

void AppendPlaylistLines(QString& buffer, PlaylistType type, PlaylistTarget target,
                         const QStringList& folders, const QStringList& fileNames,
                         const QString& title, QChar separator,
                         const QList<EntryTitle>* entryTitles) {
    Q_ASSERT(folders.size() == fileNames.size());
    Q_ASSERT(!entryTitles || entryTitles->size() == fileNames.size());
    buffer.reserve(buffer.size() + EstimatedLength(type, target, folders, fileNames, title));
    switch (type) {
        case PlaylistType::M3U:
            AppendM3u(buffer, target, folders, fileNames, separator, entryTitles);
            break;
        case PlaylistType::PLS:
            AppendPls(buffer, target, folders, fileNames, separator, entryTitles);
            break;
        case PlaylistType::WPL:
            AppendWpl(buffer, folders, fileNames, title, separator);
            break;
    }
}
