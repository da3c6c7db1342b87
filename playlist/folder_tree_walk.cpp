// SPDX-License-Identifier: MIT
#include "playlist/folder_tree_walk.h"

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "playlist/entry_path.h"
#include "playlist/folder_listing.h"

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <sys/stat.h>

#include <utility>

#include "playlist/file_name_codec.h"
#endif

namespace {

// Often enough that a cancel of a folder of many files is felt at once, seldom enough to cost
// nothing next to listing them.
constexpr qsizetype kFilesPerProgress = 4096;

#ifdef Q_OS_WIN
using FolderIdentity = QString;

// Windows has no inode numbers through Qt; the canonical path resolves links and junctions.
bool IdentifyFolder(const QString& folder, FolderIdentity* identity) {
    *identity = QFileInfo(folder).canonicalFilePath();
    return !identity->isEmpty();
}
#else
using FolderIdentity = std::pair<dev_t, ino_t>;

// The device and inode name a folder however it is reached, through any link; the name's own
// bytes are handed to the system, so a name that isn't UTF-8 is found.
bool IdentifyFolder(const QString& folder, FolderIdentity* identity) {
    struct stat info {};
    if (::stat(EncodeFileName(folder).constData(), &info) != 0) return false;
    *identity = {info.st_dev, info.st_ino};
    return true;
}
#endif

class TreeWalker {
public:
    TreeWalker(const FilePatternSet& patterns, int room, const FolderTreeProgress& progress)
        : patterns_(patterns), room_(std::max(room, 0)), progress_(progress) {}

    FolderTreeWalk walk(const QString& root) {
        // A stack instead of recursion, so that no depth of folders can overflow the call stack.
        // Sub-folders are pushed last first, so the first of them is read next.
        std::vector<QString> pending{root};
        while (!pending.empty() && !result_.stoppedAtLimit && !result_.cancelled) {
            const QString folder = std::move(pending.back());
            pending.pop_back();
            if (!goOn(folder)) break;
            const std::optional<QStringList> subfolders = readFolder(folder);
            if (!subfolders) continue;
            for (auto it = subfolders->crbegin(); it != subfolders->crend(); ++it)
                pending.push_back(JoinEntryPath(folder, *it));
        }
        return std::move(result_);
    }

private:
    bool goOn(const QString& folder) {
        if (progress_ && !progress_(static_cast<int>(result_.entries.size()), folder))
            result_.cancelled = true;
        return !result_.cancelled;
    }

    // Takes the folder's files and gives its sub-folders; nothing for a folder seen before.
    std::optional<QStringList> readFolder(const QString& folder) {
        FolderIdentity identity;
        if (!IdentifyFolder(folder, &identity)) {
            result_.unreadableFolders.append(folder);
            return std::nullopt;
        }
        if (!visited_.insert(identity).second) return std::nullopt;
        std::optional<FolderNames> names = ReadFolder(folder, &patterns_);
        if (!names) {
            result_.unreadableFolders.append(folder);
            return std::nullopt;
        }
        takeFiles(folder, names->files);
        return std::move(names->subfolders);
    }

    void takeFiles(const QString& folder, const QStringList& files) {
        const qsizetype room = room_ - result_.entries.size();
        const qsizetype taken = std::min(files.size(), room);
        for (qsizetype start = 0; start < taken; start += kFilesPerProgress) {
            if (start > 0 && !goOn(folder)) return;
            const qsizetype length = std::min(kFilesPerProgress, taken - start);
            result_.entries.append(EntriesInFolder(files.mid(start, length), folder));
        }
        if (taken < files.size()) result_.stoppedAtLimit = true;
    }

    const FilePatternSet& patterns_;
    const qsizetype room_;
    const FolderTreeProgress& progress_;
    std::set<FolderIdentity> visited_;
    FolderTreeWalk result_;
};

}  // namespace

FolderTreeWalk WalkFolderTree(const QString& root, const FilePatternSet& patterns, int room,
                              const FolderTreeProgress& progress) {
    return TreeWalker(patterns, room, progress).walk(root);
}
