// SPDX-License-Identifier: MIT
// Composing the playlist's text into the output buffer, writing the buffer out, and the Save
// command that does both around the Save dialog.
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <atomic>
#include <memory>

#include "output/playlist_text.h"
#include "output/portable_folders.h"
#include "platform/drive_roots.h"
#include "platform/media_tags.h"
#include "ui/controls/output_buffer.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"
#include "ui/read_progress.h"

void frmMain::ComposePlaylistText(PlaylistType type, PlaylistTarget target) {
    AppendPlaylistLines(txtSave->text(), type, target, playlist_.entries(), txtPLName->text());
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
    reportSave(path, WriteOutputBuffer(path));
}

void frmMain::reportSave(const QString& path, const PlaylistFileResult& result) {
    if (result.status == PlaylistFileResult::Status::Failed)
        ShowMessage(this, SaveFailedMessage(path, result.failureReason));
    else if (result.status == PlaylistFileResult::Status::Written && result.charactersReplaced)
        ShowMessage(this, kCharactersReplacedMessage);
}

// The Save dialog for the commands that compose after it: the chosen path, empty when cancelled.
QString frmMain::askSavePath(PlaylistType type) {
    dlg.setFlags(CommonDialog::kOverwritePrompt);
    dlg.setFilter(PlaylistSaveFilter(type));
    dlg.setFileName(QString());
    return dlg.showSave(this) ? dlg.fileName() : QString();
}

// "Сохранить как XSPF...": the saved text of the type that carries titles and lengths to every
// player, while the selector keeps offering the types of old.
void frmMain::lstPL_SaveXspf() {
    const QString path = askSavePath(PlaylistType::XSPF);
    if (path.isEmpty()) return;
    ComposePlaylistText(PlaylistType::XSPF, PlaylistTarget::SaveFile);
    reportSave(path, WriteOutputBuffer(path));
}

// "Сохранить для переноса...": the place comes first, as the entries are written relative to it.
void frmMain::lstPL_SavePortable() {
    const PlaylistType type = selectedPlaylistType();
    const QString path = askSavePath(type);
    if (path.isEmpty()) return;
    const QString playlistFolder = QFileInfo(path).absolutePath();
    const QStringList drives = AvailableDriveRoots();
    const QString playlistsDrive = DriveRootOf(playlistFolder, drives);
    const PlaylistEntries entries = EntriesRelativeTo(
        playlist_.entries(), playlistFolder, type,
        [&](const QString& folder) { return DriveRootOf(folder, drives) == playlistsDrive; });
    AppendPlaylistLines(txtSave->text(), type, PlaylistTarget::SaveFile, entries,
                        txtPLName->text());
    reportSave(path, WriteOutputBuffer(path));
}

// "Сохранить с тегами...": the saved text with each local entry's length and "Artist - Title" read
// from its tags, in the background; the plain "Сохранить" writes what the entries carry.
void frmMain::lstPL_SaveWithTags() {
    const PlaylistType type = selectedPlaylistType();
    const QString path = askSavePath(type);
    if (path.isEmpty()) return;
    const PlaylistEntries entries = playlist_.entries();
    // Shared with the worker, which goes on until it notices that the user gave up.
    auto tagged = std::make_shared<PlaylistEntries>();
    auto givenUp = std::make_shared<std::atomic_bool>(false);
    const bool finished =
        RunWithProgress(this, QStringLiteral("Чтение тегов: %1 файлов").arg(entries.size()),
                        [tagged, givenUp, entries] {
                            tagged->reserve(entries.size());
                            for (qsizetype i = 0; i < entries.size() && !*givenUp; ++i)
                                tagged->append(EntryWithTags(entries[i]));
                        });
    if (!finished) {
        *givenUp = true;
        return;
    }
    AppendPlaylistLines(txtSave->text(), type, PlaylistTarget::SaveFile, *tagged,
                        txtPLName->text());
    reportSave(path, WriteOutputBuffer(path));
}
