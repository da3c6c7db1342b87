// SPDX-License-Identifier: MIT
#include "playlist/file_uri.h"

#include <QByteArray>

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

QString PercentEscaped(const QByteArray& bytes, const QByteArray& kept) {
    return QString::fromLatin1(bytes.toPercentEncoding(kept));
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

QString EscapedUriOfEntry(QStringView entry) {
    switch (ShapeOfEntry(entry)) {
        case EntryShape::Address: {
            QString uri;
            uri.reserve(entry.size() + 8);
            for (QChar c : entry) {
                if (IsUnholdableControl(c.unicode(), EntryTextForm::Lines))
                    uri += PercentEscaped(QByteArray(1, char(c.unicode())), {});
                else
                    uri += c;
            }
            return uri;
        }
        case EntryShape::WindowsPath: {
            QString path = entry.toString();
            path.replace(u'\\', u'/');
            // "C:/x" -> "file:///C:/x"; "//server/share/x" -> "file://server/share/x".
            const QString prefix =
                path.startsWith(u"//") ? QStringLiteral("file:") : QStringLiteral("file:///");
            return prefix + PercentEscaped(EncodeFileName(path), "/:");
        }
        case EntryShape::PosixPath:
            break;
    }
    // A relative path stays relative ("file:a%0Ab.mp3"); an absolute one gets the empty host.
    const QString prefix =
        entry.startsWith(u'/') ? QStringLiteral("file://") : QStringLiteral("file:");
    return prefix + PercentEscaped(EncodeFileName(entry), "/");
}
