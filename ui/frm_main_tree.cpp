// SPDX-License-Identifier: MIT
// The folder list's menu: a folder's files, or the files of the whole tree below it.
#include <QKeySequence>
#include <QMenu>

#include "playlist/file_patterns.h"
#include "playlist/folder_listing.h"
#include "playlist/folder_tree_walk.h"
#include "playlist/playlist_limits.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/skin_menu.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"
#include "ui/tree_walk_progress.h"

namespace {

QString UnreadableFoldersText(const QStringList& folders) {
    return QStringLiteral("Не удалось прочитать папки (%1):\n").arg(folders.size()) +
           ItemLines(folders);
}

}  // namespace

void frmMain::Dir1_MenuRequested(const QString& folder, QPoint globalPos) {
    QMenu* menu = MakeSkinMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The keys that do the same in the folder list, shown beside each command.
    const QString addFolderKey = QKeySequence(kAddFolderKey).toString(QKeySequence::NativeText);
    const QString addTreeKey = QKeySequence(kAddTreeKey).toString(QKeySequence::NativeText);
    menu->addAction(QStringLiteral("Добавить папку\t") + addFolderKey, this,
                    [this, folder] { Dir1_AddFolder(folder); });
    menu->addAction(QStringLiteral("Добавить с подпапками\t") + addTreeKey, this,
                    [this, folder] { Dir1_AddTree(folder); });
    menu->popup(globalPos);
}

void frmMain::Dir1_AddFolder(const QString& folder) {
    const std::optional<QStringList> files =
        ListMatchingFiles(folder, FilePatternSet(kMediaFilePatterns));
    if (!files) {
        ShowMessage(this, UnreadableFoldersText({folder}));
        return;
    }
    if (!files->isEmpty())
        addToPlaylist(EntriesInFolder(*files, folder), QStringLiteral("добавление"));
}

void frmMain::Dir1_AddTree(const QString& folder) {
    const FilePatternSet patterns(kMediaFilePatterns);
    // Files handed over while the walk runs take room or free it (a playlist opened in its
    // place), so the room at the start bounds nothing: the walk stops at what any playlist holds,
    // and the append counts what fits when it comes.
    const FolderTreeWalk walk = WalkWithProgress(this, [&](const FolderTreeProgress& progress) {
        return WalkFolderTree(folder, patterns, kMaxPlaylistEntries, progress);
    });
    const qsizetype left = playlist_.append(walk.entries, QStringLiteral("добавление папок"));
    QStringList messages;
    if (!walk.unreadableFolders.isEmpty())
        messages.append(UnreadableFoldersText(walk.unreadableFolders));
    if (left > 0 || walk.stoppedAtLimit) messages.append(kPlaylistFullMessage);
    if (!messages.isEmpty()) ShowMessage(this, messages.join(QStringLiteral("\n\n")));
}
