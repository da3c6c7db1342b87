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

std::vector<QString> NaturalKeys(const QStringList& texts) {
    std::vector<QString> keys;
    keys.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) keys.push_back(NaturalKey(text));
    return keys;
}

// Each folder's place among the distinct folders in natural order. A playlist holds many entries
// of few folders, so each folder's key is made once.
std::vector<int> FolderRanks(const QStringList& folders) {
    QHash<QString, int> rankOf;
    for (const QString& folder : folders) rankOf.insert(folder, 0);
    QStringList distinct = rankOf.keys();
    const std::vector<QString> keys = NaturalKeys(distinct);
    std::vector<int> order = AllRows(distinct.size());
    std::sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    for (int rank = 0; rank < static_cast<int>(order.size()); ++rank)
        rankOf[distinct[order[rank]]] = rank;
    std::vector<int> ranks;
    ranks.reserve(static_cast<std::size_t>(folders.size()));
    for (const QString& folder : folders) ranks.push_back(rankOf.value(folder));
    return ranks;
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

RowOrder OrderByName(const QStringList& fileNames) {
    // Keys are made once per entry rather than in each of the n log n comparisons.
    const std::vector<QString> keys = NaturalKeys(fileNames);
    RowOrder rows = AllRows(fileNames.size());
    std::stable_sort(rows.begin(), rows.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    return rows;
}

RowOrder OrderByPath(const QStringList& folders, const QStringList& fileNames) {
    const std::vector<int> folderRanks = FolderRanks(folders);
    const std::vector<QString> nameKeys = NaturalKeys(fileNames);
    RowOrder rows = AllRows(fileNames.size());
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

RowOrder WithoutRepeats(const QStringList& folders, const QStringList& fileNames) {
    QSet<QString> seen;
    seen.reserve(fileNames.size());
    return RowsThat(fileNames.size(), [&](int row) {
        QString path = JoinEntryPath(folders[row], fileNames[row]);
#ifdef Q_OS_WIN
        path = path.toCaseFolded();
#endif
        if (seen.contains(path)) return false;
        seen.insert(std::move(path));
        return true;
    });
}

RowOrder WithoutMissing(const QStringList& folders, const QStringList& fileNames) {
    return RowsThat(fileNames.size(), [&](int row) {
        const QString path = JoinEntryPath(folders[row], fileNames[row]);
        return ShapeOfEntry(path) == EntryShape::Address || PathExists(path);
    });
}
