// SPDX-License-Identifier: MIT
#include "playlist/playlist_find.h"

#include "playlist/case_folding.h"

namespace {

// Case folded, "ё" read as "е".
QString SearchForm(QStringView text) {
    QString folded = FoldedCase(text);
    folded.replace(u'ё', u'е');
    return folded;
}

}  // namespace

RowSet FindEntries(const PlaylistEntries& entries, const QString& text) {
    RowSet found;
    const QString wanted = SearchForm(text);
    if (wanted.isEmpty()) return found;
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        const PlaylistEntry& entry = entries[row];
        if (SearchForm(entry.fileName).contains(wanted) ||
            SearchForm(entry.folder).contains(wanted) ||
            (entry.title && SearchForm(*entry.title).contains(wanted)))
            found.push_back(row);
    }
    return found;
}
