// SPDX-License-Identifier: MIT
// Every command label has a key; the skin shows none of them (the README and --help list them).
// Moving the selected entry and the ordering commands take their keys from the playlist menu.
#include <QShortcut>

#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/frm_main.h"

void frmMain::wireKeys() {
    const std::pair<QKeySequence, void (frmMain::*)()> windowKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), &frmMain::lblNew_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_O), &frmMain::lblOpen_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &frmMain::lblSave_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &frmMain::lblExit_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Return), &frmMain::lblAddAll_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Enter), &frmMain::lblAddAll_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Delete), &frmMain::lblDelAll_Click},
        {QKeySequence(Qt::Key_F2), &frmMain::lblTools_Click},
        {QKeySequence(Qt::Key_F1), &frmMain::lblAbout_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_1), &frmMain::lblMP_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_2), &frmMain::lblWA_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_3), &frmMain::lblOther_Click},
    };
    for (const auto& [key, handler] : windowKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler);

    // Only while the file list has the focus: elsewhere Enter opens a folder or edits a name.
    for (const Qt::Key key : {Qt::Key_Insert, Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), File1);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, &frmMain::lblAdd_Click);
    }

    // The folder list's menu commands, for its highlighted folder.
    const std::pair<QKeyCombination, void (frmMain::*)(const QString&)> folderKeys[] = {
        {kAddFolderKey, &frmMain::Dir1_AddFolder},
        {kAddTreeKey, &frmMain::Dir1_AddTree},
    };
    for (const auto& [key, handler] : folderKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key), Dir1);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, handler = handler] {
            const QString folder = Dir1->selectedFolder();
            if (!folder.isEmpty()) (this->*handler)(folder);
        });
    }
}
