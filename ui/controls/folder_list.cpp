// SPDX-License-Identifier: MIT
#include "ui/controls/folder_list.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <utility>

#include "playlist/entry_path.h"
#include "playlist/folder_listing.h"
#include "ui/controls/file_list.h"

namespace {

// Ancestors first: "/", "/home", "/home/u" for "/home/u".
QStringList FoldersDownTo(const QString& path) {
    QStringList chain;
    for (QDir dir(path);;) {
        chain.prepend(NativeFolderPath(dir.absolutePath()));
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    return chain;
}

QString DisplayName(const QString& folder, int depth) {
    const QString name = SplitEntryPath(folder).fileName;
    return QString(qsizetype{2} * depth, u' ') + (name.isEmpty() ? folder : name);
}

}  // namespace

FolderList::FolderList(const QString& startFolder, QWidget* parent)
    : TextListBox(parent), startFolder_(startFolder) {
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { openRow(index.row()); });
    connect(&watch_, &FolderWatch::changed, this, &FolderList::refresh);
}

bool FolderList::setPath(const QString& folder) {
    const QString target = NativeFolderPath(folder);
    if (!path_.isEmpty() && target == path_) return true;  // nothing is shown before the first
    std::optional<FolderNames> names = ReadFolder(target, files_ ? &files_->patterns() : nullptr);
    if (!names) {
        // The first folder asked for can't be opened: the list shows the start folder, as it
        // would have from the first, and reports it.
        if (!startFolder_.isEmpty()) setPath(std::exchange(startFolder_, QString()));
        return false;
    }
    startFolder_.clear();
    showFolder(target, names->subfolders);
    if (files_) files_->offerFiles(target, std::move(names->files));
    path_ = target;
    watch_.watch(target);
    setListIndex(shownRow_);
    emit changed();
    return true;
}

void FolderList::refresh() {
    if (const std::optional<QStringList> subfolders = ListSubfolders(path_)) {
        const int selected = listIndex();
        const QString selectedPath = selected >= 0 ? rowPaths_.at(selected) : QString();
        showFolder(path_, *subfolders);
        const int row = static_cast<int>(rowPaths_.indexOf(selectedPath));
        setListIndex(row >= 0 ? row : shownRow_);
        return;
    }
    // Upwards by name: the folders in between may be gone too. Each step is shorter, so the walk
    // ends, at the latest at the root of a drive that has gone as a whole.
    for (QString above = QDir::cleanPath(path_);;) {
        const QString parent = QDir::cleanPath(above + QStringLiteral("/.."));
        if (parent.size() >= above.size()) return;
        if (setPath(parent)) return;
        above = parent;
    }
}

void FolderList::showFolder(const QString& target, const QStringList& subfolders) {
    rowPaths_ = FoldersDownTo(target);
    shownRow_ = static_cast<int>(rowPaths_.size()) - 1;
    QStringList rows;
    for (int depth = 0; depth < rowPaths_.size(); ++depth)
        rows.append(DisplayName(rowPaths_.at(depth), depth));
    const int childDepth = static_cast<int>(rowPaths_.size());
    for (const QString& name : subfolders) {
        rowPaths_.append(JoinEntryPath(target, name));
        rows.append(DisplayName(rowPaths_.last(), childDepth));
    }
    setItems(std::move(rows));
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openRow(listIndex());
        return;
    }
    TextListBox::keyPressEvent(event);
}

QString FolderList::selectedFolder() const {
    const int row = listIndex();
    return row >= 0 && row < rowPaths_.size() ? rowPaths_.at(row) : QString();
}

void FolderList::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        const int row = indexAt(event->pos()).row();
        if (row < 0 || row >= rowPaths_.size()) return;
        // The highlight follows the pointer, so the menu's commands and the keys act on one row.
        setListIndex(row);
        emit menuRequested(rowPaths_.at(row), event->globalPos());
        return;
    }
    const QString folder = selectedFolder();
    if (folder.isEmpty()) return;
    const QRect rowRect = visualRect(currentIndex());
    emit menuRequested(
        folder, viewport()->mapToGlobal(rowRect.isValid() ? rowRect.bottomLeft() : QPoint()));
}

void FolderList::openRow(int row) {
    if (row < 0 || row >= rowPaths_.size()) return;
    if (!setPath(rowPaths_.at(row))) setListIndex(shownRow_);
}
