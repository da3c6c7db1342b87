// SPDX-License-Identifier: MIT
// The details panel: path, size, type and position of the selected entry.
#include "playlist/entry_details_text.h"
#include "playlist/entry_path.h"
#include "playlist/regular_file.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_main.h"

void frmMain::lstPL_Click() {
    const int selected = lstPL->listIndex();
    if (selected < 0) return;  // clearing the playlist leaves the panel as it was
    const QString& fileName = playlist_.fileNames().at(selected);
    const QString path = JoinEntryPath(playlist_.folders().at(selected), fileName);
    lblPath->setValue(OneLinePathText(path));
    const std::optional<qint64> size = RegularFileSize(path);
    lblSize->setValue(size ? SizeText(*size) : kUnmeasurableSizeText);
    lblType->setValue(TypeText(fileName));
    lblRec->setValue(PositionText(selected, playlist_.count()));
}
