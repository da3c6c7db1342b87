// SPDX-License-Identifier: MIT
#include "playlist/readers/entry_location.h"

#include <QDir>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
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

// "file:///home/u/a%20b.mp3" -> "/home/u/a b.mp3", "file:///C:/x" -> "C:/x",
// "file://server/share/x" -> "//server/share/x". On POSIX the percent-decoded bytes are the name's
// bytes on disk, kept exactly even when they aren't UTF-8; on Windows they follow the same UTF-8 or
// code page rule as the file's text.
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
    const QByteArray bytes = QByteArray::fromPercentEncoding(path.toUtf8());
#ifdef Q_OS_WIN
    QString decoded = DecodeText(bytes);
#else
    QString decoded = DecodeFileName(bytes);
#endif
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

}  // namespace

QString ResolveEntryLocation(const QString& entry, const QString& playlistFolder) {
    const bool isFileUri = IsFileUri(entry);
    if (!isFileUri && ShapeOfEntry(entry) == EntryShape::Address) return entry;
    const QString path = isFileUri ? LocalPathOfFileUri(entry) : entry;
    if (path.isEmpty()) return QString();
    if (IsAbsolute(path)) return QDir::toNativeSeparators(path);
    return ResolveAgainstFolder(path, playlistFolder);
}
