// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"

namespace {}  // namespace

// Every change of the playlist is one step: "Отменить" brings the playlist before it back whole,
// "Повторить" the playlist after it, in both lists, the selection included.
TEST(PlaylistHistory, EveryChangeIsTakenBackAndMadeAgain) {
    const QString one = MakeFolder("one", {"a.mp3", "b.mp3"});
    const QString two = MakeFolder("two", {"c.mp3", "d.mp3"});
    const QString saved = WorkPath("saved.m3u");
    WriteBytes(saved, QFile::encodeName(two + "/d.mp3\n"));
    struct Case {
        const char* what;
        std::function<void(frmMain&)> change;
    } cases[] = {
        {">", [](frmMain& w) { w.lblAdd_Click(); }},
        {">>", [](frmMain& w) { w.lblAddAll_Click(); }},
        {"drop", [&](frmMain& w) { w.lstPL_FilesDropped({QUrl::fromLocalFile(two)}); }},
        {"Добавить с подпапками", [&](frmMain& w) { w.Dir1_AddTree(two); }},
        {"<", [](frmMain& w) { w.lblDel_Click(); }},
        {"<<", [](frmMain& w) { w.lblDelAll_Click(); }},
        {"Новый", [](frmMain& w) { w.lblNew_Click(); }},
        {"drag", [](frmMain& w) { w.lstPL_MoveEntry(0, 4); }},
        {"Ctrl+Up", [](frmMain& w) { w.playlist().moveSelectedUp(); }},
        {"Ctrl+Down", [](frmMain& w) { w.playlist().moveSelectedDown(); }},
        {"sort by name", [](frmMain& w) { w.playlist().sortByName(); }},
        {"sort by path", [](frmMain& w) { w.playlist().sortByPath(); }},
        {"shuffle", [](frmMain& w) { w.playlist().shuffle(); }},
        {"repeats", [](frmMain& w) { w.playlist().removeRepeats(); }},
        {"missing", [](frmMain& w) { w.playlist().removeMissing(); }},
        {"Открыть", [&](frmMain& w) { w.OpenPlaylistFile(saved); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto window = OpenMainWindow();
        window->show();
        BrowseTo(*window, two);
        window->File1->setListIndex(0);
        window->playlist().append(
            EntriesOf({"b.mp3", "a.mp3", "gone.mp3", "b.mp3"}, {one, one, one, one}));
        window->playlist().history().clear();
        window->lstPL->setListIndex(1);
        ModalAnswer user;
        const QStringList before = ShownEntries(*window);
        // Shuffling may give the same order by chance; a few tries make that all but impossible.
        for (int attempt = 0; attempt < 5 && ShownEntries(*window) == before; ++attempt)
            c.change(*window);
        const QStringList after = ShownEntries(*window);
        const int selectedAfter = window->lstPL->listIndex();
        ASSERT_NE(after, before);
        ASSERT_EQ(window->playlist().history().count(), 1);

        window->playlist().history().undo();
        EXPECT_EQ(ShownEntries(*window), before);
        EXPECT_EQ(window->lstPL->listIndex(), 1);
        window->playlist().history().redo();
        EXPECT_EQ(ShownEntries(*window), after);
        EXPECT_EQ(window->lstPL->listIndex(), selectedAfter);
    }
}

// Nothing changed, no step; the keys and the menu take steps back and forth.
TEST(PlaylistHistory, KeysAndMenuWalkTheHistory) {
    const QString one = MakeFolder("one", {"a.mp3", "b.mp3"});
    auto window = OpenMainWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->lblDelAll_Click();
    window->lblDel_Click();
    EXPECT_EQ(window->playlist().history().count(), 0);

    BrowseTo(*window, one);
    window->lblAddAll_Click();
    window->lblAddAll_Click();
    window->Dir1->setFocus();
    QTest::keyClick(window->Dir1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->playlist().count(), 2);
    QTest::keyClick(window->Dir1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->playlist().count(), 0);
    QTest::keyClick(window->Dir1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->playlist().count(), 2);
    QTest::keyClick(window->Dir1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->playlist().count(), 4);

    QStringList items;
    for (const QAction* action : window->playlistMenu()->actions()) items.append(action->text());
    EXPECT_EQ(items.mid(0, 2), QStringList({"Отменить добавление", "Повторить"}));
}
