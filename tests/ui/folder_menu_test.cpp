// SPDX-License-Identifier: MIT
// The folder list's menu and keys add a folder's files, or its whole tree, to both lists in step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "playlist/playlist_limits.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/list_box.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class FolderMenu : public testing::Test {
protected:
    void SetUp() override {
        root_ = MakeFolder("music");
        tree_ = MakeFolder("music/tree", {"b.mp3", "a.wav", "notes.txt"});
        MakeFolder("music/tree/inner", {"c.mp3"});
        MakeFolder("music/tree/.hidden", {"h.mp3"});
        window_ = OpenMainWindow();
        window_->show();
        // The keys are shortcuts, which only an active window receives.
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        BrowseTo(*window_, root_);
    }

    int rowOf(const QString& name) const {
        const QStringList rows = window_->Dir1->items();
        for (int row = 0; row < rows.size(); ++row)
            if (rows.at(row).trimmed() == name) return row;
        ADD_FAILURE() << "no row " << name.toStdString();
        return -1;
    }

    // A right click on the folder's row, then a click on the menu's command.
    void chooseFromMenu(const QString& name, const QString& command) {
        QWidget* viewport = window_->Dir1->viewport();
        const QPoint pos =
            window_->Dir1->visualRect(window_->Dir1->model()->index(rowOf(name), 0)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->styleSheet().contains("background: black"))
            << menu->styleSheet().toStdString();
        QStringList commands;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            const QString text = action->text().section('\t', 0, 0);
            commands.append(text);
            if (text == command) chosen = action;
        }
        EXPECT_EQ(commands, QStringList({"Добавить папку", "Добавить с подпапками"}));
        ASSERT_NE(chosen, nullptr);
        menu->close();
        chosen->trigger();
    }

    // Entry i as "folder/name", read from the two lists the user sees.
    QStringList shownEntries() const {
        EXPECT_EQ(window_->lstPL->listCount(), window_->lstP->listCount());
        QStringList entries;
        for (int i = 0; i < window_->lstPL->listCount(); ++i)
            entries.append(JoinEntryPath(window_->lstP->item(i), window_->lstPL->item(i)));
        return entries;
    }

    QString path(const QString& relative) const { return JoinEntryPath(tree_, relative); }

    QString root_;
    QString tree_;
    std::unique_ptr<frmMain> window_;
};

}  // namespace

TEST_F(FolderMenu, MenuAddsAFolderOrItsTree) {
    chooseFromMenu("tree", "Добавить с подпапками");
    const QStringList tree = {path("a.wav"), path("b.mp3"), JoinEntryPath(path("inner"), "c.mp3")};
    EXPECT_EQ(shownEntries(), tree);
    EXPECT_EQ(window_->Dir1->path(), root_);  // the browser stays where it was

    chooseFromMenu("tree", "Добавить папку");
    EXPECT_EQ(shownEntries(), tree + QStringList({path("a.wav"), path("b.mp3")}));
}

// Files handed over by a later start arrive while the walk runs; the limit counts them, whether
// they took the room the walk found files for or opened a shorter playlist in its place.
TEST_F(FolderMenu, TheLimitCountsFilesHandedOverDuringTheWalk) {
    const QString handed = MakeFolder("handed", {"h1.mp3", "h2.mp3"});
    const QString shorter = WriteWorkFile("shorter.m3u", "/m/x.mp3\n");
    const struct {
        const char* name;
        int room;  // at the walk's start; the tree holds three files
        QStringList handedOver;
        QStringList lastEntries;
        QStringList messages;
    } rows[] = {
        {"media files take the room",
         3,
         {handed + "/h1.mp3", handed + "/h2.mp3"},
         {JoinEntryPath(handed, "h1.mp3"), JoinEntryPath(handed, "h2.mp3"), path("a.wav")},
         {kPlaylistFullMessage}},
        {"a shorter playlist replaces it",
         2,
         {shorter},
         {"/m/x.mp3", path("a.wav"), path("b.mp3"), JoinEntryPath(path("inner"), "c.mp3")},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int full = kMaxPlaylistEntries - row.room;
        window_->playlist().replace(EntriesOf(QStringList(full, "x.mp3"), QStringList(full, root_)),
                                    "test");
        // Queued before the walk starts, so it comes inside the walk's wait, as a hand-over does.
        QMetaObject::invokeMethod(
            window_.get(), [&] { window_->openArguments(row.handedOver); }, Qt::QueuedConnection);
        ModalAnswer user;
        window_->Dir1_AddTree(tree_);
        EXPECT_LE(window_->playlist().count(), kMaxPlaylistEntries);
        EXPECT_EQ(shownEntries().mid(shownEntries().size() - row.lastEntries.size()),
                  row.lastEntries);
        EXPECT_EQ(user.messages(), row.messages);
    }
}

TEST_F(FolderMenu, KeysActOnTheHighlightedFolder) {
    window_->Dir1->setListIndex(rowOf("tree"));
    window_->Dir1->setFocus();
    QTest::keyClick(window_->Dir1, Qt::Key_Insert);
    EXPECT_EQ(shownEntries(), QStringList({path("a.wav"), path("b.mp3")}));
    QTest::keyClick(window_->Dir1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shownEntries().size(), 5);
    EXPECT_EQ(shownEntries().last(), JoinEntryPath(path("inner"), "c.mp3"));

    // The Menu key opens the same menu for the highlighted folder. The X11 platform turns the key
    // into this event itself; the offscreen one doesn't, so the test sends it.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0),
                              window_->Dir1->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(window_->Dir1, &menuKey);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->actions().at(0)->trigger();
    menu->close();
    EXPECT_EQ(shownEntries().size(), 7);
}

#ifndef Q_OS_WIN
// What didn't fit and what couldn't be read are told in one message; what fitted is added.
TEST_F(FolderMenu, OneMessageNamesUnreadableFoldersAndTheLimit) {
    const QString locked = MakeFolder("music/tree/a-locked", {"x.mp3"});
    ASSERT_EQ(::chmod(EncodeFileName(locked).constData(), 0), 0);
    const bool stillReadable = ::access(EncodeFileName(locked).constData(), R_OK) == 0;
    if (!stillReadable) {
        const int room = 2;
        window_->playlist().append(EntriesOf(QStringList(kMaxPlaylistEntries - room, "x.mp3"),
                                             QStringList(kMaxPlaylistEntries - room, root_)));
        ModalAnswer user;
        window_->Dir1_AddTree(tree_);
        EXPECT_EQ(window_->playlist().count(), kMaxPlaylistEntries);
        EXPECT_EQ(shownEntries().mid(kMaxPlaylistEntries - room),
                  QStringList({path("a.wav"), path("b.mp3")}));
        ASSERT_EQ(user.messages().size(), 1);
        EXPECT_TRUE(user.messages().at(0).contains(locked)) << user.messages().at(0).toStdString();
        EXPECT_TRUE(user.messages().at(0).endsWith(kPlaylistFullMessage));
    }
    ::chmod(EncodeFileName(locked).constData(), 0700);  // so that the test's folder can go
    if (stillReadable) GTEST_SKIP() << "running as a user who reads every folder";
}
#endif
