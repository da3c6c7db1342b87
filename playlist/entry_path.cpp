// SPDX-License-Identifier: MIT
#include "playlist/entry_path.h"

namespace {

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// "scheme://", the scheme two characters at least, so that "C://x" stays a drive path. The position
// after "://", or -1.
qsizetype AddressAuthorityStart(QStringView text) {
    const qsizetype scheme = SchemeLength(text);
    if (scheme < 2 || !text.sliced(scheme).startsWith(u"://")) return -1;
    return scheme + 3;
}

bool HasDrive(QStringView text) {
    return text.size() >= 2 && IsAsciiLetter(text[0]) && text[1] == u':';
}

bool IsWindowsSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

// The last separator at which the path may be split, or -1.
qsizetype LastSplitPoint(QStringView path, EntryShape shape) {
    switch (shape) {
        case EntryShape::Address: {
            // Only the path part: a "/" inside the query or fragment is not a folder's end.
            const qsizetype start = AddressAuthorityStart(path);
            qsizetype end = path.size();
            for (qsizetype i = start; i < path.size(); ++i) {
                if (path[i] == u'?' || path[i] == u'#') {
                    end = i;
                    break;
                }
            }
            const qsizetype slash = path.first(end).lastIndexOf(u'/');
            return slash >= start ? slash : -1;
        }
        case EntryShape::WindowsPath:
            return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
        case EntryShape::PosixPath:
            return path.lastIndexOf(u'/');
    }
    return -1;
}

bool IsRootFolder(QStringView folder, EntryShape shape) {
    if (shape == EntryShape::Address) return false;
    return folder.size() == 1 || (shape == EntryShape::WindowsPath && folder.size() == 3 &&
                                  HasDrive(folder) && IsWindowsSeparator(folder[2]));
}

}  // namespace

qsizetype SchemeLength(QStringView text) {
    if (text.isEmpty() || !IsAsciiLetter(text[0])) return 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u':') return i;
        if (!IsAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return 0;
    }
    return 0;
}

EntryShape ShapeOfEntry(QStringView text) {
    if (AddressAuthorityStart(text) >= 0) return EntryShape::Address;
#ifdef Q_OS_WIN
    return EntryShape::WindowsPath;
#else
    return HasDrive(text) || text.startsWith(u"\\\\") ? EntryShape::WindowsPath
                                                      : EntryShape::PosixPath;
#endif
}

QChar JoinSeparatorFor(QStringView folder, QChar separator) {
    switch (ShapeOfEntry(folder)) {
        case EntryShape::Address:
            return u'/';
        case EntryShape::WindowsPath:
            return u'\\';
        case EntryShape::PosixPath:
            break;
    }
    return separator;
}

bool EndsJoinable(QStringView folder) {
    if (folder.isEmpty()) return true;
    const QChar last = folder.back();
    return last == u'/' || (last == u'\\' && ShapeOfEntry(folder) == EntryShape::WindowsPath);
}

QString JoinEntryPath(const QString& folder, const QString& fileName, QChar separator) {
    QString path;
    path.reserve(folder.size() + 1 + fileName.size());
    AppendEntryPath(path, folder, fileName, separator);
    return path;
}

SplitPath SplitEntryPath(const QString& path, QChar separator) {
    const EntryShape shape = ShapeOfEntry(path);
    const qsizetype cut = LastSplitPoint(path, shape);
    if (cut < 0) return {QString(), path};
    const QString withSeparator = path.left(cut + 1);
    const QStringView without = QStringView(path).first(cut);
    // The join restores the separator when it is the one the join would add.
    const bool joinRestores = !IsRootFolder(withSeparator, shape) && !EndsJoinable(without) &&
                              JoinSeparatorFor(without, separator) == path[cut];
    return {joinRestores ? without.toString() : withSeparator, path.mid(cut + 1)};
}

QString NativeFolderPath(const QString& folder) {
    QString path = folder;
    if (path.size() == 2 && path.at(1) == u':') path += u'/';
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
}
