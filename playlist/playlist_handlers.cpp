// Adding to, removing from, reordering and clearing the playlist. The two lists hold one entry at
// each position: the file name in lstPL, its folder in lstP; every edit changes both alike.
#include <QSignalBlocker>

#include "platform/file_list.h"
#include "platform/folder_list.h"
#include "platform/message_box.h"
#include "playlist/dropped_files.h"
#include "playlist/playlist_limits.h"
#include "ui/frm_main.h"
#include "ui/playlist_box.h"

void frmMain::AppendEntries(const QStringList& fileNames, const QStringList& folders) {
    const qsizetype room = kMaxPlaylistEntries - lstPL->listCount();
    const qsizetype taken = std::min(fileNames.size(), room);
    if (taken > 0) {
        lstPL->addItems(fileNames.mid(0, taken));
        lstP->addItems(folders.mid(0, taken));
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
    lstPL->clear();
    lstP->clear();
}

void frmMain::lblNew_Click() {
    lblDelAll_Click();
}

void frmMain::lblDel_Click() {
    const int selected = lstPL->listIndex();
    if (selected < 0) return;
    {
        // While the rows go, the list moves its selection on its own, with lstP not yet in step;
        // the details panel must only see the finished edit.
        const QSignalBlocker quiet(lstPL);
        lstPL->removeItem(selected);
        lstP->removeItem(selected);
        // The entry that took its place, or the new last one, is selected and shown.
        lstPL->setListIndex(std::min(selected, lstPL->listCount() - 1));
    }
    lstPL_Click();
}

void frmMain::lstPL_MoveEntry(int from, int insertBefore) {
    lstPL->moveItem(from, insertBefore);
    lstP->moveItem(from, insertBefore);
}

void frmMain::lstPL_FilesDropped(const QList<QUrl>& urls) {
    const DroppedEntries dropped = CollectDroppedMedia(urls, FilePatternSet(kMediaFilePatterns));
    if (!dropped.fileNames.isEmpty()) AppendEntries(dropped.fileNames, dropped.folders);
}
