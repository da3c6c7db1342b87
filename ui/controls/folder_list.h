// SPDX-License-Identifier: MIT
#pragma once

#include "playlist/entry_path.h"
#include "ui/controls/folder_watch.h"

class FileList;
#include "ui/controls/list_box.h"

// The folder list: the current folder's ancestors from the root down, the folder itself, then its
// sub-folders. A double click or Enter opens a folder. Setting the path raises the change action
// inside the assignment, only on a real change; a folder that can't be opened changes nothing, and
// the highlight stays on the folder shown. Sub-folders that appear or go are followed by
// themselves.
//
// The start folder is listed only when the first folder asked for can't be opened: a start that
// restores another folder never reads it (it may hold a million files).
class FolderList : public TextListBox {
    Q_OBJECT
public:
    explicit FolderList(const QString& startFolder, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    bool setPath(const QString& folder);
    // Lists the sub-folders again, the highlight kept on the folder it was on; when the folder
    // shown is gone, the nearest folder above it that can be opened is shown instead.
    void refresh();
    // The folder of the highlighted row (an ancestor, the folder shown or a sub-folder), or empty.
    QString selectedFolder() const;
    // The file list that shows this list's folder: setPath reads its files in the same pass over
    // the folder and offers them to it, so a folder is read once for both lists.
    void shareReadingWith(FileList* files) { files_ = files; }

signals:
    void changed();
    // A right click on a row or the Menu key asks for the commands of that row's folder (for the
    // Menu key the highlighted row); `globalPos` is where a menu opens.
    void menuRequested(const QString& folder, QPoint globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void openRow(int row);
    void showFolder(const QString& target, const QStringList& subfolders);
    QString path_;
    QString startFolder_;  // until the first folder is shown
    QStringList rowPaths_;
    // The row of the folder shown: its ancestors are listed above it.
    int shownRow_ = -1;
    FolderWatch watch_;
    FileList* files_ = nullptr;
};
