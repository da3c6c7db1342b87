// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// The playlist: entry i is a media file's name and the folder that holds it. The visible playlist
// shows the names column and the hidden list the folders column, so the two can never fall out of
// step. Both columns are kept as whole lists, which the playlist texts are composed from without a
// copy, and a run of entries is added with one notification.
class PlaylistModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kFileNameColumn = 0, kFolderColumn = 1, kColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return static_cast<int>(fileNames_.size()); }
    const QStringList& fileNames() const { return fileNames_; }
    const QStringList& folders() const { return folders_; }

    // Both lists have the same length.
    void append(const QStringList& fileNames, const QStringList& folders);
    void clear();
    void removeAt(int row);
    // Moves one entry so that it stands before the entry now at `insertBefore` (the count: the
    // end).
    void move(int from, int insertBefore);

    // Replaces every entry at once (taking a step back or forth in the playlist's history).
    void setEntries(const QStringList& fileNames, const QStringList& folders);
    // Keeps the entries at these rows, in this order (see playlist_order.h); rows left out go.
    void rearrange(const std::vector<int>& rows);

private:
    QStringList fileNames_;
    QStringList folders_;
};
