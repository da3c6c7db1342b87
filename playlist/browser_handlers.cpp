// The browser follows itself: drive -> folder -> files; the type selector shows the name row for
// the one type that has a title.
#include <QComboBox>
#include <QLineEdit>

#include "output/playlist_text.h"
#include "platform/drive_list.h"
#include "platform/file_list.h"
#include "platform/folder_list.h"
#include "ui/frm_main.h"
#include "ui/skin_label.h"

void frmMain::Drive1_Change() {
    // A drive without a medium or a root that can't be opened leaves both lists where they were.
    Dir1->setPath(Drive1->driveRoot());
}

void frmMain::Dir1_Change() {
    File1->setPath(Dir1->path());
}

void frmMain::cmbPLType_Click() {
    const bool named = cmbPLType->currentIndex() == WPL;
    lblPLName->setVisible(named);
    txtPLName->setVisible(named);
}
