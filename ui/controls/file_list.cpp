// SPDX-License-Identifier: MIT
#include "ui/controls/file_list.h"

#include <utility>

#include "playlist/folder_listing.h"

FileList::FileList(const QString& patterns, QWidget* parent)
    : TextListBox(parent), patterns_(patterns) {
    connect(&watch_, &FolderWatch::changed, this, &FileList::refresh);
}

void FileList::offerFiles(const QString& folder, QStringList files) {
    offeredFolder_ = folder;
    offeredFiles_ = std::move(files);
}

bool FileList::setPath(const QString& folder) {
    // An offer is for the setPath that follows it: taken or not, it goes.
    const bool offered = std::exchange(offeredFolder_, QString()) == folder;
    std::optional<QStringList> files =
        offered ? std::exchange(offeredFiles_, {}) : ListMatchingFiles(folder, patterns_);
    offeredFiles_.clear();
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
