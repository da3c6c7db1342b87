// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class FilePatternSet;

// Names in the folder (no hidden ones, no "." or ".."), sorted without regard to case. Empty
// optional when the folder can't be opened, so the caller can leave its list as it was.
std::optional<QStringList> ListMatchingFiles(const QString& folder, const FilePatternSet& patterns);
std::optional<QStringList> ListSubfolders(const QString& folder);

// What one pass over a folder finds: its sub-folders (when asked for) and its files that match the
// patterns (when given), each sorted as above. A browser that shows both reads the folder once.
struct FolderNames {
    QStringList subfolders;
    QStringList files;
};
std::optional<FolderNames> ReadFolder(const QString& folder, const FilePatternSet* patterns,
                                      bool subfolders = true);

void SortWithoutCase(QStringList& names);
