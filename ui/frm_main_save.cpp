// Composing the playlist's text into the output buffer, writing the buffer out, and the Save
// command that does both around the Save dialog.
#include <QComboBox>
#include <QLineEdit>

#include "output/playlist_text.h"
#include "ui/controls/output_buffer.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

void frmMain::ComposePlaylistText(PlaylistType type, PlaylistTarget target) {
    AppendPlaylistLines(txtSave->text(), type, target, playlist_.folders(), playlist_.fileNames(),
                        txtPLName->text());
}

PlaylistFileResult frmMain::WriteOutputBuffer(const QString& path) {
    PlaylistFileResult result = WritePlaylistFile(path, txtSave->text());
    txtSave->clear();  // whatever happened, the next command starts with an empty buffer
    return result;
}

void frmMain::lblSave_Click() {
    ComposePlaylistText(selectedPlaylistType(), PlaylistTarget::SaveFile);
    dlg.setFlags(CommonDialog::kOverwritePrompt);
    dlg.setFilter(PlaylistSaveFilter(selectedPlaylistType()));
    dlg.setFileName(QString());
    dlg.showSave(this);
    // A cancelled dialog leaves the empty name: nothing is written and nothing is said.
    const QString path = dlg.fileName();
    const PlaylistFileResult result = WriteOutputBuffer(path);
    if (result.status == PlaylistFileResult::Status::Failed)
        ShowMessage(this, SaveFailedMessage(path, result.failureReason));
    else if (result.status == PlaylistFileResult::Status::Written && result.charactersReplaced)
        ShowMessage(this, kCharactersReplacedMessage);
}
