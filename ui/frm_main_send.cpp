// SPDX-License-Identifier: MIT
// Handing the playlist to a player: its text in the player form goes to the type's temporary
// playlist, then the player's command is started with that file and not waited for.
#include <QComboBox>
#include <QLineEdit>

#include "output/player_command.h"
#include "output/temporary_folder.h"
#include "platform/process_start.h"
#include "ui/controls/output_buffer.h"
#include "ui/frm_main.h"
#include "ui/frm_tools.h"
#include "ui/message_box.h"

namespace {

// The player's window is shown minimized, as the command line asks on Windows.
constexpr int kShowMinimized = 2;

}  // namespace

void frmMain::lblWA_Click() {
    if (playlist_.count() == 0) return;
    const PlaylistType type = selectedPlaylistType();
    if (type == PlaylistType::WPL) {
        ShowMessage(this, kNotM3uOrPlsMessage);
        return;
    }
    sendToPlayer(type, frmTools_->txtWAPath->text(), &WinAmpCommandLine);
}

void frmMain::lblMP_Click() {
    if (playlist_.count() == 0) return;
    if (selectedPlaylistType() != PlaylistType::WPL) {
        ShowMessage(this, kNotWplMessage);
        return;
    }
    sendToPlayer(PlaylistType::WPL, frmTools_->txtMPPath->text(), &MediaPlayerCommandLine);
}

void frmMain::lblOther_Click() {
    if (playlist_.count() == 0) return;
    sendToPlayer(selectedPlaylistType(), frmTools_->txtOthPlPath->text(), &OtherPlayerCommandLine);
}

void frmMain::sendToPlayer(PlaylistType type, const QString& command,
                           CommandLineBuilder buildCommandLine) {
    ComposePlaylistText(type, PlaylistTarget::Player);
    QString playlistPath;
    if (!writeTemporaryPlaylist(type, &playlistPath)) return;
    const QString commandLine = buildCommandLine(command, playlistPath);
    // A blank command would take the playlist's path for the program.
    const ProcessStartResult started = command.trimmed().isEmpty()
                                           ? ProcessStartResult{false, kNoPlayerCommandReason}
                                           : StartProcess(commandLine, kShowMinimized);
    if (!started.started)
        ShowMessage(this, PlayerStartFailedMessage(commandLine, started.failureReason));
}

bool frmMain::writeTemporaryPlaylist(PlaylistType type, QString* writtenPath) {
    const TemporaryPlaylistResult result =
        WriteTemporaryPlaylist(applicationDirectory_, type, txtSave->text());
    txtSave->clear();
    *writtenPath = result.path;
    if (!result.failure) return true;
    ShowMessage(this, TemporaryPlaylistFailedMessage(result.path, *result.failure));
    return false;
}
