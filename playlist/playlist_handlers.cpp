// Adding to and clearing the playlist. The two lists hold one entry at each position: the file
// name in lstPL, its folder in lstP.
#include "platform/file_list.h"
#include "platform/folder_list.h"
#include "platform/message_box.h"
#include "playlist/playlist_limits.h"
#include "ui/frm_main.h"
#include "ui/list_box.h"

void frmMain::lblAdd_Click() {
    const int selected = File1->listIndex();
    if (selected < 0) return;
    if (lstPL->listCount() >= kMaxPlaylistEntries) {
        ShowMessage(this, kPlaylistFullMessage);
        return;
    }
    lstPL->addItem(File1->item(selected));
    lstP->addItem(Dir1->path());
}

void frmMain::lblAddAll_Click() {
    const int listed = File1->listCount();
    if (listed <= 0) return;
    const int room = kMaxPlaylistEntries - lstPL->listCount();
    const int taken = std::min(listed, room);
    if (taken > 0) {
        lstPL->addItems(File1->items().mid(0, taken));
        lstP->addItems(QStringList(taken, Dir1->path()));
    }
    if (taken < listed) ShowMessage(this, kPlaylistFullMessage);
}

void frmMain::lblDelAll_Click() {
    lstPL->clear();
    lstP->clear();
}

void frmMain::lblNew_Click() {
    lblDelAll_Click();
}
