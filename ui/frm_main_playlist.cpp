// SPDX-License-Identifier: MIT
// Adding to, removing from, reordering and clearing the playlist: each handler is one operation
// of the playlist document, which both lstPL (names) and lstP (folders) show.
#include <QSignalBlocker>
#include <algorithm>

#include "playlist/dropped_files.h"
#include "playlist/playlist_limits.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

void frmMain::wirePlaylist() {
    static_assert(PlaylistModel::kFileNameColumn == 0, "lstPL shows the table's first column");
    lstPL->showNames(&playlist_.model());
    lstP->setModel(&playlist_.model());
    lstP->setModelColumn(PlaylistModel::kFolderColumn);
    // The user's choice of entries is the document's selection, and the other way round; the
    // hidden list of folders follows it.
    connect(lstPL, &ListBox::selectionChanged, this, [this] {
        playlist_.select(lstPL->selectedRows(), lstPL->listIndex());
        lstP->selectRows(playlist_.selectedRows(), playlist_.currentRow());
    });
    connect(&playlist_, &Playlist::currentEntryChanged, this, &frmMain::showCurrentEntry);
}

void frmMain::showCurrentEntry(int row) {
    {
        // The list reports nothing the document doesn't already know.
        const QSignalBlocker quiet(lstPL);
        lstPL->selectRows(playlist_.selectedRows(), row);
    }
    lstP->selectRows(playlist_.selectedRows(), row);
    if (row >= 0) lstPL_Click();
}

void frmMain::addToPlaylist(const PlaylistEntries& entries, const QString& what) {
    if (playlist_.append(entries, what) > 0) ShowMessage(this, kPlaylistFullMessage);
}

void frmMain::lblAdd_Click() {
    const int selected = File1->listIndex();
    if (selected < 0) return;
    addToPlaylist(EntriesInFolder({File1->item(selected)}, Dir1->path()),
                  QStringLiteral("добавление"));
}

void frmMain::lblAddAll_Click() {
    if (File1->listCount() <= 0) return;
    addToPlaylist(EntriesInFolder(File1->items(), Dir1->path()), QStringLiteral("добавление"));
}

void frmMain::lblDelAll_Click() {
    playlist_.clear(QStringLiteral("очистку"));
}

void frmMain::lblNew_Click() {
    playlist_.clear(QStringLiteral("новый список"));
}

void frmMain::lblDel_Click() {
    playlist_.removeRows(playlist_.selectedRows());
}

void frmMain::lstPL_MoveEntry(int from, int insertBefore) {
    // A drag of a selected entry carries every selected one.
    const RowSet& selected = playlist_.selectedRows();
    if (std::binary_search(selected.begin(), selected.end(), from))
        playlist_.moveRows(selected, insertBefore);
    else
        playlist_.move(from, insertBefore);
}

void frmMain::lstPL_FilesDropped(const QList<QUrl>& urls) {
    const PlaylistEntries dropped = CollectDroppedMedia(urls, FilePatternSet(kMediaFilePatterns));
    if (!dropped.isEmpty()) addToPlaylist(dropped, QStringLiteral("добавление"));
}
