#pragma once

#include <QDir>
#include <QString>

// The one join of folder and file name for the whole program: the root folder already ends in a
// separator ("/" or "C:\"), so it must not get a second one.
QString JoinEntryPath(const QString& folder, const QString& fileName,
                      QChar separator = QDir::separator());
// The same join appended to a text, for writers of many paths. Returns whether a separator was
// put between the two.
bool AppendEntryPath(QString& text, const QString& folder, const QString& fileName,
                     QChar separator = QDir::separator());

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
