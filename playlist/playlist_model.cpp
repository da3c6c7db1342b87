// SPDX-License-Identifier: MIT
#include "playlist/playlist_model.h"

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int PlaylistModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const PlaylistEntry& entry = entries_.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return index.column() == kFileNameColumn ? entry.fileName : entry.folder;
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole: {
            if (index.column() != kFileNameColumn) return {};
            const QString info = EntryInfoText(entry);
            return info.isEmpty() ? QVariant() : QVariant(info);
        }
        default:
            return {};
    }
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

void PlaylistModel::append(const PlaylistEntries& entries) {
    if (entries.isEmpty()) return;
    const int first = count();
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    entries_.append(entries);
    endInsertRows();
}

void PlaylistModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    entries_.removeAt(row);
    endRemoveRows();
}

void PlaylistModel::move(int from, int insertBefore) {
    if (insertBefore == from || insertBefore == from + 1) return;  // already there
    beginMoveRows({}, from, from, {}, insertBefore);
    entries_.move(from, insertBefore > from ? insertBefore - 1 : insertBefore);
    endMoveRows();
}

void PlaylistModel::rearrange(const std::vector<int>& rows) {
    PlaylistEntries kept;
    kept.reserve(static_cast<qsizetype>(rows.size()));
    for (const int row : rows) kept.append(entries_.at(row));
    setEntries(std::move(kept));
}

void PlaylistModel::setEntries(PlaylistEntries entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}
