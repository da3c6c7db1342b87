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

void SortWithoutCase(QStringList& names);
