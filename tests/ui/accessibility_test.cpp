// SPDX-License-Identifier: MIT
// What a screen reader finds in the main window: the controls it shows, each named and of its
// role, and buttons whose Press runs their command.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/frm_about.h"
#include "ui/frm_tools.h"

namespace {

// The accessible children of a window by their control's name.
QHash<QString, QAccessibleInterface*> ChildrenOf(QWidget* window) {
    QHash<QString, QAccessibleInterface*> children;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        EXPECT_EQ(root->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), root);
        children.insert(child->object()->objectName(), child);
    }
    return children;
}

}  // namespace

TEST(Accessibility, ShownControlsHaveTheirRolesAndNames) {
    const struct {
        const char* control;
        QAccessible::Role role;
        QString name;
    } expected[] = {
        {"lblNew", QAccessible::Button, "Новый"},
        {"lblOpen", QAccessible::Button, "Открыть"},
        {"lblSave", QAccessible::Button, "Сохранить"},
        {"lblMP", QAccessible::Button, "Media Player"},
        {"lblWA", QAccessible::Button, "WinAmp"},
        {"lblOther", QAccessible::Button, "Др. проигрыв."},
        {"lblTools", QAccessible::Button, "Настройки"},
        {"lblAbout", QAccessible::Button, "О программе"},
        {"lblExit", QAccessible::Button, "Выход"},
        {"lblAdd", QAccessible::Button, ">"},
        {"lblAddAll", QAccessible::Button, ">>"},
        {"lblDel", QAccessible::Button, "<"},
        {"lblDelAll", QAccessible::Button, "<<"},
        {"imgMinimize", QAccessible::Button, "Свернуть"},
        {"imgClose", QAccessible::Button, "Закрыть"},
        {"Drive1", QAccessible::ComboBox, "Диск"},
        {"Dir1", QAccessible::List, "Папки"},
        {"File1", QAccessible::List, "Файлы"},
        {"lstPL", QAccessible::List, "Список воспроизведения"},
        {"cmbPLType", QAccessible::ComboBox, "Тип списка"},
        {"lblPathCap", QAccessible::StaticText, "Путь:"},
    };
    auto window = OpenMainWindow();
    const auto children = ChildrenOf(window.get());
    for (const auto& row : expected) {
        SCOPED_TRACE(row.control);
        QAccessibleInterface* child = children.value(row.control);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->role(), row.role);
        EXPECT_EQ(child->text(QAccessible::Name), row.name);
        if (row.role == QAccessible::ComboBox)
            EXPECT_FALSE(child->text(QAccessible::Value).isEmpty());  // the chosen item
        if (row.role == QAccessible::Button)
            EXPECT_EQ(child->actionInterface()->actionNames(),
                      QStringList{QAccessibleActionInterface::pressAction()});
    }

    // The hidden list of entry folders, the hidden output buffer, the holder images below the
    // window and the skin's unnamed pictures stay out of the tree.
    for (const char* absent : {"lstP", "txtSave", "imgButtonN", "imgButtonO", "imgCloseN",
                               "imgCloseO", "imgMinimizeN", "imgMinimizeO", "imgBack", "imgAdd"}) {
        SCOPED_TRACE(absent);
        EXPECT_FALSE(children.contains(absent));
    }

    auto& tools = window->tools();
    const auto toolsChildren = ChildrenOf(&tools);
    EXPECT_EQ(toolsChildren.value("txtMPPath")->text(QAccessible::Name), "Путь к Media Player");
    EXPECT_EQ(toolsChildren.value("txtMPPath")->role(), QAccessible::EditableText);
    EXPECT_EQ(toolsChildren.value("lblOK")->role(), QAccessible::Button);
    // The secondary windows are named as the commands that open them.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&tools)->text(QAccessible::Name), "Настройки");
    frmAbout about;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Name),
              "О программе");
    EXPECT_EQ(ChildrenOf(&about).value("Image1")->text(QAccessible::Name), "Закрыть");
}

TEST(Accessibility, PressRunsTheCommand) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    const auto children = ChildrenOf(window.get());

    // The command runs once the call has returned, as the event loop goes on.
    children.value("lblAddAll")
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window->playlist().count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(FileNamesOf(window->playlist().entries()), (QStringList{"a.mp3", "b.mp3"}));

    children.value("lblDelAll")
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->playlist().count(), 0);

    // A command that opens a modal window: the call returns before it opens.
    QStringList opened;
    ModalAnswer user([&opened](QWidget* modal) { opened.append(modal->accessibleName()); });
    children.value("lblAbout")
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTRY_COMPARE(opened, QStringList{"О программе"});
}

// A screen reader walks the playlist entry by entry: one item per entry, named by the entry, its
// title and length in the description; the hidden folders are no items of it.
TEST(Accessibility, ThePlaylistHasOneItemPerEntry) {
    auto window = OpenMainWindow();
    window->show();
    PlaylistEntries entries =
        EntriesOf({"track 1.wav", "track 2.wav", "x.mp3"}, {"/m/Album", "/m/Album", "/m/Other"});
    entries[1].title = QStringLiteral("Artist - Title");
    entries[1].seconds = 213;
    window->playlist().append(entries);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->lstPL);
    ASSERT_EQ(list->childCount(), 3);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i)
        names.append(list->child(i)->text(QAccessible::Name));
    EXPECT_EQ(names, QStringList({"track 1.wav", "track 2.wav", "x.mp3"}));
    EXPECT_EQ(list->child(1)->text(QAccessible::Description), "Artist - Title (3:33)");
    EXPECT_EQ(list->tableInterface()->columnCount(), 1);
}
