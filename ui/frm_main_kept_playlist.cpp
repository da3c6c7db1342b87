// SPDX-License-Identifier: MIT
// The playlist of the last run: kept at the end of a run, brought back by "Восстановить прошлый
// список". The program still starts with an empty playlist.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "output/playlist_file.h"
#include "output/playlist_text.h"
#include "platform/kept_playlist.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

void frmMain::keepPlaylist() {
    if (playlist_.count() == 0) return;
    const PlaylistType type = selectedPlaylistType();
    const QString path = KeptPlaylistPath(type);
    QString text;
    AppendKeptPlaylistLines(text, playlist_.entries(), txtPLName->text());
    QDir().mkpath(QFileInfo(path).absolutePath());
    const PlaylistFileResult result = WritePlaylistFile(path, text, PlaylistEncoding::Utf8);
    if (result.status != PlaylistFileResult::Status::Written) {
        ShowMessage(this, QStringLiteral("Не удалось сохранить список воспроизведения до "
                                         "следующего запуска в файл\n%1\n\n%2")
                              .arg(path, result.failureReason));
        return;
    }
    for (const QString& legacy : LegacyKeptPlaylistPaths()) QFile::remove(legacy);
}

void frmMain::lstPL_RestoreKept() {
    const std::optional<KeptPlaylist> kept = FindKeptPlaylist();
    if (!kept) {
        ShowMessage(this, QStringLiteral("Прошлый список воспроизведения не сохранён."));
        return;
    }
    const std::optional<PlaylistContents> contents = readPlaylistWithProgress(kept->path);
    if (!contents) return;
    replacePlaylist(*contents, QStringLiteral("восстановление"));
    cmbPLType->setCurrentIndex(static_cast<int>(kept->type));
    txtPLName->setText(contents->title);
}
