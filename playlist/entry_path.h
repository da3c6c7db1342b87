#pragma once

#include <QDir>
#include <QString>

// The one join of folder and file name for the whole program: the root folder already ends in a
// separator ("/" or "C:\"), so it must not get a second one.
QString JoinEntryPath(const QString& folder, const QString& fileName,
                      QChar separator = QDir::separator());
// The same join, handed part by part (folder, the separator when one is needed, file name) to a
// writer of many paths, so that no joined copy is made.
template <typename Append>
void ForEachEntryPathPart(const QString& folder, const QString& fileName, QChar separator,
                          Append append) {
    append(QStringView(folder));
    if (!folder.endsWith(separator)) append(QStringView(&separator, 1));
    append(QStringView(fileName));
}

// The join appended to a text.
inline void AppendEntryPath(QString& text, const QString& folder, const QString& fileName,
                            QChar separator = QDir::separator()) {
    ForEachEntryPathPart(folder, fileName, separator, [&text](QStringView part) { text += part; });
}

// The reverse of JoinEntryPath: the folder (a root keeps its separator) and the name after the
// last separator of either kind.
struct SplitPath {
    QString folder;
    QString fileName;
};
SplitPath SplitEntryPath(const QString& path);

// A folder in the native form the rest of the program stores and joins: "C:\Music", "C:\",
// "/home/u/Music", "/". A bare drive designation ("c:") means that drive's root.
QString NativeFolderPath(const QString& folder);
