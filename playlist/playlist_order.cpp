// SPDX-License-Identifier: MIT
#include "playlist/playlist_order.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <numeric>
#include <random>

#include "playlist/case_folding.h"
#include "playlist/entry_path.h"
#include "playlist/regular_file.h"

namespace {

RowOrder AllRows(qsizetype count) {
    RowOrder rows(static_cast<std::size_t>(count));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A text that compares, code unit by code unit, in natural order blind to case: letters are case
// folded, and each run of digits becomes "0", a character for its length without leading zeros,
// then the digits, so that a longer number sorts after a shorter one and "2" before "10".
QString NaturalKey(QStringView text) {
    QString key;
    key.reserve(text.size() + 8);
    qsizetype i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            const qsizetype start = i;
            while (i < text.size() && !IsDigit(text[i])) ++i;
            key += FoldedCase(text.sliced(start, i - start));
            continue;
        }
        while (i + 1 < text.size() && text[i] == u'0' && IsDigit(text[i + 1])) ++i;
        const qsizetype start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        key += u'0';
        key += QChar(static_cast<char16_t>(0x100 + std::min<qsizetype>(i - start, 0xF000)));
        key += text.sliced(start, i - start);
    }
    return key;
}

// The natural key of each item's text.
template <typename Items, typename Text>
std::vector<QString> NaturalKeys(const Items& items, Text text) {
    std::vector<QString> keys;
    keys.reserve(static_cast<std::size_t>(items.size()));
    for (const auto& item : items) keys.push_back(NaturalKey(text(item)));
    return keys;
}

const QString& FileNameOf(const PlaylistEntry& entry) {
    return entry.fileName;
}

// Each folder's place among the distinct folders in natural order. A playlist holds many entries
// of few folders, so each folder's key is made once.
std::vector<int> FolderRanks(const PlaylistEntries& entries) {
    QHash<QString, int> rankOf;
    for (const PlaylistEntry& entry : entries) rankOf.insert(entry.folder, 0);
    QStringList distinct = rankOf.keys();
    const std::vector<QString> keys =
        NaturalKeys(distinct, [](const QString& folder) -> const QString& { return folder; });
    std::vector<int> order = AllRows(distinct.size());
    std::sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    for (int rank = 0; rank < static_cast<int>(order.size()); ++rank)
        rankOf[distinct[order[rank]]] = rank;
    std::vector<int> ranks;
    ranks.reserve(static_cast<std::size_t>(entries.size()));
    for (const PlaylistEntry& entry : entries) ranks.push_back(rankOf.value(entry.folder));
    return ranks;
}

// Rows in the order of their keys; equal keys keep their order.
RowOrder OrderByKeys(const std::vector<QString>& keys) {
    RowOrder rows = AllRows(static_cast<qsizetype>(keys.size()));
    std::stable_sort(rows.begin(), rows.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    return rows;
}

template <typename Keep>
RowOrder RowsThat(qsizetype count, Keep keep) {
    RowOrder rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        if (keep(row)) rows.push_back(row);
    return rows;
}

}  // namespace

RowOrder OrderByName(const PlaylistEntries& entries) {
    // Keys are made once per entry rather than in each of the n log n comparisons.
    return OrderByKeys(NaturalKeys(entries, FileNameOf));
}

RowOrder OrderByTitle(const PlaylistEntries& entries) {
    return OrderByKeys(NaturalKeys(entries, [](const PlaylistEntry& entry) -> const QString& {
        return entry.title && !entry.title->isEmpty() ? *entry.title : entry.fileName;
    }));
}

RowOrder OrderByPath(const PlaylistEntries& entries) {
    const std::vector<int> folderRanks = FolderRanks(entries);
    const std::vector<QString> nameKeys = NaturalKeys(entries, FileNameOf);
    RowOrder rows = AllRows(entries.size());
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        if (folderRanks[a] != folderRanks[b]) return folderRanks[a] < folderRanks[b];
        return nameKeys[a] < nameKeys[b];
    });
    return rows;
}

RowOrder ShuffledOrder(int count) {
    RowOrder rows = AllRows(count);
    std::shuffle(rows.begin(), rows.end(), *QRandomGenerator::global());
    return rows;
}

RowOrder WithoutRepeats(const PlaylistEntries& entries) {
    QSet<QString> seen;
    seen.reserve(entries.size());
    return RowsThat(entries.size(), [&](int row) {
        QString path = EntryPath(entries[row]);
#ifdef Q_OS_WIN
        path = path.toCaseFolded();
#endif
        if (seen.contains(path)) return false;
        seen.insert(std::move(path));
        return true;
    });
}

RowOrder WithoutMissing(const PlaylistEntries& entries) {
    return RowsThat(entries.size(), [&](int row) {
        const QString path = EntryPath(entries[row]);
        return ShapeOfEntry(path) == EntryShape::Address || PathExists(path);
    });
}

RowOrder WithoutRows(int count, const RowSet& rows) {
    auto next = rows.begin();
    return RowsThat(count, [&](int row) {
        const bool listed = next != rows.end() && *next == row;
        next += listed;
        return !listed;
    });
}

RowOrder RowsMovedBefore(int count, const RowSet& rows, int insertBefore) {
    RowOrder order;
    order.reserve(static_cast<std::size_t>(count));
    const RowOrder others = WithoutRows(count, rows);
    // The unselected rows above the insertion point stay above the moved block.
    const auto split = std::lower_bound(others.begin(), others.end(), insertBefore);
    order.insert(order.end(), others.begin(), split);
    order.insert(order.end(), rows.begin(), rows.end());
    order.insert(order.end(), split, others.end());
    return order;
}

RowOrder RowsMovedUp(int count, const RowSet& rows) {
    RowOrder order = AllRows(count);
    // Positions above `stuck` hold selected rows that could not move: the next one stops below.
    int stuck = 0;
    for (const int row : rows) {
        if (row > stuck)
            std::swap(order[row - 1], order[row]);
        else
            stuck = row + 1;
    }
    return order;
}

RowOrder RowsMovedDown(int count, const RowSet& rows) {
    RowOrder order = AllRows(count);
    int stuck = count - 1;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row < stuck)
            std::swap(order[*row + 1], order[*row]);
        else
            stuck = *row - 1;
    }
    return order;
}
