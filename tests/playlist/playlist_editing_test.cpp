// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "playlist/playlist_limits.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/output_buffer.h"
#include "ui/controls/skin_label.h"

namespace {

// Entries as "folder/name", read from both lists position by position.
QStringList Entries(const frmMain& window) {
    EXPECT_EQ(window.lstPL->listCount(), window.playlist().count());
    QStringList joined;
    for (int i = 0; i < window.lstPL->listCount(); ++i)
        joined.append(QDir(FoldersOf(window.playlist().entries()).at(i)).dirName() + '/' +
                      window.lstPL->item(i));
    return joined;
}

// A playlist of a.mp3, b.mp3, c.mp3 from folder "one" then d.mp3 from folder "two".
std::unique_ptr<frmMain> WindowWithFourEntries() {
    const QString one = MakeFolder("one", {"a.mp3", "b.mp3", "c.mp3"});
    const QString two = MakeFolder("two", {"d.mp3"});
    auto window = OpenMainWindow();
    window->show();
    for (const QString& folder : {one, two}) {
        BrowseTo(*window, folder);
        window->lblAddAll_Click();
    }
    return window;
}

// A drag that enters the playlist, moves to the point and drops there, as the window system
// delivers it.
void DropOnPlaylist(frmMain& window, QMimeData* data, QPoint point) {
    QWidget* target = window.lstPL->viewport();
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(point, actions, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(point, actions, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent drop(point, actions, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    delete data;
}

QPoint PointOnItem(const frmMain& window, int position, bool upperHalf) {
    const QRect item = window.lstPL->visualRect(window.lstPL->model()->index(position, 0));
    return upperHalf ? item.topLeft() + QPoint(5, 1) : item.bottomLeft() + QPoint(5, -1);
}

}  // namespace

TEST(RemoveEntry, RemovesTheSelectedEntryAndSelectsTheOneInItsPlace) {
    const struct {
        int selected;
        QStringList left;
        int selectedAfter;
    } cases[] = {
        {0, {"one/b.mp3", "one/c.mp3", "two/d.mp3"}, 0},
        {1, {"one/a.mp3", "one/c.mp3", "two/d.mp3"}, 1},
        {3, {"one/a.mp3", "one/b.mp3", "one/c.mp3"}, 2},
        {-1, {"one/a.mp3", "one/b.mp3", "one/c.mp3", "two/d.mp3"}, -1},
    };
    const std::pair<const char*, std::function<void(frmMain&)>> ways[] = {
        {"<", [](frmMain& w) { ClickOn(w.control<SkinLabel>("lblDel")); }},
        {"Delete", [](frmMain& w) { QTest::keyClick(w.lstPL, Qt::Key_Delete); }},
    };
    for (const auto& [way, remove] : ways) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << way << ", selected " << c.selected);
            auto window = WindowWithFourEntries();
            window->lstPL->setListIndex(c.selected);
            remove(*window);
            EXPECT_EQ(Entries(*window), c.left) << way << " " << c.selected;
            EXPECT_EQ(window->lstPL->listIndex(), c.selectedAfter) << way << " " << c.selected;
            if (c.selectedAfter >= 0) {
                EXPECT_TRUE(
                    window->lblPath->value().endsWith(window->lstPL->item(c.selectedAfter)));
                EXPECT_EQ(window->lblRec->value(), QString("%1 из 3").arg(c.selectedAfter + 1));
            }
        }
    }
}

