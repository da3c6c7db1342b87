// SPDX-License-Identifier: MIT
// Every command label's key runs its command.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <cmath>

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

// While the name box has the focus, its editing keys edit the name: the window's commands on the
// same keys (Ctrl+Delete clears the playlist, Ctrl+Z takes back a change of it) wait until the
// focus is elsewhere. Every other window key still runs its command from the box.
TEST_F(CommandKeys, TheNameBoxKeepsItsEditingKeys) {
    window_->lblAddAll_Click();
    QLineEdit* box = window_->txtPLName;
    const struct {
        QKeyCombination key;
        const char* textAfter;
    } edits[] = {
        {Qt::CTRL | Qt::Key_Delete, "mix"}, {Qt::CTRL | Qt::Key_Backspace, "Best "},
        {Qt::CTRL | Qt::Key_Z, ""},         {Qt::Key_Delete, "est mix"},
        {Qt::CTRL | Qt::Key_A, "Best mix"}, {Qt::Key_End, "Best mix"},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(QKeySequence(edit.key).toString().toStdString());
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, "Best mix");
        // The caret at the start, but for Ctrl+Backspace, which deletes the word before it.
        QTest::keyClick(box, edit.key.key() == Qt::Key_Backspace ? Qt::Key_End : Qt::Key_Home);
        press(box, edit.key);
        EXPECT_EQ(box->text(), edit.textAfter);
        EXPECT_EQ(window_->playlist().count(), 3);
        EXPECT_EQ(window_->playlist().history().count(), 1);
    }

    // The window's keys the box takes are exactly those it edits with.
    QStringList taken;
    const auto takes = [box](const QKeySequence& key) {
        QKeyEvent override(QEvent::ShortcutOverride, key[0].key(), key[0].keyboardModifiers());
        override.ignore();
        QApplication::sendEvent(box, &override);
        return override.isAccepted();
    };
    for (const QShortcut* shortcut : window_->findChildren<QShortcut*>())
        if (shortcut->context() == Qt::WindowShortcut && takes(shortcut->key()))
            taken.append(shortcut->key().toString());
    for (const QAction* action : window_->actions())
        for (const QKeySequence& key : action->shortcuts())
            if (takes(key)) taken.append(key.toString());
    taken.sort();
    EXPECT_EQ(taken, QStringList({"Ctrl+Del", "Ctrl+Shift+Z", "Ctrl+Y", "Ctrl+Z"}));
}

// The contrast of two colours as the web's accessibility guidelines measure it (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where the focus is can be seen: the focused list's current row that no highlight shows, and an
// empty focused list, stand out from the black skin by at least 3:1; an unfocused list shows
// nothing of the kind.
TEST_F(CommandKeys, TheFocusedListShowsWhereTheKeysGo) {
    const auto leftEdgeOf = [](ListBox* list, int row) {
        const QImage shown = list->viewport()->grab().toImage();
        const QRect rect = row >= 0
                               ? list->visualRect(list->model()->index(row, list->modelColumn()))
                               : list->viewport()->rect();
        return shown.pixelColor(rect.left(), rect.center().y());
    };
    const QColor black(Qt::black);
    window_->File1->setFocus();
    window_->File1->setCurrentIndex(window_->File1->model()->index(1, 0));
    window_->File1->selectionModel()->clearSelection();
    EXPECT_GE(Contrast(leftEdgeOf(window_->File1, 1), black), 3.0);
    window_->lstPL->setFocus();  // the playlist is empty
    EXPECT_GE(Contrast(leftEdgeOf(window_->lstPL, -1), black), 3.0);
    EXPECT_EQ(leftEdgeOf(window_->File1, 1), black);
}
