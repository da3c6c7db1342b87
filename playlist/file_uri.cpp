// SPDX-License-Identifier: MIT
#include "playlist/file_uri.h"

#include <array>
#include <string_view>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"

namespace {

bool IsUnholdableControl(char16_t c, EntryTextForm form) {
    if (c >= 0x20 || c == u'\t') return false;
    return form == EntryTextForm::Lines || (c != u'\r' && c != u'\n');
}

bool HoldsRawBytes(QStringView entry) {
#ifdef Q_OS_WIN
    Q_UNUSED(entry);
    return false;
#else
    return HoldsEscapedBytes(entry);
#endif
}

// The characters a file URI's path keeps as they are: the unreserved ones and the given others.
using KeptCharacters = std::array<bool, 128>;
constexpr KeptCharacters KeptBesidesUnreserved(std::u16string_view others) {
    KeptCharacters kept{};
    for (char16_t c = 0; c < 128; ++c) {
        kept[c] = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                  (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u'_' || c == u'~' ||
                  others.find(c) != std::u16string_view::npos;
    }
    return kept;
}
constexpr KeptCharacters kKeptInPosixPath = KeptBesidesUnreserved(u"/");
// A Windows path keeps its drive's colon.
constexpr KeptCharacters kKeptInWindowsPath = KeptBesidesUnreserved(u"/:");

void AppendEscapedByte(QString& uri, uchar byte) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    const char16_t escaped[] = {u'%', kHex[byte >> 4], kHex[byte & 0xF]};
    uri += QStringView(escaped, 3);
}

// Appends the text's bytes on disk, every one but the kept characters percent-escaped. Runs of kept
// characters go in whole, straight into the URI: a save writes every entry of a full playlist so.
void AppendPercentEscaped(QString& uri, QStringView text, const KeptCharacters& kept) {
    const char16_t* next = text.utf16();
    const char16_t* const end = next + text.size();
    while (next != end) {
        const char16_t* const plain = next;
        while (next != end && *next < 0x80 && kept[*next]) ++next;
        uri += QStringView(plain, next);
        if (next == end) break;
        if (*next < 0x80) {
            AppendEscapedByte(uri, uchar(*next++));
            continue;
        }
        const char16_t* const wide = next;
        while (next != end && *next >= 0x80) ++next;
        for (const char byte : EncodeFileName(QStringView(wide, next)))
            AppendEscapedByte(uri, uchar(byte));
    }
}

}  // namespace

bool NeedsEscapedUri(QStringView entry, EntryTextForm form) {
    bool maybeRawBytes = false;
    for (QChar c : entry) {
        if (IsUnholdableControl(c.unicode(), form)) return true;
        maybeRawBytes = maybeRawBytes || c.isLowSurrogate();
    }
    return maybeRawBytes && HoldsRawBytes(entry);
}

bool NeedsEscapedEntry(QStringView folder, QStringView fileName, EntryTextForm form) {
    const bool endsInBlank = !fileName.isEmpty() && fileName.back().isSpace();
    return NeedsEscapedUri(folder, form) || NeedsEscapedUri(fileName, form) ||
           (form == EntryTextForm::Lines && endsInBlank);
}

bool IsMisreadAsPlainPath(QStringView folder, QStringView fileName) {
    const bool isAbsoluteLocal = ShapeOfEntry(folder) != EntryShape::Address &&
                                 (folder.startsWith(u'/') || folder.startsWith(u'\\') ||
                                  (folder.size() >= 2 && folder[1] == u':'));
    if (!isAbsoluteLocal) return false;
    const auto holdsMarker = [](QStringView text) {
        return text.contains(u'#') || text.contains(u'%');
    };
    return holdsMarker(folder) || holdsMarker(fileName) ||
           (!fileName.isEmpty() && fileName.front().isSpace());
}

void AppendEscapedUriOfEntry(QString& text, QStringView entry) {
    switch (ShapeOfEntry(entry)) {
        case EntryShape::Address:
            for (QChar c : entry) {
                if (IsUnholdableControl(c.unicode(), EntryTextForm::Lines))
                    AppendEscapedByte(text, uchar(c.unicode()));
                else
                    text += c;
            }
            return;
        case EntryShape::WindowsPath: {
            QString path = entry.toString();
            path.replace(u'\\', u'/');
            // "C:/x" -> "file:///C:/x"; "//server/share/x" -> "file://server/share/x".
            text += path.startsWith(u"//") ? u"file:" : u"file:///";
            AppendPercentEscaped(text, path, kKeptInWindowsPath);
            return;
        }
        case EntryShape::PosixPath:
            break;
    }
    // A relative path stays relative ("file:a%0Ab.mp3"); an absolute one gets the empty host.
    text += entry.startsWith(u'/') ? u"file://" : u"file:";
    AppendPercentEscaped(text, entry, kKeptInPosixPath);
}

QString EscapedUriOfEntry(QStringView entry) {
    QString uri;
    AppendEscapedUriOfEntry(uri, entry);
    return uri;
}
