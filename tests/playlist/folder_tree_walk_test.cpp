// SPDX-License-Identifier: MIT
#include "playlist/folder_tree_walk.h"

#include <gtest/gtest.h>

#include <QFile>
#include <utility>
#include <vector>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "playlist/file_patterns.h"
#include "playlist/playlist_limits.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

FolderTreeWalk Walk(const QString& root, int room = kMaxPlaylistEntries,
                    const FolderTreeProgress& progress = {}) {
    return WalkFolderTree(root, FilePatternSet(kMediaFilePatterns), room, progress);
}

// The entries as "folder/name", relative to the root, to compare in one line.
QStringList Entries(const FolderTreeWalk& walk, const QString& root) {
    QStringList entries;
    for (const PlaylistEntry& entry : walk.entries) {
        const QString& folder = entry.folder;
        const QString relative = folder == root ? QString() : folder.mid(root.size() + 1) + '/';
        entries.append(relative + entry.fileName);
    }
    return entries;
}

// root: "b.mp3", "A.wav", "notes.txt"; "sub2/c.mp3"; "Sub1/d.mp3", "Sub1/deep/e.mp3"; and a
// hidden folder, an empty one.
QString MakeNestedTree() {
    QString root = MakeFolder("tree", {"b.mp3", "A.wav", "notes.txt"});
    MakeFolder("tree/sub2", {"c.mp3"});
    MakeFolder("tree/Sub1", {"d.mp3"});
    MakeFolder("tree/Sub1/deep", {"e.mp3"});
    MakeFolder("tree/.hidden", {"h.mp3"});
    MakeFolder("tree/empty");
    return root;
}

}  // namespace

// A folder's own files first, in the file list's order, then each sub-folder with all below it in
// the folder list's order; hidden folders and files that don't match are left out.
TEST(FolderTreeWalk, TakesFilesDepthFirstInListOrder) {
    const QString root = MakeNestedTree();
    const FolderTreeWalk walk = Walk(root);
    EXPECT_EQ(Entries(walk, root),
              QStringList({"A.wav", "b.mp3", "Sub1/d.mp3", "Sub1/deep/e.mp3", "sub2/c.mp3"}));
    EXPECT_EQ(walk.entries.at(3).folder, JoinEntryPath(JoinEntryPath(root, "Sub1"), "deep"));
    EXPECT_TRUE(walk.unreadableFolders.isEmpty());
    EXPECT_FALSE(walk.stoppedAtLimit);
    EXPECT_FALSE(walk.cancelled);
}

#ifndef Q_OS_WIN
// Links to a folder above, to a sibling and to the folder itself each lead to a folder already
// read: every file comes once, under the first path that reached it, and the walk ends.
TEST(FolderTreeWalk, ReadsAFolderReachedThroughLinksOnce) {
    const QString root = MakeFolder("tree", {"top.mp3"});
    const QString a = MakeFolder("tree/a", {"x.mp3"});
    ASSERT_EQ(::symlink(EncodeFileName(root).constData(), EncodeFileName(a + "/up").constData()),
              0);
    ASSERT_EQ(::symlink(EncodeFileName(a).constData(), EncodeFileName(root + "/b").constData()), 0);
    ASSERT_EQ(::symlink(".", EncodeFileName(a + "/self").constData()), 0);
    const FolderTreeWalk walk = Walk(root);
    EXPECT_EQ(Entries(walk, root), QStringList({"top.mp3", "a/x.mp3"}));
    EXPECT_TRUE(walk.unreadableFolders.isEmpty());
}

// A folder whose name isn't UTF-8 is entered by its own bytes.
TEST(FolderTreeWalk, EntersFoldersWhoseNamesAreNotUtf8) {
    const QString root = MakeFolder("tree");
    const QByteArray folderBytes = EncodeFileName(root) + "/old-\xe9t\xe9";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0700), 0);
    const QByteArray fileBytes = folderBytes + "/song.mp3";
    const int fd = ::open(fileBytes.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const FolderTreeWalk walk = Walk(root);
    // Qt can't remove names that aren't UTF-8, so the test's folder couldn't go.
    ::unlink(fileBytes.constData());
    ::rmdir(folderBytes.constData());
    ASSERT_EQ(walk.entries.size(), 1);
    EXPECT_EQ(walk.entries.at(0).fileName, "song.mp3");
    EXPECT_EQ(EncodeFileName(walk.entries.at(0).folder), folderBytes);
}