TEST(RemoveEntry, TheOnlyEntryLeavesAnEmptyPlaylistAndTheDetailsAsTheyWere) {
    const QString one = MakeFolder("one", {"a.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, one);
    window->lblAddAll_Click();
    window->lstPL->setListIndex(0);
    ClickOn(window->control<SkinLabel>("lblDel"));
    EXPECT_EQ(Entries(*window), QStringList());
    EXPECT_EQ(window->lstPL->listIndex(), -1);
    EXPECT_EQ(window->lblRec->value(), "1 из 1");
}

TEST(ReorderEntry, ADragMovesTheEntryInBothLists) {
    const struct {
        int from;
        int onto;
        bool upperHalf;
        QStringList order;
    } cases[] = {
        {0, 3, false, {"one/b.mp3", "one/c.mp3", "two/d.mp3", "one/a.mp3"}},
        {3, 0, true, {"two/d.mp3", "one/a.mp3", "one/b.mp3", "one/c.mp3"}},
        {1, 2, false, {"one/a.mp3", "one/c.mp3", "one/b.mp3", "two/d.mp3"}},
        {2, 2, true, {"one/a.mp3", "one/b.mp3", "one/c.mp3", "two/d.mp3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " onto " << c.onto
                                        << (c.upperHalf ? " upper half" : " lower half"));
        auto window = WindowWithFourEntries();
        DropOnPlaylist(*window, window->lstPL->mimeDataForItem(c.from),
                       PointOnItem(*window, c.onto, c.upperHalf));
        EXPECT_EQ(Entries(*window), c.order) << c.from << "->" << c.onto;
        // What is written follows the new order, entry by entry.
        window->ComposePlaylistText(PlaylistType::M3U, PlaylistTarget::Player);
        QStringList written = window->txtSave->text().split("\r\n", Qt::SkipEmptyParts);
        for (QString& line : written) line = line.section('/', -2);
        EXPECT_EQ(written, c.order);
        window->txtSave->clear();
    }
}

// An item dragged from another list, of this window or of another running copy of the program,
// names its own list: dropping it here is no move of this list's item at that position.
TEST(ReorderEntry, AnItemOfAnotherListOrProcessMovesNothing) {
    auto window = WindowWithFourEntries();
    auto other = WindowWithFourEntries();
    const QStringList order = {"one/a.mp3", "one/b.mp3", "one/c.mp3", "two/d.mp3"};
    // The drag data of this list's first item with one part of its owner changed.
    const auto ownItemWith = [&](int part, const QByteArray& value) {
        QMimeData* data = window->lstPL->mimeDataForItem(0);
        const QString format = data->formats().value(0);
        QList<QByteArray> parts = data->data(format).split(':');
        EXPECT_EQ(parts.size(), 3) << data->data(format).toStdString();
        // Another running copy makes the same data with its own process number.
        EXPECT_EQ(parts.value(0), QByteArray::number(QCoreApplication::applicationPid()));
        if (part < parts.size()) parts[part] = value;
        data->setData(format, parts.join(':'));
        return data;
    };
    const struct {
        const char* what;
        std::function<QMimeData*()> data;
    } cases[] = {
        {"another window's playlist", [&] { return other->lstPL->mimeDataForItem(0); }},
        {"another process",
         [&] {
             return ownItemWith(0, QByteArray::number(QCoreApplication::applicationPid() + 1));
         }},
        {"another list of this process", [&] { return ownItemWith(1, "12345"); }},
        {"a position past the end", [&] { return ownItemWith(2, "4"); }},
        {"no position", [&] { return ownItemWith(2, "x"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DropOnPlaylist(*window, c.data(), PointOnItem(*window, 3, false));
        EXPECT_EQ(Entries(*window), order);
    }
    // The same item of this list is a move: the test's data differs from it only where it says.
    DropOnPlaylist(*window, window->lstPL->mimeDataForItem(0), PointOnItem(*window, 3, false));
    EXPECT_EQ(Entries(*window), QStringList({"one/b.mp3", "one/c.mp3", "two/d.mp3", "one/a.mp3"}));
}

TEST(DropFiles, MediaFilesAndFoldersAreAddedOthersIgnored) {
    const QString music = MakeFolder("music", {"b.MP3", "a.wav", "notes.txt"});
    MakeFolder("music/sub", {"deep.mp3"});
    const QString loose = MakeFolder("loose", {"x.wma", "y.doc"});
    auto window = OpenMainWindow();
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(loose + "/x.wma"), QUrl::fromLocalFile(loose + "/y.doc"),
                   QUrl::fromLocalFile(music), QUrl("https://example.org/z.mp3")});
    DropOnPlaylist(*window, data, {10, 10});
    EXPECT_EQ(Entries(*window), QStringList({"loose/x.wma", "music/a.wav", "music/b.MP3"}));
    EXPECT_EQ(FoldersOf(window->playlist().entries()).at(1), music);
}

TEST(DropFiles, StopAtTheLimitAndSaySo) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3", "c.mp3"});
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf(QStringList(kMaxPlaylistEntries - 1, "x.mp3"),
                                        QStringList(kMaxPlaylistEntries - 1, music)));
    ModalAnswer user;
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(music)});
    DropOnPlaylist(*window, data, {10, 10});
    EXPECT_EQ(window->lstPL->listCount(), kMaxPlaylistEntries);
    EXPECT_EQ(window->playlist().count(), kMaxPlaylistEntries);
    EXPECT_EQ(FileNamesOf(window->playlist().entries()).last(), "a.mp3");
    EXPECT_EQ(user.messages(), QStringList{kPlaylistFullMessage});
}

