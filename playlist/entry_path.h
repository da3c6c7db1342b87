// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QString>

// An entry's text has one of three shapes, and each has its own separators: an address
// ("scheme://host/path?query", any scheme) splits on "/" after its host only; a Windows path
// ("D:\x", "\\server\share\x") on "\" and "/"; a POSIX path on "/" alone, a backslash being part of
// a name. On Windows every local path has the Windows shape.
enum class EntryShape { Address, WindowsPath, PosixPath };
EntryShape ShapeOfEntry(QStringView text);

// The length of the scheme that starts the text ("http" of "http:x.mp3", "c" of "c:a.wav"): a
// letter, then letters, digits, "+", "-" or ".", up to a colon; 0 when the text starts with none.
qsizetype SchemeLength(QStringView text);

// The separator a join puts between a folder of this text's shape and a name: "/" in an address,
// "\" in a Windows path, and the given one (the system's own) in any other.
QChar JoinSeparatorFor(QStringView folder, QChar separator);
// Whether the folder already ends in a separator of its shape ("/", "C:\", "http://h/"), or is
// empty (an address kept whole as a name), so that the join adds none.
bool EndsJoinable(QStringView folder);

// The one join of folder and file name for the whole program.
QString JoinEntryPath(const QString& folder, const QString& fileName,
                      QChar separator = QDir::separator());
// The same join, handed part by part (folder, the separator when one is needed, file name) to a
// writer of many paths, so that no joined copy is made.
template <typename Append>
void ForEachEntryPathPart(const QString& folder, const QString& fileName, QChar separator,
                          Append append) {
    append(QStringView(folder));
    if (!EndsJoinable(folder)) {
        const QChar joinSeparator = JoinSeparatorFor(folder, separator);
        append(QStringView(&joinSeparator, 1));
    }
    append(QStringView(fileName));
}

// The join appended to a text.
inline void AppendEntryPath(QString& text, const QString& folder, const QString& fileName,
                            QChar separator = QDir::separator()) {
    ForEachEntryPathPart(folder, fileName, separator, [&text](QStringView part) { text += part; });
}

// The reverse of JoinEntryPath, split after the last separator of the path's shape: joining the
// two parts with the same separator gives the path back exactly. The folder keeps its final
// separator when it is a root ("/", "C:\") or when the join would put a different one there
// ("D:\Music/a.mp3"). An address with no "/" after its host is all name.
struct SplitPath {
    QString folder;
    QString fileName;
};
SplitPath SplitEntryPath(const QString& path, QChar separator = QDir::separator());

// A folder in the native form the rest of the program stores and joins: "C:\Music", "C:\",
// "/home/u/Music", "/". A bare drive designation ("c:") means that drive's root.
QString NativeFolderPath(const QString& folder);
