// SPDX-License-Identifier: MIT
// Adding to, removing from, reordering and clearing the playlist: each handler is one operation
// of the playlist document, which both lstPL (names) and lstP (folders) show.
#include "playlist/dropped_files.h"
#include "playlist/playlist_limits.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

void frmMain::wirePlaylist() {
    lstPL->setModel(&playlist_.model());
    lstPL->setModelColumn(PlaylistModel::kFileNameColumn);
    lstP->setModel(&playlist_.model());
    lstP->setModelColumn(PlaylistModel::kFolderColumn);
    // The user's choice of entry is the document's current one, and the other way round.
    connect(lstPL, &ListBox::selectionChanged, this,
            [this] { playlist_.setCurrentRow(lstPL->listIndex()); });
    connect(&playlist_, &Playlist::currentEntryChanged, this, &frmMain::showCurrentEntry);
}

void frmMain::showCurrentEntry(int row) {
    if (lstPL->listIndex() != row)
        lstPL->setListIndex(row);  // its selection change shows the entry
    else if (row >= 0)
        lstPL_Click();  // another entry took the place of the one shown
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
    playlist_.removeAt(lstPL->listIndex());
}

void frmMain::lstPL_MoveEntry(int from, int insertBefore) {
    playlist_.move(from, insertBefore);
}

void frmMain::lstPL_FilesDropped(const QList<QUrl>& urls) {
    const PlaylistEntries dropped = CollectDroppedMedia(urls, FilePatternSet(kMediaFilePatterns));
    if (!dropped.isEmpty()) addToPlaylist(dropped, QStringLiteral("добавление"));
}
