// SPDX-License-Identifier: MIT
// The browser follows itself: drive -> folder -> files, and the drive list always shows the drive
// of the folder shown. The type selector shows the name row for the one type that has a title.
#include <QComboBox>
#include <QLineEdit>

#include "ui/controls/drive_list.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_main.h"

void frmMain::Drive1_Change() {
    // A drive without a medium or a root that can't be opened leaves both lists where they were,
    // and the drive list goes back to the drive they show.
    if (!Dir1->setPath(Drive1->driveRoot())) Drive1->showDriveOf(Dir1->path());
}

void frmMain::Dir1_Change() {
    File1->setPath(Dir1->path());
    Drive1->showDriveOf(Dir1->path());
    dlg.setInitialFolder(Dir1->path());
}

void frmMain::cmbPLType_Click() {
    const bool named = selectedPlaylistType() == PlaylistType::WPL;
    lblPLName->setVisible(named);
    txtPLName->setVisible(named);
}
