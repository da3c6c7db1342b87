// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QInputDialog>
#include <QMenu>

#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/skin_label.h"

namespace {

QAction* MenuItem(const frmMain& window, const QString& text) {
    for (QAction* action : window.playlistMenu()->actions())
        if (action->text() == text) return action;
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
}

}  // namespace

// Each command on a small playlist: both lists in step, the selection, and the count it reports.
TEST(PlaylistMenu, EachCommandRearrangesBothListsAndSaysHowManyChanged) {
    const QString one = MakeFolder("one", {"track 10.mp3", "Track 2.mp3", "a.mp3"});
    const QString two = MakeFolder("two", {"b.mp3"});
    struct Case {
        const char* item;
        QStringList entries;
        QString selected;  // the entry selected afterwards ("one/a.mp3" was selected before)
        QString message;
    } cases[] = {
        {"Сортировать по имени",
         {"one/a.mp3", "two/b.mp3", "one/gone.mp3", "one/Track 2.mp3", "one/track 10.mp3",
          "one/track 10.mp3"},
         "one/a.mp3",
         "Переставлено записей: 6."},
        // "b.mp3" carries the title "(Intro)"; the others sort by name.
        {"Сортировать по названию",
         {"two/b.mp3", "one/a.mp3", "one/gone.mp3", "one/Track 2.mp3", "one/track 10.mp3",
          "one/track 10.mp3"},
         "one/a.mp3",
         "Переставлено записей: 6."},
        {"Сортировать по пути",
         {"one/a.mp3", "one/gone.mp3", "one/Track 2.mp3", "one/track 10.mp3", "one/track 10.mp3",
          "two/b.mp3"},
         "one/a.mp3",
         "Переставлено записей: 4."},
        {"Убрать повторы",
         {"one/track 10.mp3", "one/Track 2.mp3", "one/a.mp3", "one/gone.mp3", "two/b.mp3"},
         "one/a.mp3",
         "Убрано повторов: 1."},
        {"Убрать отсутствующие",
         {"one/track 10.mp3", "one/Track 2.mp3", "one/a.mp3", "one/track 10.mp3", "two/b.mp3"},
         "one/a.mp3",
         "Убрано отсутствующих файлов: 1."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        auto window = OpenMainWindow();
        PlaylistEntries entries =
            EntriesOf({"track 10.mp3", "Track 2.mp3", "a.mp3", "gone.mp3", "track 10.mp3", "b.mp3"},
                      {one, one, one, one, one, two});
        entries[5].title = QStringLiteral("(Intro)");
        window->playlist().append(entries);
        window->lstPL->setListIndex(2);
        ModalAnswer user;
        MenuItem(*window, QString::fromUtf8(c.item))->trigger();
        EXPECT_EQ(ShownEntries(*window), c.entries);
        EXPECT_EQ(ShownEntries(*window).value(window->lstPL->listIndex()), c.selected);
        EXPECT_EQ(user.messages(), QStringList{c.message});
    }
}

// Removing the selected entry moves the selection as "<" does; shuffling keeps every entry.
TEST(PlaylistMenu, SelectionAndShuffle) {
    const QString one = MakeFolder("one", {"a.mp3"});
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf({"a.mp3", "gone.mp3", "a.mp3"}, {one, one, one}));
    window->lstPL->setListIndex(1);
    {
        ModalAnswer user;
        MenuItem(*window, QStringLiteral("Убрать отсутствующие"))->trigger();
    }
    EXPECT_EQ(ShownEntries(*window), QStringList({"one/a.mp3", "one/a.mp3"}));
    EXPECT_EQ(window->lstPL->listIndex(), 1);

    QStringList names;
    for (int i = 0; i < 200; ++i) names.append(QStringLiteral("%1.mp3").arg(i));
    window->lblDelAll_Click();
    window->playlist().append(EntriesOf(names, QStringList(names.size(), one)));
    ModalAnswer user;
    MenuItem(*window, QStringLiteral("Перемешать"))->trigger();
    QStringList shuffled = FileNamesOf(window->playlist().entries());
    EXPECT_NE(shuffled, names);
    shuffled.sort();
    names.sort();
    EXPECT_EQ(shuffled, names);
    EXPECT_EQ(window->lstP->listCount(), 200);
}

// The Menu key (and a right click, which the system turns into the same event) opens the menu.
TEST(PlaylistMenu, OpensOverThePlaylist) {
    auto window = OpenMainWindow();
    window->show();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5));
    QApplication::sendEvent(window->lstPL->viewport(), &menuKey);
    EXPECT_TRUE(window->playlistMenu()->isVisible());
    window->playlistMenu()->hide();
}

// "Найти..." selects every entry that holds the text and says how many; "Найти далее" steps the
// current entry through them, from the top again after the last, and asks again once nothing holds
// the text any more.
TEST(PlaylistMenu, FindSelectsTheEntriesThatHoldTheTextAndStepsThroughThem) {
    auto window = OpenMainWindow();
    window->playlist().append(
        EntriesOf({"Ёлка.mp3", "a.mp3", "елка live.mp3", "b.mp3"}, QStringList(4, "/m")));
    QStringList asked;
    ModalAnswer user([&asked](QWidget* modal) {
        if (auto* box = qobject_cast<QInputDialog*>(modal)) {
            asked.append(box->labelText());
            box->setTextValue("ЕЛКА");
        }
    });
    MenuItem(*window, "Найти...")->trigger();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(user.messages(), QStringList{"Найдено записей: 2."});
    EXPECT_EQ(window->lstPL->selectedRows(), std::vector<int>({0, 2}));
    EXPECT_EQ(window->lstPL->currentIndex().row(), 0);
    EXPECT_EQ(window->lblRec->value(), "1 из 4");
    QAction* next = MenuItem(*window, "Найти далее");
    next->trigger();
    EXPECT_EQ(window->lstPL->currentIndex().row(), 2);
    EXPECT_EQ(window->lblRec->value(), "3 из 4");
    next->trigger();
    EXPECT_EQ(window->lstPL->currentIndex().row(), 0);
    EXPECT_EQ(asked.size(), 1);

    window->playlist().removeRows({0, 2});
    next->trigger();  // nothing holds the text: it asks again, and says so
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(user.messages().last(), "Ничего не найдено.");
}
