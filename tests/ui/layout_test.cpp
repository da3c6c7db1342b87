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
        QWidget* control = window->control<QWidget>(spec.name);
        ASSERT_NE(control, nullptr) << spec.name;
        EXPECT_EQ(control->geometry(), spec.rect) << spec.name;
        EXPECT_EQ(control->isVisibleTo(window.get()), spec.visible) << spec.name;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->text(), spec.text.toString()) << spec.name;
        }
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
    const auto cycle = [&](int presses) {
        QStringList seen;
        for (int i = 0; i < presses; ++i) {
            seen.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return seen;
    };
    EXPECT_EQ(cycle(6), QStringList({"Dir1", "lstPL", "File1", "Drive1", "cmbPLType", "Dir1"}));
    window->cmbPLType->setCurrentIndex(2);
    window->Dir1->setFocus();
    EXPECT_EQ(cycle(7),
              QStringList({"Dir1", "lstPL", "File1", "Drive1", "cmbPLType", "txtPLName", "Dir1"}));
}

TEST(MainLayout, TheCornersOfTheWindowShowThePanelColour) {
    auto window = OpenMainWindow();
    window->show();
    const QImage grab = window->grab().toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 554), QPoint(499, 554)})
        EXPECT_EQ(QColor(grab.pixel(corner)), QColor(146, 154, 145))
            << corner.x() << "," << corner.y();
}
