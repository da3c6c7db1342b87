// SPDX-License-Identifier: MIT
// Every command label's key runs its command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTest>

#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/frm_about.h"
#include "ui/frm_tools.h"

namespace {

class CommandKeys : public testing::Test {
protected:
    void SetUp() override {
        music_ = MakeFolder("music", {"a.mp3", "b.mp3", "c.mp3"});
        window_ = OpenMainWindow();
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        BrowseTo(*window_, music_);
    }

    // The key pressed on the control that has the focus, as the user presses it; returns the
    // titles of the modal windows it opened and the texts of its messages.
    QStringList press(QWidget* focus, QKeyCombination key) {
        // A modal window of an earlier key took the activation away.
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        focus->setFocus();
        QStringList seen;
        ModalAnswer user([&seen](QWidget* modal) {
            seen.append(modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->hide();
        });
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        return seen + user.messages();
    }

    QString music_;
    std::unique_ptr<frmMain> window_;
};

}  // namespace

TEST_F(CommandKeys, PlaylistKeysAddRemoveMoveAndClear) {
    window_->File1->setListIndex(1);
    for (const Qt::Key key : {Qt::Key_Insert, Qt::Key_Return, Qt::Key_Enter})
        press(window_->File1, key);
    EXPECT_EQ(FileNamesOf(window_->playlist().entries()), (QStringList{"b.mp3", "b.mp3", "b.mp3"}));

    press(window_->lstPL, Qt::CTRL | Qt::Key_Return);
    EXPECT_EQ(window_->playlist().count(), 6);

    window_->lstPL->setListIndex(3);  // a.mp3
    press(window_->lstPL, Qt::CTRL | Qt::Key_Up);
    press(window_->lstPL, Qt::CTRL | Qt::Key_Up);
    EXPECT_EQ(FileNamesOf(window_->playlist().entries()).at(1), "a.mp3");
    EXPECT_EQ(window_->lstPL->listIndex(), 1);
    press(window_->lstPL, Qt::CTRL | Qt::Key_Down);
    EXPECT_EQ(FileNamesOf(window_->playlist().entries()).at(2), "a.mp3");
    EXPECT_EQ(window_->lstPL->listIndex(), 2);

    press(window_->lstPL, Qt::Key_Delete);
    EXPECT_EQ(window_->playlist().count(), 5);
    EXPECT_FALSE(FileNamesOf(window_->playlist().entries()).contains("a.mp3"));

    press(window_->Dir1, Qt::CTRL | Qt::Key_Delete);
    EXPECT_EQ(window_->playlist().count(), 0);
    window_->lblAddAll_Click();
    press(window_->Dir1, Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(window_->playlist().count(), 0);
}

TEST_F(CommandKeys, WindowKeysOpenTheirWindowsAndRunThePlayers) {
    window_->lblAddAll_Click();
    const struct {
        const char* name;
        QKeyCombination key;
        QStringList seen;
    } rows[] = {
        {"Открыть", Qt::CTRL | Qt::Key_O, {"QFileDialog"}},
        {"Сохранить", Qt::CTRL | Qt::Key_S, {"QFileDialog"}},
        {"Настройки", QKeyCombination(Qt::Key_F2), {"frmTools"}},
        {"О программе", QKeyCombination(Qt::Key_F1), {"frmAbout"}},
        {"Media Player", Qt::CTRL | Qt::Key_1, {"QMessageBox", "Not WPL PL type"}},
        {"WinAmp", Qt::CTRL | Qt::Key_2, {}},
        {"Др. проигрыв.", Qt::CTRL | Qt::Key_3, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList seen = press(window_->Dir1, row.key);
        if (row.seen.isEmpty()) {
            // No command is set: the start failure is said.
            ASSERT_EQ(seen.size(), 2);
            EXPECT_TRUE(seen[1].startsWith("Не удалось запустить проигрыватель:"));
        } else {
            EXPECT_EQ(seen, row.seen);
        }
    }
    press(window_->Dir1, Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(CommandKeys, PlaylistMenuKeysWorkWithoutTheMenu) {
    window_->lblAddAll_Click();
    window_->lblAddAll_Click();
    const struct {
        const char* name;
        QKeyCombination key;
        QString message;
    } rows[] = {
        {"Сортировать по имени", Qt::CTRL | Qt::SHIFT | Qt::Key_N, "Переставлено записей: 4."},
        {"Сортировать по пути", Qt::CTRL | Qt::SHIFT | Qt::Key_P, "Переставлено записей: 0."},
        {"Убрать повторы", Qt::CTRL | Qt::SHIFT | Qt::Key_D, "Убрано повторов: 3."},
        {"Убрать отсутствующие", Qt::CTRL | Qt::SHIFT | Qt::Key_M,
         "Убрано отсутствующих файлов: 0."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(press(window_->Dir1, row.key), (QStringList{"QMessageBox", row.message}));
    }
    EXPECT_EQ(FileNamesOf(window_->playlist().entries()), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    EXPECT_EQ(press(window_->File1, Qt::CTRL | Qt::SHIFT | Qt::Key_R).value(0), "QMessageBox");
}

// The colour of a list's selected row, as it is drawn.
QColor SelectedRowColour(ListBox* list) {
    const QRect row =
        list->visualRect(list->model()->index(list->listIndex(), list->modelColumn()));
    return list->viewport()->grab().toImage().pixelColor(row.right() - 2, row.center().y());
}

TEST_F(CommandKeys, OnlyTheFocusedListShowsItsSelectionInFullColour) {
    window_->File1->setListIndex(0);
    window_->File1->setFocus();
    window_->Dir1->setFocus();
    const QColor focused = SelectedRowColour(window_->Dir1);
    const QColor unfocused = SelectedRowColour(window_->File1);
    EXPECT_NE(focused, unfocused);
    window_->File1->setFocus();
    EXPECT_EQ(SelectedRowColour(window_->File1), focused);
    EXPECT_EQ(SelectedRowColour(window_->Dir1), unfocused);
}
