#include "playlist/playlist_order.h"

#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <numeric>
#include <random>

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
            key += text.sliced(start, i - start).toString().toCaseFolded();
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

// Keys are made once per entry rather than in each of the n log n comparisons.
template <typename TextOf>
RowOrder NaturalOrder(qsizetype count, TextOf textOf) {
    QStringList keys;
    keys.reserve(count);
    for (qsizetype row = 0; row < count; ++row) keys.append(NaturalKey(textOf(row)));
    RowOrder rows = AllRows(count);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return keys[a] < keys[b]; });
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

RowOrder OrderByName(const QStringList& fileNames) {
    return NaturalOrder(fileNames.size(), [&](qsizetype row) { return fileNames[row]; });
}

RowOrder OrderByPath(const QStringList& folders, const QStringList& fileNames) {
    return NaturalOrder(fileNames.size(),
                        [&](qsizetype row) { return JoinEntryPath(folders[row], fileNames[row]); });
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
