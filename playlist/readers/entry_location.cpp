// SPDX-License-Identifier: MIT
#include "playlist/readers/entry_location.h"

#include <QDir>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "playlist/regular_file.h"
#ifdef Q_OS_WIN
#include "playlist/readers/text_decoding.h"
#endif

using namespace Qt::StringLiterals;

namespace {

bool IsSeparator(QChar c) {
    return c == u'/' || c == u'\\';
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool StartsWithDrive(QStringView path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == u':';
}

// "/x", "\x", "\\server\share", "C:\x", "C:/x"; a Windows-form path stays absolute on every system
// rather than being glued under the playlist's folder.
bool IsAbsolute(QStringView path) {
    return (!path.isEmpty() && IsSeparator(path[0])) || StartsWithDrive(path);
}

bool IsFileUri(QStringView entry) {
    return entry.startsWith(u"file:", Qt::CaseInsensitive);
}

// The path with its "%XX" escapes decoded, as a file URI's path is. On POSIX the decoded bytes are
// the name's bytes on disk, kept exactly even when they aren't UTF-8; on Windows they follow the
// same UTF-8 or code page rule as the file's text.
QString PercentDecoded(const QString& path) {
    const QByteArray bytes = QByteArray::fromPercentEncoding(path.toUtf8());
#ifdef Q_OS_WIN
    return DecodeText(bytes);
#else
    return DecodeFileName(bytes);
#endif
}

// "file:///home/u/a%20b.mp3" -> "/home/u/a b.mp3", "file:///C:/x" -> "C:/x",
// "file://server/share/x" -> "//server/share/x".
QString LocalPathOfFileUri(QStringView uri) {
    QStringView rest = uri.sliced(5);
    QString path;
    if (rest.startsWith(u"//")) {
        rest = rest.sliced(2);
        const qsizetype slash = rest.indexOf(u'/');
        const QStringView host = slash < 0 ? rest : rest.first(slash);
        const QStringView hostPath = slash < 0 ? QStringView() : rest.sliced(slash);
        const bool isLocal = host.isEmpty() || host.compare(u"localhost", Qt::CaseInsensitive) == 0;
        if (!isLocal) path = u"//"_s + host.toString();
        path += hostPath;
    } else {
        path = rest.toString();
    }
    QString decoded = PercentDecoded(path);
    // "/C:/x" names a drive, and so does the old form "/C|/x".
    if (decoded.size() >= 3 && decoded[0] == u'/' && IsAsciiLetter(decoded[1]) &&
        (decoded[2] == u':' || decoded[2] == u'|')) {
        decoded.remove(0, 1);
        decoded[1] = u':';
    }
    return decoded;
}

QString ResolveAgainstFolder(QString relative, const QString& folder) {
    // Players on Windows write relative entries with backslashes ("Music\a.mp3").
    relative.replace(u'\\', u'/');
    return QDir::toNativeSeparators(
        QDir::cleanPath(QDir::fromNativeSeparators(folder) + u'/' + relative));
}

bool IsHexDigit(QChar c) {
    return c.isDigit() || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool HoldsPercentEscape(QStringView path) {
    for (qsizetype at = path.indexOf(u'%'); at >= 0 && at + 2 < path.size();
         at = path.indexOf(u'%', at + 1)) {
        if (IsHexDigit(path[at + 1]) && IsHexDigit(path[at + 2])) return true;
    }
    return false;
}

}  // namespace

QString ResolveEntryLocation(const QString& entry, const QString& playlistFolder) {
    const bool isFileUri = IsFileUri(entry);
    if (!isFileUri && ShapeOfEntry(entry) == EntryShape::Address) return entry;
    const QString path = isFileUri ? LocalPathOfFileUri(entry) : entry;
    if (path.isEmpty()) return QString();
    const bool isAbsolute = IsAbsolute(path);
    // An escape decodes within a name: a relative path stays relative ("%2Fetc" is no root).
    const auto resolve = [&](const QString& written) {
        return isAbsolute ? QDir::toNativeSeparators(written)
                          : ResolveAgainstFolder(written, playlistFolder);
    };
    QString resolved = resolve(path);
    // Some players write a plain path escaped as a URI's ("Music/with%20space.mp3" in a relative
    // M3U): where the path as written names no file and the decoded one does, that one is meant.
    if (isFileUri || !HoldsPercentEscape(path) || PathExists(resolved)) return resolved;
    QString decoded = resolve(PercentDecoded(path));
    return PathExists(decoded) ? decoded : resolved;
}
