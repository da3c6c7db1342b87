// SPDX-License-Identifier: MIT
#include "playlist/playlist_order.h"

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <numeric>

#include "playlist/playlist_find.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/playlist_entries.h"

namespace {

QStringList Pick(const QStringList& column, const RowOrder& rows) {
    QStringList picked;
    for (const int row : rows) picked.append(column.at(row));
    return picked;
}

}  // namespace

TEST(PlaylistOrder, SortsInNaturalOrderBlindToCase) {
    const QStringList names = {"track 10.mp3", "Track 2.mp3", "b.mp3",
                               "A.mp3",        "track 1.mp3", "a.mp3"};
    EXPECT_EQ(
        Pick(names, OrderByName(EntriesOf(names, QStringList(names.size(), "/m")))),
        QStringList({"A.mp3", "a.mp3", "b.mp3", "track 1.mp3", "Track 2.mp3", "track 10.mp3"}));

    const QStringList folders = {"/m/Disc 10", "/m/disc 9", "/m/disc 9", "/a", "http://h/"};
    const QStringList files = {"a.mp3", "b.mp3", "a.mp3", "z.mp3", "s"};
    const RowOrder byPath = OrderByPath(EntriesOf(files, folders));
    EXPECT_EQ(Pick(folders, byPath),
              QStringList({"/a", "/m/disc 9", "/m/disc 9", "/m/Disc 10", "http://h/"}));
    EXPECT_EQ(Pick(files, byPath), QStringList({"z.mp3", "a.mp3", "b.mp3", "a.mp3", "s"}));
}

// By title where a playlist gave one (an empty one counts as none), else by name, in one order.
TEST(PlaylistOrder, ByTitleTakesTheNameWhereThereIsNoTitle) {
    PlaylistEntries entries =
        EntriesOf({"z.mp3", "b.mp3", "a.mp3", "c.mp3", "d.mp3"}, QStringList(5, "/m"));
    entries[0].title = "Artist - Track 10";
    entries[1].title = "artist - track 9";
    entries[2].title = "";
    entries[3].seconds = 5;
    EXPECT_EQ(Pick(FileNamesOf(entries), OrderByTitle(entries)),
              QStringList({"a.mp3", "b.mp3", "z.mp3", "c.mp3", "d.mp3"}));
}

TEST(PlaylistOrder, ShuffleKeepsEveryEntryOnce) {
    RowOrder identity(1000);
    std::iota(identity.begin(), identity.end(), 0);
    RowOrder rows = ShuffledOrder(1000);
    EXPECT_NE(rows, identity);  // fails once in 1000! runs
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, identity);
    EXPECT_TRUE(ShuffledOrder(0).empty());
}

TEST(PlaylistOrder, CleanUpKeepsTheFirstOfEachPathAndAddresses) {
    const QString music = MakeFolder("music", {"here.mp3", "Here.mp3"});
    const QStringList folders = {music, music, music, music, "http://h", music, "/gone"};
    const QStringList files = {"here.mp3", "Here.mp3", "here.mp3", "gone.mp3",
                               "x",        "Here.mp3", "b.mp3"};
    const RowOrder unique = WithoutRepeats(EntriesOf(files, folders));
#ifdef Q_OS_WIN
    EXPECT_EQ(unique, RowOrder({0, 3, 4, 6}));
#else
    EXPECT_EQ(unique, RowOrder({0, 1, 3, 4, 6}));
#endif
    EXPECT_EQ(WithoutMissing(EntriesOf(files, folders)), RowOrder({0, 1, 2, 4, 5}));
}

// The orders behind removing and moving selected entries, on rows a..f (0..5).
TEST(PlaylistOrder, MovesAndRemovesSelectedRowsKeepingTheOthersInOrder) {
    const QStringList rows = {"a", "b", "c", "d", "e", "f"};
    const struct {
        const char* what;
        RowOrder order;
        QStringList expected;
    } cases[] = {
        {"remove one", WithoutRows(6, {2}), {"a", "b", "d", "e", "f"}},
        {"remove scattered", WithoutRows(6, {0, 3, 5}), {"b", "c", "e"}},
        {"remove all", WithoutRows(6, {0, 1, 2, 3, 4, 5}), {}},
        {"block before the top", RowsMovedBefore(6, {3, 4}, 0), {"d", "e", "a", "b", "c", "f"}},
        {"scattered to the end", RowsMovedBefore(6, {0, 2}, 6), {"b", "d", "e", "f", "a", "c"}},
        {"dropped among themselves", RowsMovedBefore(6, {1, 3}, 2), {"a", "b", "d", "c", "e", "f"}},
        {"dropped on itself", RowsMovedBefore(6, {2}, 3), rows},
        {"up: a block", RowsMovedUp(6, {2, 3}), {"a", "c", "d", "b", "e", "f"}},
        {"up: the top stays, the rest closes in",
         RowsMovedUp(6, {0, 1, 3}),
         {"a", "b", "d", "c", "e", "f"}},
        {"up: gaps close one place each",
         RowsMovedUp(6, {1, 3, 5}),
         {"b", "a", "d", "c", "f", "e"}},
        {"down: a block", RowsMovedDown(6, {2, 3}), {"a", "b", "e", "c", "d", "f"}},
        {"down: the bottom stays", RowsMovedDown(6, {2, 4, 5}), {"a", "b", "d", "c", "e", "f"}},
        {"up: nothing selected", RowsMovedUp(6, {}), rows},
    };
    for (const auto& c : cases) EXPECT_EQ(Pick(rows, c.order), c.expected) << c.what;
}

TEST(PlaylistFind, FindsInNamesFoldersAndTitlesBlindToCaseAndToYo) {
    PlaylistEntries entries = EntriesOf({"Ёлка.mp3", "елка live.mp3", "track.mp3", "Other.wav"},
                                        {"/m/a", "/m/a", "/m/Ёлки", "/m/b"});
    entries[3].title = QStringLiteral("Artist - ЁЛКА");
    const struct {
        const char* text;
        RowSet found;
    } cases[] = {
        {"ёлк", {0, 1, 2, 3}},  // name, name with е, folder, title
        {"ЕЛКА", {0, 1, 3}},   {"LIVE", {1}},   {"/m/b", {3}},
        {"artist -", {3}},     {"nothing", {}}, {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(FindEntries(entries, c.text), c.found) << c.text;
}
