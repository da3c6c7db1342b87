// SPDX-License-Identifier: MIT
// "Открыть": an existing playlist file replaces the playlist, and the type selector (and for WPL
// the name box) follows the file.
#include <QComboBox>
#include <QLineEdit>

#include "playlist/entry_path.h"
#include "playlist/readers/playlist_readers.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"
#include "ui/read_progress.h"

namespace {

const QString kOpenFilter = QStringLiteral(
    "Списки воспроизведения (*.m3u *.m3u8 *.pls *.wpl)|*.m3u;*.m3u8;*.pls;*.wpl"
    "|M3U|*.m3u;*.m3u8|PLS|*.pls|WPL|*.wpl");

}  // namespace

void frmMain::lblOpen_Click() {
    dlg.setFlags(0);
    dlg.setFilter(kOpenFilter);
    dlg.setFileName(QString());
    if (dlg.showOpen(this)) OpenPlaylistFile(dlg.fileName());
}

void frmMain::OpenPlaylistFile(const QString& path) {
    // The whole file is read before anything changes: a file that can't be read, or whose reading
    // the user gives up, changes nothing.
    const std::optional<ReadResult> finished =
        ReadWithProgress(this, QStringLiteral("Чтение списка воспроизведения\n%1").arg(path),
                         [path] { return ReadPlaylistFile(path); });
    if (!finished) return;
    const ReadResult& read = *finished;
    if (!read.contents) {
        ShowMessage(this, QStringLiteral("Не удалось открыть список воспроизведения\n%1\n\n%2")
                              .arg(path, read.error));
        return;
    }
    QStringList fileNames, folders;
    fileNames.reserve(read.contents->entryPaths.size());
    folders.reserve(read.contents->entryPaths.size());
    for (const QString& entry : read.contents->entryPaths) {
        SplitPath split = SplitEntryPath(entry);
        folders.append(std::move(split.folder));
        fileNames.append(std::move(split.fileName));
    }
    changePlaylist(QStringLiteral("открытие"), [&] {
        lblNew_Click();
        AppendEntries(fileNames, folders);
    });
    // The reader took the file by its extension, so it names one of the types.
    const PlaylistType type = PlaylistTypeOfFile(path).value_or(PlaylistType::M3U);
    cmbPLType->setCurrentIndex(static_cast<int>(type));
    if (type == PlaylistType::WPL) txtPLName->setText(read.contents->title);
}
