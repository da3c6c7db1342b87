// SPDX-License-Identifier: MIT
// "Открыть": an existing playlist file replaces the playlist, and the type selector (and for WPL
// and XSPF the name box) follows the file.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "playlist/playlist_limits.h"
#include "playlist/readers/playlist_readers.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"
#include "ui/read_progress.h"

namespace {

const QString kOpenFilter = QStringLiteral(
    "Списки воспроизведения (*.m3u *.m3u8 *.pls *.wpl *.xspf)|*.m3u;*.m3u8;*.pls;*.wpl;*.xspf"
    "|M3U|*.m3u;*.m3u8|PLS|*.pls|WPL|*.wpl|XSPF|*.xspf");

// A message naming thousands of lines would not fit on the screen.
constexpr qsizetype kOverLongLinesNamed = 20;

QString OverLongEntriesText(const QList<qsizetype>& lines) {
    QStringList named;
    for (qsizetype i = 0; i < std::min(lines.size(), kOverLongLinesNamed); ++i)
        named.append(QString::number(lines.at(i)));
    QString text = QStringLiteral("Пропущено записей длиннее %1 байт: %2 (%3 %4")
                       .arg(kMaxEntryBytes)
                       .arg(lines.size())
                       .arg(lines.size() == 1 ? QStringLiteral("строка") : QStringLiteral("строки"),
                            named.join(QStringLiteral(", ")));
    if (lines.size() > kOverLongLinesNamed)
        text += QStringLiteral(" и ещё %1").arg(lines.size() - kOverLongLinesNamed);
    return text + QStringLiteral(").");
}

}  // namespace

void frmMain::lblOpen_Click() {
    dlg.setFlags(0);
    dlg.setFilter(kOpenFilter);
    dlg.setFileName(QString());
    if (dlg.showOpen(this)) OpenPlaylistFile(dlg.fileName());
}

void frmMain::OpenPlaylistFile(const QString& path) {
    const std::optional<PlaylistContents> contents = readPlaylistWithProgress(path);
    if (!contents) return;
    // The reader took the file by its extension, so it names one of the types.
    const PlaylistType type = PlaylistTypeOfFile(path).value_or(PlaylistType::M3U);
    replacePlaylist(*contents, QStringLiteral("открытие"));
    // The selector keeps its type for an XSPF, which it doesn't offer.
    if (IsSelectorType(type)) cmbPLType->setCurrentIndex(static_cast<int>(type));
    if (type == PlaylistType::WPL || type == PlaylistType::XSPF)
        txtPLName->setText(contents->title);
}

std::optional<PlaylistContents> frmMain::readPlaylistWithProgress(const QString& path) {
    const std::optional<ReadResult> finished =
        ReadWithProgress(this, QStringLiteral("Чтение списка воспроизведения\n%1").arg(path),
                         [path] { return ReadPlaylistFile(path); });
    if (!finished) return std::nullopt;
    if (!finished->contents) {
        ShowMessage(this, QStringLiteral("Не удалось открыть список воспроизведения\n%1\n\n%2")
                              .arg(path, finished->error));
    }
    return finished->contents;
}

void frmMain::replacePlaylist(const PlaylistContents& contents, const QString& what) {
    QStringList messages;
    if (!contents.overLongLines.isEmpty())
        messages.append(OverLongEntriesText(contents.overLongLines));
    if (playlist_.replace(contents.entries, what) > 0 || contents.entriesLeftOut)
        messages.append(kPlaylistFullMessage);
    if (!messages.isEmpty()) ShowMessage(this, messages.join(QStringLiteral("\n\n")));
}
