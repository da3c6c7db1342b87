// SPDX-License-Identifier: MIT
// The details panel: path, size, type and position of the selected entry.
#include "playlist/entry_details_text.h"
#include "playlist/regular_file.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_main.h"

void frmMain::lstPL_Click() {
    const int selected = lstPL->listIndex();
    if (selected < 0) return;  // clearing the playlist leaves the panel as it was
    const PlaylistEntry& entry = playlist_.entries().at(selected);
    const QString path = EntryPath(entry);
    lblPath->setValue(OneLinePathText(path));
    const std::optional<qint64> size = RegularFileSize(path);
    lblSize->setValue(size ? SizeText(*size) : kUnmeasurableSizeText);
    lblType->setValue(TypeText(entry.fileName));
    lblRec->setValue(PositionText(selected, playlist_.count()));
}
