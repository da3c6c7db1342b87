// SPDX-License-Identifier: MIT
#include "ui/controls/file_list.h"

#include "playlist/folder_listing.h"

FileList::FileList(const QString& patterns, QWidget* parent)
    : TextListBox(parent), patterns_(patterns) {
    connect(&watch_, &FolderWatch::changed, this, &FileList::refresh);
}

bool FileList::setPath(const QString& folder) {
    std::optional<QStringList> files = ListMatchingFiles(folder, patterns_);
    if (!files) return false;
    path_ = folder;
    setItems(std::move(*files));
    watch_.watch(folder);
    return true;
}

void FileList::refresh() {
    const int selected = listIndex();
    const QString selectedName = selected >= 0 ? item(selected) : QString();
    std::optional<QStringList> files = ListMatchingFiles(path_, patterns_);
    setItems(files ? std::move(*files) : QStringList());
    if (!selectedName.isEmpty()) setListIndex(static_cast<int>(items().indexOf(selectedName)));
}
