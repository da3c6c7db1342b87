// SPDX-License-Identifier: MIT
#pragma once

#include "playlist/file_patterns.h"
#include "ui/controls/folder_watch.h"
#include "ui/controls/list_box.h"

// The file list: the files of one folder whose names match its patterns, sorted without regard to
// case. Folders and hidden files are not listed. It follows files that appear in or leave its
// folder by itself.
class FileList : public TextListBox {
    Q_OBJECT
public:
    FileList(const QString& patterns, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    const FilePatternSet& patterns() const { return patterns_; }
    // False, and the list stays as it was, when the folder can't be opened.
    bool setPath(const QString& folder);
    // The folder's matching files, read by the folder list in its own pass over the folder: the
    // next setPath of that folder shows them instead of reading it again.
    void offerFiles(const QString& folder, QStringList files);
    // Lists the folder again; the selected name stays selected while it is still there. A folder
    // that can no longer be opened leaves the list empty: none of its files can be added.
    void refresh();

private:
    FilePatternSet patterns_;
    QString path_;
    QString offeredFolder_;
    QStringList offeredFiles_;
    FolderWatch watch_;
};