// Several entries chosen as users choose them (a click, then Shift or Ctrl with a click, or Ctrl+A)
// are removed, moved and dragged together, each change one step that Ctrl+Z takes back whole.
TEST(SeveralEntries, AreRemovedMovedAndDraggedTogether) {
    const QStringList four = {"one/a.mp3", "one/b.mp3", "one/c.mp3", "two/d.mp3"};
    const auto click = [](frmMain& w, int row, Qt::KeyboardModifiers keys) {
        QTest::mouseClick(w.lstPL->viewport(), Qt::LeftButton, keys, PointOnItem(w, row, true));
    };
    const struct {
        const char* what;
        std::function<void(frmMain&)> choose;
        std::function<void(frmMain&)> change;
        QStringList order;
        QStringList selected;
    } cases[] = {
        {"one, Delete",
         [&](frmMain& w) { click(w, 1, {}); },
         [](frmMain& w) { QTest::keyClick(w.lstPL, Qt::Key_Delete); },
         {"one/a.mp3", "one/c.mp3", "two/d.mp3"},
         {"one/c.mp3"}},
        {"Shift range, <",
         [&](frmMain& w) { click(w, 1, {}), click(w, 2, Qt::ShiftModifier); },
         [](frmMain& w) { ClickOn(w.control<SkinLabel>("lblDel")); },
         {"one/a.mp3", "two/d.mp3"},
         {"two/d.mp3"}},
        {"all, Delete",
         [](frmMain& w) { QTest::keyClick(w.lstPL, Qt::Key_A, Qt::ControlModifier); },
         [](frmMain& w) { QTest::keyClick(w.lstPL, Qt::Key_Delete); },
         {},
         {}},
        {"Ctrl picks, Ctrl+Up",
         [&](frmMain& w) { click(w, 1, {}), click(w, 3, Qt::ControlModifier); },
         [](frmMain& w) { QTest::keyClick(w.lstPL, Qt::Key_Up, Qt::ControlModifier); },
         {"one/b.mp3", "one/a.mp3", "two/d.mp3", "one/c.mp3"},
         {"one/b.mp3", "two/d.mp3"}},
        {"Ctrl picks, Ctrl+Down",
         [&](frmMain& w) { click(w, 0, {}), click(w, 2, Qt::ControlModifier); },
         [](frmMain& w) { QTest::keyClick(w.lstPL, Qt::Key_Down, Qt::ControlModifier); },
         {"one/b.mp3", "one/a.mp3", "two/d.mp3", "one/c.mp3"},
         {"one/a.mp3", "one/c.mp3"}},
        {"Shift+Down, drag to the end",
         [&](frmMain& w) {
             click(w, 0, {});
             QTest::keyClick(w.lstPL, Qt::Key_Down, Qt::ShiftModifier);
         },
         [](frmMain& w) {
             DropOnPlaylist(w, w.lstPL->mimeDataForItem(1), PointOnItem(w, 3, false));
         },
         {"one/c.mp3", "two/d.mp3", "one/a.mp3", "one/b.mp3"},
         {"one/a.mp3", "one/b.mp3"}},
    };
    const auto selected = [](const frmMain& w) {
        QStringList names;
        for (const int row : w.lstPL->selectedRows())
            names.append(QDir(w.lstP->item(row)).dirName() + '/' + w.lstPL->item(row));
        return names;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto window = WindowWithFourEntries();
        window->activateWindow();  // the window's keys work in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->lstPL->setFocus();
        c.choose(*window);
        const QStringList chosen = selected(*window);
        c.change(*window);
        EXPECT_EQ(Entries(*window), c.order);
        EXPECT_EQ(selected(*window), c.selected);
        EXPECT_EQ(window->lstP->selectedRows(), window->lstPL->selectedRows());
        QTest::keyClick(window->lstPL, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Entries(*window), four);
        EXPECT_EQ(selected(*window), chosen);
    }
}

// A click or an arrow key moves the current entry and the selection as one: the list reports it
// once, so the details panel reads the entry's file once.
TEST(SeveralEntries, AClickOrAnArrowIsReportedOnce) {
    auto window = WindowWithFourEntries();
    window->lstPL->setFocus();
    QSignalSpy reported(window->lstPL, &ListBox::selectionChanged);
    QTest::mouseClick(window->lstPL->viewport(), Qt::LeftButton, {}, PointOnItem(*window, 2, true));
    EXPECT_EQ(reported.size(), 1);
    QTest::keyClick(window->lstPL, Qt::Key_Down);
    EXPECT_EQ(reported.size(), 2);
    QTest::mouseClick(window->lstPL->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      PointOnItem(*window, 0, true));
    EXPECT_EQ(reported.size(), 3);
    EXPECT_EQ(window->lblRec->value(), "1 из 4");
}
