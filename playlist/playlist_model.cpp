// SPDX-License-Identifier: MIT
#include "playlist/playlist_model.h"

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int PlaylistModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QStringList& column = index.column() == kFileNameColumn ? fileNames_ : folders_;
    return column.at(index.row());
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

void PlaylistModel::append(const QStringList& fileNames, const QStringList& folders) {
    Q_ASSERT(fileNames.size() == folders.size());
    if (fileNames.isEmpty()) return;
    const int first = count();
    beginInsertRows({}, first, first + static_cast<int>(fileNames.size()) - 1);
    fileNames_.append(fileNames);
    folders_.append(folders);
    endInsertRows();
}

void PlaylistModel::clear() {
    beginResetModel();
    fileNames_.clear();
    folders_.clear();
    endResetModel();
}

void PlaylistModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    fileNames_.removeAt(row);
    folders_.removeAt(row);
    endRemoveRows();
}

void PlaylistModel::move(int from, int insertBefore) {
    if (insertBefore == from || insertBefore == from + 1) return;  // already there
    beginMoveRows({}, from, from, {}, insertBefore);
    const int to = insertBefore > from ? insertBefore - 1 : insertBefore;
    fileNames_.move(from, to);
    folders_.move(from, to);
    endMoveRows();
}

void PlaylistModel::rearrange(const std::vector<int>& rows) {
    QStringList fileNames, folders;
    fileNames.reserve(static_cast<qsizetype>(rows.size()));
    folders.reserve(static_cast<qsizetype>(rows.size()));
    for (const int row : rows) {
        fileNames.append(fileNames_.at(row));
        folders.append(folders_.at(row));
    }
    setEntries(fileNames, folders);
}

void PlaylistModel::setEntries(const QStringList& fileNames, const QStringList& folders) {
    Q_ASSERT(fileNames.size() == folders.size());
    beginResetModel();
    fileNames_ = fileNames;
    folders_ = folders;
    endResetModel();
}
