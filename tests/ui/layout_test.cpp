// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "tests/support/main_window.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/skin_image.h"
#include "ui/main_layout.h"

TEST(MainLayout, EveryControlOfTheTableExistsAsLaidOut) {
    auto window = OpenMainWindow();
    window->show();
    EXPECT_EQ(window->size(), QSize(500, 555));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), "Lyrantel");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(MainWindowLayout().size(), 56u);
    for (const ControlSpec& spec : MainWindowLayout()) {
        SCOPED_TRACE(spec.name);
        QWidget* control = window->control<QWidget>(spec.name);
        ASSERT_NE(control, nullptr) << spec.name;
        EXPECT_EQ(control->geometry(), spec.rect) << spec.name;
        EXPECT_EQ(control->isVisibleTo(window.get()), spec.visible) << spec.name;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->text(), spec.text.toString()) << spec.name;
        }
    }
}

// The controls a user clicks or points at, where the window's design puts them. Stated here and
// not taken from the table the window is built from, so a rectangle moved or resized there by one
// pixel shows.
TEST(MainLayout, TheControlsAUserClicksSitWhereTheyAreDesigned) {
    auto window = OpenMainWindow();
    window->show();
    const struct {
        const char* name;
        QRect rect;
    } controls[] = {
        // The button grid: command labels 8 px right of and 2 px below their images.
        {"lblNew", {128, 450, 92, 17}},
        {"lblOpen", {248, 450, 92, 17}},
        {"lblSave", {368, 450, 92, 17}},
        {"lblMP", {128, 482, 92, 17}},
        {"lblWA", {248, 482, 92, 17}},
        {"lblOther", {368, 482, 92, 17}},
        {"lblTools", {128, 514, 92, 17}},
        {"lblAbout", {248, 514, 92, 17}},
        {"lblExit", {368, 514, 92, 17}},
        {"imgButtons(0)", {120, 448, 111, 23}},
        {"imgButtons(1)", {240, 448, 111, 23}},
        {"imgButtons(2)", {360, 448, 111, 23}},
        {"imgButtons(3)", {120, 480, 111, 23}},
        {"imgButtons(4)", {240, 480, 111, 23}},
        {"imgButtons(5)", {360, 480, 111, 23}},
        {"imgButtons(6)", {120, 512, 111, 23}},
        {"imgButtons(7)", {240, 512, 111, 23}},
        {"imgButtons(8)", {360, 512, 111, 23}},
        // The arrow column: labels 7 px right of their images (">>" 6 px) and 2 px below.
        {"lblDelAll", {208, 98, 49, 17}},
        {"lblDel", {208, 130, 49, 17}},
        {"lblAdd", {208, 170, 49, 17}},
        {"lblAddAll", {207, 202, 49, 17}},
        {"imgDelAll", {201, 96, 63, 23}},
        {"imgDel", {201, 128, 63, 23}},
        {"imgAdd", {201, 168, 63, 23}},
        {"imgAddAll", {201, 200, 63, 23}},
        // The title buttons: the minimise half covers the close half's two leftmost columns.
        {"imgMinimize", {464, 8, 18, 12}},
        {"imgClose", {480, 8, 18, 13}},
        // The lists and the selector the user picks from.
        {"Drive1", {200, 48, 65, 23}},
        {"Dir1", {24, 48, 177, 108}},
        {"File1", {24, 160, 177, 111}},
        {"lstPL", {264, 48, 217, 229}},
        {"cmbPLType", {200, 248, 65, 23}},
        {"txtPLName", {88, 408, 393, 22}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* control = window->control<QWidget>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), c.rect);
    }
}

// The control that gets the pointer at a point of the window, top of the stacking order first.
TEST(MainLayout, TheControlUnderEachProbePointIsTheExpectedOne) {
    auto window = OpenMainWindow();
    window->show();
    const struct {
        QPoint point;
        const char* control;
    } probes[] = {
        {{130, 460}, "lblNew"},        {{121, 449}, "imgButtons(0)"}, {{468, 460}, "imgButtons(2)"},
        {{250, 468}, "imgButtons(1)"}, {{400, 533}, "imgButtons(8)"}, {{240, 522}, "imgButtons(7)"},
        {{232, 180}, "lblAdd"},        {{202, 180}, "imgAdd"},        {{262, 107}, "imgDelAll"},
        {{464, 12}, "imgMinimize"},    {{481, 12}, "imgMinimize"},    {{482, 12}, "imgClose"},
        {{497, 12}, "imgClose"},       {{100, 25}, "lblName"},        {{5, 280}, "imgBack"},
        {{5, 299}, "imgBack"},         {{5, 300}, "imgInfo"},         {{5, 554}, "imgInfo"},
        {{100, 100}, "Dir1"},          {{300, 100}, "lstPL"},         {{400, 100}, "lstPL"},
        {{30, 336}, "lblPathCap"},     {{100, 336}, "lblPath"},       {{320, 360}, "lblTypeCap"},
    };
    for (const auto& probe : probes) {
        SCOPED_TRACE(probe.control);
        QWidget* hit = window->childAt(probe.point);
        // Lists report their viewport; the control is the window's child that holds it.
        while (hit && hit->parentWidget() != window.get()) hit = hit->parentWidget();
        ASSERT_NE(hit, nullptr) << probe.control;
        EXPECT_EQ(hit->objectName(), probe.control) << probe.point.x() << "," << probe.point.y();
    }
}

TEST(MainLayout, TabCyclesTheFiveControlsAndTheNameBoxWhileShown) {
    auto window = OpenMainWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    window->Dir1->setFocus();
    // The names of the focused controls, one Tab press after another. The window becomes active
    // a little after it is shown; until then no control has the focus.
    const auto cycle = [&](int presses, QStringList& seen) {
        for (int i = 0; i < presses; ++i) {
            QWidget* focused = WaitForFocusIn(window.get());
            ASSERT_NE(focused, nullptr) << "no control has the focus after " << i << " presses";
            seen.append(focused->objectName());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
    };
    QStringList seen;
    cycle(6, seen);
    EXPECT_EQ(seen, QStringList({"Dir1", "lstPL", "File1", "Drive1", "cmbPLType", "Dir1"}));
    SelectPlaylistType(*window, PlaylistType::WPL);
    window->Dir1->setFocus();
    seen.clear();
    cycle(7, seen);
    EXPECT_EQ(seen,
              QStringList({"Dir1", "lstPL", "File1", "Drive1", "cmbPLType", "txtPLName", "Dir1"}));
}

TEST(MainLayout, TheCornersOfTheWindowShowThePanelColour) {
    auto window = OpenMainWindow();
    window->show();
    const QImage grab = window->grab().toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 554), QPoint(499, 554)}) {
        SCOPED_TRACE(testing::Message() << corner.x() << "," << corner.y());
        EXPECT_EQ(QColor(grab.pixel(corner)), QColor(146, 154, 145))
            << corner.x() << "," << corner.y();
    }
}
