#include "playlist/entry_path.h"

QString JoinEntryPath(const QString& folder, const QString& fileName, QChar separator) {
    QString path;
    path.reserve(folder.size() + 1 + fileName.size());
    AppendEntryPath(path, folder, fileName, separator);
    return path;
}

SplitPath SplitEntryPath(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0) return {QString(), path};
    // "/a.mp3" and "C:\a.mp3" keep the root's separator; deeper folders drop it.
    const bool isRoot = cut == 0 || (cut == 2 && path.at(1) == u':');
    return {path.left(isRoot ? cut + 1 : cut), path.mid(cut + 1)};
}

QString NativeFolderPath(const QString& folder) {
    QString path = folder;
    if (path.size() == 2 && path.at(1) == u':') path += u'/';
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
}
