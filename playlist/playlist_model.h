// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "playlist/playlist_entry.h"

// The playlist's entries as a table the views show: the visible playlist shows the names column
// and the hidden list the folders column, so the two can never fall out of step. The entries are
// one shared list, which the playlist texts are composed from and the history keeps without a
// copy; a run of entries is added with one notification. Only the playlist document (playlist.h)
// changes it, each change a step of its history.
class PlaylistModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kFileNameColumn = 0, kFolderColumn = 1, kColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // A name's tooltip and accessible description say what its playlist carried: its title and
    // length.
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return static_cast<int>(entries_.size()); }
    const PlaylistEntries& entries() const { return entries_; }

private:
    friend class Playlist;

    void append(const PlaylistEntries& entries);
    void removeAt(int row);
    // Moves one entry so that it stands before the entry now at `insertBefore` (the count: the
    // end).
    void move(int from, int insertBefore);
    // Replaces every entry at once (opening a file, a step back or forth in the history).
    void setEntries(PlaylistEntries entries);
    // Keeps the entries at these rows, in this order (see playlist_order.h); rows left out go.
    void rearrange(const std::vector<int>& rows);

    PlaylistEntries entries_;
};
