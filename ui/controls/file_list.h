#pragma once

#include "playlist/file_patterns.h"
#include "ui/controls/list_box.h"

// The file list: the files of one folder whose names match its patterns, sorted without regard to
// case. Folders and hidden files are not listed.
class FileList : public TextListBox {
    Q_OBJECT
public:
    FileList(const QString& patterns, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    // False, and the list stays as it was, when the folder can't be opened.
    bool setPath(const QString& folder);

private:
    FilePatternSet patterns_;
    QString path_;
};
