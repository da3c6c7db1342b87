// SPDX-License-Identifier: MIT
// Files and folders handed to the program ("Open with", the command line, a later start): each in
// order, a playlist opened as "Открыть" does, media files (any audio or video) added, a folder
// shown in the browser.
#include <QFileInfo>

#include "platform/drive_roots.h"
#include "playlist/entry_path.h"
#include "playlist/file_patterns.h"
#include "playlist/media_files.h"
#include "playlist/playlist_limits.h"
#include "playlist/playlist_type.h"
#include "ui/controls/drive_list.h"
#include "ui/controls/folder_list.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

namespace {

QString NotOpenedMessage(const QStringList& paths) {
    return QStringLiteral(
               "Не удалось открыть:\n%1\n\nЭто не список воспроизведения, не медиафайл "
               "и не папка.")
        .arg(ItemLines(paths));
}

// Such a path names nothing, and the whole of it would hold the message box for minutes: its start
// tells it.
QString OverLongPathText(const QString& path) {
    static constexpr qsizetype kShownStart = 100;
    return QStringLiteral("%1… (длиннее %2 байт)").arg(path.first(kShownStart)).arg(kMaxEntryBytes);
}

}  // namespace

void frmMain::openArguments(const QStringList& paths) {
    const FilePatternSet mediaPatterns(kMediaFilePatterns);
    PlaylistEntries media;
    QStringList notOpened;
    // Media files in a row are added together, so the limit's message comes once.
    const auto addPending = [&] {
        if (!media.isEmpty()) addToPlaylist(media, QStringLiteral("добавление"));
        media.clear();
    };
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!IsEntryWithinLimit(path)) {
            notOpened.append(OverLongPathText(path));
        } else if (info.isDir()) {
            addPending();
            // The drive first: its change action moves the folder list to the drive's root.
            Drive1->setDrive(DriveRootOf(NativeFolderPath(path), Drive1->roots()));
            if (!Dir1->setPath(path)) notOpened.append(path);
        } else if (info.isFile() && PlaylistTypeOfFile(path)) {
            addPending();
            OpenPlaylistFile(path);
        } else if (info.isFile() && IsNamedMediaFile(path, mediaPatterns)) {
            media.append({NativeFolderPath(info.absolutePath()), info.fileName(), {}, {}});
        } else {
            notOpened.append(path);
        }
    }
    addPending();
    if (!notOpened.isEmpty()) ShowMessage(this, NotOpenedMessage(notOpened));
}
