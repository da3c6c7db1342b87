// Handing the playlist to a player: its text in the player form goes to the type's temporary
// playlist, then the player's command is started with that file and not waited for.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>

#include "output/player_command.h"
#include "platform/app_info.h"
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
    // The application's own Temp folder first; a program installed where it may not write uses a
    // folder of its own in the user's temporary location.
    const QString bases[] = {applicationDirectory_,
                             QDir::toNativeSeparators(QDir(QStandardPaths::writableLocation(
                                                               QStandardPaths::TempLocation))
                                                          .filePath(kApplicationTitle))};
    PlaylistFileResult result;
    for (const QString& base : bases) {
        *writtenPath = TemporaryPlaylistPath(base, type);
        QDir().mkpath(TemporaryPlaylistFolder(base));
        result = WritePlaylistFile(*writtenPath, txtSave->text());
        if (result.status == PlaylistFileResult::Status::Written) break;
    }
    txtSave->clear();
    if (result.status == PlaylistFileResult::Status::Written) return true;
    ShowMessage(this, TemporaryPlaylistFailedMessage(*writtenPath, result.failureReason));
    return false;
}
