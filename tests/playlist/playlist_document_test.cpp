// SPDX-License-Identifier: MIT
// The playlist document without a window: each operation is one step of the history, and taking it
// back or making it again brings the entries back whole, titles and lengths included, with the
// current entry.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "playlist/playlist.h"
#include "playlist/playlist_limits.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/playlist_entries.h"

namespace {

// Four entries of one folder, two carrying what their playlist said.
PlaylistEntries Carried(const QString& folder) {
    PlaylistEntries entries =
        EntriesOf({"b.mp3", "a.mp3", "gone.mp3", "b.mp3"}, QStringList(4, folder));
    entries[0].title = QStringLiteral("Zed - Last");
    entries[0].seconds = 213;
    entries[3].title = QStringLiteral("Another b");
    entries[3].seconds = -1;
    return entries;
}

}  // namespace

TEST(PlaylistDocument, EveryOperationIsOneStepThatKeepsTitlesAndLengths) {
    const QString folder = MakeFolder("one", {"a.mp3", "b.mp3"});
    PlaylistEntries added = EntriesInFolder({"c.mp3"}, folder);
    added[0].title = QStringLiteral("Radio, with commas");
    added[0].seconds = -1;
    const struct {
        const char* what;
        std::function<void(Playlist&)> change;
    } cases[] = {
        {"append", [&](Playlist& p) { p.append(added); }},
        {"replace", [&](Playlist& p) { p.replace(added, QStringLiteral("открытие")); }},
        {"clear", [](Playlist& p) { p.clear(QStringLiteral("очистку")); }},
        {"remove", [](Playlist& p) { p.removeAt(1); }},
        {"move", [](Playlist& p) { p.move(0, 4); }},
        {"up", [](Playlist& p) { p.moveSelectedUp(); }},
        {"down", [](Playlist& p) { p.moveSelectedDown(); }},
        {"by name", [](Playlist& p) { p.sortByName(); }},
        {"by path", [](Playlist& p) { p.sortByPath(); }},
        {"by title", [](Playlist& p) { p.sortByTitle(); }},
        {"shuffle", [](Playlist& p) { p.shuffle(); }},
        {"repeats", [](Playlist& p) { p.removeRepeats(); }},
        {"missing", [](Playlist& p) { p.removeMissing(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Playlist playlist;
        playlist.append(Carried(folder));
        playlist.history().clear();
        playlist.setCurrentRow(1);
        const PlaylistEntries before = playlist.entries();
        // Shuffling may give the same order by chance; a few tries make that all but impossible.
        for (int attempt = 0; attempt < 5 && playlist.entries() == before; ++attempt)
            c.change(playlist);
        const PlaylistEntries after = playlist.entries();
        const int currentAfter = playlist.currentRow();
        ASSERT_NE(after, before);
        ASSERT_EQ(playlist.history().count(), 1);

        QSignalSpy shown(&playlist, &Playlist::currentEntryChanged);
        playlist.history().undo();
        EXPECT_EQ(playlist.entries(), before);
        EXPECT_EQ(playlist.currentRow(), 1);
        playlist.history().redo();
        EXPECT_EQ(playlist.entries(), after);
        EXPECT_EQ(playlist.currentRow(), currentAfter);
        EXPECT_EQ(shown.size(), 2);  // each step tells the window which entry to show
    }
}

// The current entry follows the edits as a list's selection does.
TEST(PlaylistDocument, TheCurrentEntryFollowsItsEntry) {
    Playlist playlist;
    playlist.append(EntriesOf({"a", "b", "c", "d"}, QStringList(4, "/m")));
    playlist.setCurrentRow(2);  // c
    playlist.move(0, 4);        // a to the end: c is at 1
    EXPECT_EQ(playlist.currentRow(), 1);
    playlist.move(3, 0);  // a back to the top: c is at 2
    EXPECT_EQ(playlist.currentRow(), 2);
    playlist.removeAt(0);  // c is at 1
    EXPECT_EQ(playlist.currentRow(), 1);
    playlist.removeAt(1);  // c went: d, now at 1, takes its place
    EXPECT_EQ(FileNamesOf(playlist.entries()), QStringList({"b", "d"}));
    EXPECT_EQ(playlist.currentRow(), 1);
    playlist.removeAt(1);  // the last went: the new last
    EXPECT_EQ(playlist.currentRow(), 0);
    playlist.clear(QStringLiteral("очистку"));
    EXPECT_EQ(playlist.currentRow(), -1);
}

// Several entries at once: the selection and the current entry go with their entries, through the
// history too; where the current entry went, the one after it is current and alone selected.
TEST(PlaylistDocument, TheSelectionFollowsItsEntries) {
    const QStringList names = {"a", "b", "c", "d", "e", "f"};
    const struct {
        const char* what;
        std::function<void(Playlist&)> change;
        QStringList order;
        RowSet selected;
        int current;
    } cases[] = {
        {"remove", [](Playlist& p) { p.removeRows(p.selectedRows()); }, {"a", "c", "e"}, {2}, 2},
        {"remove other entries",
         [](Playlist& p) {
             p.removeRows({0, 2});
         },
         {"b", "d", "e", "f"},
         {0, 1, 3},
         1},
        {"drag",
         [](Playlist& p) { p.moveRows(p.selectedRows(), 0); },
         {"b", "d", "f", "a", "c", "e"},
         {0, 1, 2},
         1},
        {"up",
         [](Playlist& p) { p.moveSelectedUp(); },
         {"b", "a", "d", "c", "f", "e"},
         {0, 2, 4},
         2},
        {"down",
         [](Playlist& p) { p.moveSelectedDown(); },
         {"a", "c", "b", "e", "d", "f"},
         {2, 4, 5},
         4},
        {"sort",
         [](Playlist& p) {
             p.rearrange({5, 4, 3, 2, 1, 0}, QStringLiteral("сортировку"));
         },
         {"f", "e", "d", "c", "b", "a"},
         {0, 2, 4},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Playlist playlist;
        playlist.append(EntriesOf(names, QStringList(6, "/m")));
        playlist.select({1, 3, 5}, 3);  // b, d (current), f
        c.change(playlist);
        EXPECT_EQ(FileNamesOf(playlist.entries()), c.order);
        EXPECT_EQ(playlist.selectedRows(), c.selected);
        EXPECT_EQ(playlist.currentRow(), c.current);
        playlist.history().undo();
        EXPECT_EQ(FileNamesOf(playlist.entries()), names);
        EXPECT_EQ(playlist.selectedRows(), RowSet({1, 3, 5}));
        EXPECT_EQ(playlist.currentRow(), 3);
    }
}

// What doesn't fit under the limit is counted, so the window can say so; nothing changed, no step.
TEST(PlaylistDocument, AppendsUpToTheLimitAndRecordsNothingForNoChange) {
    Playlist playlist;
    EXPECT_EQ(playlist.append(EntriesInFolder(QStringList(kMaxPlaylistEntries - 1, "x"), "/m")), 0);
    EXPECT_EQ(playlist.append(EntriesInFolder({"y", "z", "w"}, "/m")), 2);
    EXPECT_EQ(playlist.count(), kMaxPlaylistEntries);
    EXPECT_EQ(playlist.entries().last().fileName, "y");
    EXPECT_EQ(playlist.append(EntriesInFolder({"v"}, "/m")), 1);
    EXPECT_EQ(playlist.replace(EntriesInFolder(QStringList(kMaxPlaylistEntries + 5, "r"), "/m"),
                               QStringLiteral("открытие")),
              5);
    EXPECT_EQ(playlist.history().count(), 3);

    playlist.sortByName();
    playlist.removeRepeats();
    EXPECT_EQ(playlist.count(), 1);
    EXPECT_EQ(playlist.history().count(), 4);  // sorting equal names moved nothing
    EXPECT_EQ(playlist.history().undoText(), QStringLiteral("удаление повторов"));
}
