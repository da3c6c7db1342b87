#pragma once

#include "playlist/entry_path.h"
#include "ui/controls/list_box.h"

// The folder list: the current folder's ancestors from the root down, the folder itself, then its
// sub-folders. A double click or Enter opens a folder. Setting the path raises the change action
// inside the assignment, only on a real change; a folder that can't be opened changes nothing.
class FolderList : public TextListBox {
    Q_OBJECT
public:
    explicit FolderList(const QString& startFolder, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    bool setPath(const QString& folder);

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openRow(int row);

    QString path_;
    QStringList rowPaths_;
};
