#include "ui/controls/file_list.h"

#include "playlist/folder_listing.h"

FileList::FileList(const QString& patterns, QWidget* parent)
    : TextListBox(parent), patterns_(patterns) {}

bool FileList::setPath(const QString& folder) {
    std::optional<QStringList> files = ListMatchingFiles(folder, patterns_);
    if (!files) return false;
    path_ = folder;
    setItems(std::move(*files));
    return true;
}
