// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <vector>

// The playlist's ordering and clean-up commands, over its two columns. Each gives the rows to
// keep, in their new order (entry i of the result is the entry now at row order[i]), which
// PlaylistModel::rearrange applies to both columns at once.
using RowOrder = std::vector<int>;

// Natural order, blind to case: "track 2" before "Track 10". Equal keys keep their order. By path
// is by folder, then by name within each folder.
RowOrder OrderByName(const QStringList& fileNames);
RowOrder OrderByPath(const QStringList& folders, const QStringList& fileNames);

// Every order equally likely.
RowOrder ShuffledOrder(int count);

// The first of each equal path stays. Paths are compared as the file system does: exactly on
// POSIX, blind to case on Windows.
RowOrder WithoutRepeats(const QStringList& folders, const QStringList& fileNames);

// Local entries whose file (or folder) doesn't exist go; addresses stay, as nothing here can
// check them.
RowOrder WithoutMissing(const QStringList& folders, const QStringList& fileNames);