// A folder that can't be read is named and skipped with everything below it; the rest is taken.
TEST(FolderTreeWalk, NamesUnreadableFoldersAndGoesOn) {
    const QString root = MakeFolder("tree", {"a.mp3"});
    const QString locked = MakeFolder("tree/locked", {"hidden-away.mp3"});
    MakeFolder("tree/locked/inner", {"deeper.mp3"});
    MakeFolder("tree/open", {"b.mp3"});
    ASSERT_EQ(::chmod(EncodeFileName(locked).constData(), 0), 0);
    const bool stillReadable = ::access(EncodeFileName(locked).constData(), R_OK) == 0;
    const FolderTreeWalk walk = stillReadable ? FolderTreeWalk{} : Walk(root);
    ::chmod(EncodeFileName(locked).constData(), 0700);  // so that the test's folder can go
    if (stillReadable) GTEST_SKIP() << "running as a user who reads every folder";
    EXPECT_EQ(Entries(walk, root), QStringList({"a.mp3", "open/b.mp3"}));
    EXPECT_EQ(walk.unreadableFolders, QStringList({locked}));
}
#endif

TEST(FolderTreeWalk, NamesAMissingRootAsUnreadable) {
    const QString missing = NativeFolderPath(WorkPath("gone"));
    const FolderTreeWalk walk = Walk(missing);
    EXPECT_TRUE(walk.entries.isEmpty());
    EXPECT_EQ(walk.unreadableFolders, QStringList({missing}));
}

// The room is what the playlist can still hold: the first files in walk order are taken, and the
// limit is reported only when a matching file was left out.
TEST(FolderTreeWalk, StopsAtTheRoomLeft) {
    const QString root = MakeNestedTree();
    struct Case {
        int room;
        QStringList entries;
        bool stoppedAtLimit;
    };
    const std::vector<Case> cases = {
        {0, {}, true},
        {3, {"A.wav", "b.mp3", "Sub1/d.mp3"}, true},
        {5, {"A.wav", "b.mp3", "Sub1/d.mp3", "Sub1/deep/e.mp3", "sub2/c.mp3"}, false},
        {100, {"A.wav", "b.mp3", "Sub1/d.mp3", "Sub1/deep/e.mp3", "sub2/c.mp3"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.room);
        const FolderTreeWalk walk = Walk(root, c.room);
        EXPECT_EQ(Entries(walk, root), c.entries);
        EXPECT_EQ(walk.stoppedAtLimit, c.stoppedAtLimit);
        EXPECT_FALSE(walk.cancelled);
    }
}

// The progress callback is asked before each folder with the count so far; a "no" stops the walk
// there and keeps what was found.
TEST(FolderTreeWalk, ReportsProgressAndKeepsWhatWasFoundOnCancel) {
    const QString root = MakeNestedTree();
    std::vector<std::pair<int, QString>> calls;
    Walk(root, kMaxPlaylistEntries, [&calls](int found, const QString& folder) {
        calls.emplace_back(found, folder);
        return true;
    });
    const QString sub1 = JoinEntryPath(root, "Sub1");
    const std::vector<std::pair<int, QString>> expectedCalls = {
        {0, root},
        {2, JoinEntryPath(root, "empty")},
        {2, sub1},
        {3, JoinEntryPath(sub1, "deep")},
        {4, JoinEntryPath(root, "sub2")},
    };
    EXPECT_EQ(calls, expectedCalls);

    struct Case {
        int cancelAtCall;
        QStringList entries;
    };
    const std::vector<Case> cases = {
        {1, {}},
        {2, {"A.wav", "b.mp3"}},
        {5, {"A.wav", "b.mp3", "Sub1/d.mp3", "Sub1/deep/e.mp3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cancelAtCall);
        int call = 0;
        const FolderTreeWalk walk = Walk(root, kMaxPlaylistEntries, [&](int, const QString&) {
            return ++call < c.cancelAtCall;
        });
        EXPECT_EQ(Entries(walk, root), c.entries);
        EXPECT_TRUE(walk.cancelled);
        EXPECT_EQ(call, c.cancelAtCall);
    }
}

// Within one large folder the callback is asked too, so a cancel needn't wait for the folder's end.
TEST(FolderTreeWalk, CancelsWithinALargeFolder) {
    QStringList names;
    for (int i = 0; i < 5000; ++i) names.append(QStringLiteral("%1.mp3").arg(i, 5, 10, QChar('0')));
    const QString root = MakeFolder("big", names);
    const FolderTreeWalk walk =
        Walk(root, kMaxPlaylistEntries, [](int found, const QString&) { return found == 0; });
    EXPECT_TRUE(walk.cancelled);
    EXPECT_GT(walk.entries.size(), 0);
    EXPECT_LT(walk.entries.size(), names.size());
    EXPECT_EQ(walk.entries.first().fileName, "00000.mp3");
}
