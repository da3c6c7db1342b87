// SPDX-License-Identifier: MIT
// Adding to, removing from, reordering and clearing the playlist. Every edit goes through the
// playlist model, which both lstPL (names) and lstP (folders) show.
#include "playlist/dropped_files.h"
#include "playlist/playlist_limits.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

void frmMain::AppendEntries(const QStringList& fileNames, const QStringList& folders) {
    const qsizetype room = kMaxPlaylistEntries - playlist_.count();
    const qsizetype taken = std::min(fileNames.size(), room);
    if (taken > 0) {
        changePlaylist(QStringLiteral("добавление"),
                       [&] { playlist_.append(fileNames.mid(0, taken), folders.mid(0, taken)); });
    }
    if (taken < fileNames.size()) ShowMessage(this, kPlaylistFullMessage);
}

void frmMain::lblAdd_Click() {
    const int selected = File1->listIndex();
    if (selected < 0) return;
    AppendEntries({File1->item(selected)}, {Dir1->path()});
}

void frmMain::lblAddAll_Click() {
    const int listed = File1->listCount();
    if (listed <= 0) return;
    AppendEntries(File1->items(), QStringList(listed, Dir1->path()));
}

void frmMain::lblDelAll_Click() {
    changePlaylist(QStringLiteral("очистку"), [this] { playlist_.clear(); });
}

void frmMain::lblNew_Click() {
    changePlaylist(QStringLiteral("новый список"), [this] { lblDelAll_Click(); });
}

void frmMain::lblDel_Click() {
    const int selected = lstPL->listIndex();
    if (selected < 0) return;
    changePlaylist(QStringLiteral("удаление"), [&] {
        playlist_.removeAt(selected);
        // The entry that took its place, or the new last one, is selected and shown.
        lstPL->setListIndex(std::min(selected, playlist_.count() - 1));
        lstPL_Click();
    });
}

void frmMain::lstPL_MoveEntry(int from, int insertBefore) {
    changePlaylist(QStringLiteral("перемещение"), [&] { playlist_.move(from, insertBefore); });
}

void frmMain::lstPL_MoveSelectedUp() {
    const int selected = lstPL->listIndex();
    if (selected <= 0) return;
    changePlaylist(QStringLiteral("перемещение"), [&] {
        playlist_.move(selected, selected - 1);
        lstPL->setListIndex(selected - 1);
    });
}

void frmMain::lstPL_MoveSelectedDown() {
    const int selected = lstPL->listIndex();
    if (selected < 0 || selected + 1 >= playlist_.count()) return;
    changePlaylist(QStringLiteral("перемещение"), [&] {
        playlist_.move(selected, selected + 2);
        lstPL->setListIndex(selected + 1);
    });
}

void frmMain::lstPL_FilesDropped(const QList<QUrl>& urls) {
    const DroppedEntries dropped = CollectDroppedMedia(urls, FilePatternSet(kMediaFilePatterns));
    if (!dropped.fileNames.isEmpty()) AppendEntries(dropped.fileNames, dropped.folders);
}
