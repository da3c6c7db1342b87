// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "platform/settings_keys.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_about.h"
#include "ui/frm_tools.h"

namespace {

char OkPicture(const frmMain& main, const frmTools& tools) {
    const qint64 key = tools.imgOK->picture().cacheKey();
    return key == main.imgButtonN->picture().cacheKey()   ? 'N'
           : key == main.imgButtonO->picture().cacheKey() ? 'O'
                                                          : '?';
}

}  // namespace

TEST(SettingsWindow, FocusKeysAndTheLitOkButton) {
    auto window = OpenMainWindow();
    frmTools& tools = window->tools();
    for (QLineEdit* box : {tools.txtMPPath, tools.txtWAPath, tools.txtOthPlPath})
        box->setText("mpv --fs");
    QStringList focusOrder;
    // A box entered by the keyboard selects nothing and puts the caret at the end.
    QStringList caretsAtTheEnd;
    std::string okStates;
    bool keptOpenByKeys = false;
    ModalAnswer user([&](QWidget* modal) {
        if (modal != &tools) return;
        QWindow* handle = tools.windowHandle();
        // The modal window is shown before the platform makes it active; the keys go to
        // whichever of its boxes has the focus once it is.
        for (int i = 0; i < 5; ++i) {
            QWidget* focused = WaitForFocusIn(&tools);
            ASSERT_NE(focused, nullptr) << "no control of the settings window has the focus";
            focusOrder.append(focused->objectName());
            const auto* box = qobject_cast<QLineEdit*>(focused);
            if (box && !box->hasSelectedText() && box->cursorPosition() == box->text().size())
                caretsAtTheEnd.append(box->objectName());
            okStates += OkPicture(*window, tools);  // lit only while OK has the focus
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QTest::keyClick(tools.txtMPPath, Qt::Key_Escape);
        QTest::keyClick(tools.txtMPPath, Qt::Key_Return);
        keptOpenByKeys = tools.isVisible();
        for (const QPoint point : {QPoint(440, 266), QPoint(394, 270), QPoint(10, 290),
                                   QPoint(440, 266)}) {  // label, margin, background, label
            QTest::mouseMove(handle, point);
            okStates += OkPicture(*window, tools);
        }
        QTest::mouseClick(handle, Qt::LeftButton, {}, {440, 266});
    });
    ClickOn(window->control<SkinLabel>("lblTools"));
    EXPECT_FALSE(tools.isVisible());
    EXPECT_EQ(focusOrder,
              QStringList({"txtMPPath", "txtWAPath", "txtOthPlPath", "lblOK", "txtMPPath"}));
    EXPECT_EQ(caretsAtTheEnd, QStringList({"txtMPPath", "txtWAPath", "txtOthPlPath", "txtMPPath"}));
    EXPECT_TRUE(keptOpenByKeys);
    EXPECT_EQ(okStates,
              "NNNON"
              "OONO");
    EXPECT_EQ(OkPicture(*window, tools), 'O');  // lit when it shows again
}

TEST(SettingsWindow, EditsAreStoredAtExitWithOrWithoutOkAndSurviveASystemClose) {
    auto window = OpenMainWindow();
    frmTools& tools = window->tools();
    ModalAnswer user([&](QWidget* modal) {
        if (modal != &tools) return;
        QTest::keyClicks(tools.txtWAPath, "\"/usr/bin/mpv\"");
        tools.close();  // Alt+F4 and the like
    });
    ClickOn(window->control<SkinLabel>("lblTools"));
    EXPECT_FALSE(tools.isVisible());
    EXPECT_EQ(tools.txtWAPath->text(), "\"/usr/bin/mpv\"");

    tools.txtOthPlPath->setText("typed while hidden");
    window->close();
    EXPECT_EQ(ReadAppSetting(Setting::WinAmpCommand), "\"/usr/bin/mpv\"");
    EXPECT_EQ(ReadAppSetting(Setting::OtherPlayerCommand), "typed while hidden");
}

// Label text starts at the top of its rectangle: the name's glyphs begin in the first lines of its
// 33 px box, not halfway down as centred text would.
TEST(AboutWindow, TheNameIsDrawnFromTheTopOfItsBox) {
    frmAbout about;
    const QRect box = about.control<SkinLabel>("Label1")->geometry();
    const QImage picture = about.grab().toImage();
    int top = -1, bottom = -1;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.red() < 64 && pixel.green() > 192 && pixel.blue() > 192) {  // the cyan text
                if (top < 0) top = y;
                bottom = y;
                break;
            }
        }
    }
    ASSERT_GE(top, 0) << "no text in the name's box";
    EXPECT_LE(top - box.top(), 6) << "text rows " << top << "-" << bottom;
    EXPECT_LE(bottom - box.top(), 26) << "text rows " << top << "-" << bottom;
}

TEST(AboutWindow, OnlyAClickOnThePictureHidesIt) {
    auto window = OpenMainWindow();
    EXPECT_EQ(window->about(), nullptr);
    bool stayedAfterLabelClick = false;
    ModalAnswer user([&](QWidget* modal) {
        auto* about = qobject_cast<frmAbout*>(modal);
        if (!about) return;
        EXPECT_EQ(about->size(), QSize(306, 183));
        EXPECT_EQ(about->control<SkinLabel>("Label3")->text(), "Orvenhall (Автор: Kestrin)");
        EXPECT_EQ(about->control<SkinLabel>("Label2")->text(), "v1.0");
        EXPECT_EQ(about->control<SkinLabel>("Label1")->text(), "Lyrantel");
        QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, {150, 48});  // the name
        stayedAfterLabelClick = about->isVisible();
        QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, {10, 100});  // the picture
    });
    ClickOn(window->control<SkinLabel>("lblAbout"));
    frmAbout* first = window->about();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(stayedAfterLabelClick);
    EXPECT_FALSE(first->isVisible());
    ClickOn(window->control<SkinLabel>("lblAbout"));
    EXPECT_EQ(window->about(), first);
}

// A keyboard user closes both windows: Tab reaches the control that closes each, and Space presses
// it; Enter and Escape still leave them open.
TEST(SecondaryWindows, TabAndSpaceCloseThem) {
    auto window = OpenMainWindow();
    for (const char* opener : {"lblTools", "lblAbout"}) {
        SCOPED_TRACE(opener);
        QStringList reached;
        bool keptOpenByKeys = false;
        ModalAnswer user([&](QWidget* modal) {
            QWidget* focused = WaitForFocusIn(modal);
            ASSERT_NE(focused, nullptr);
            while (focused->focusPolicy() != Qt::TabFocus && reached.size() < 5) {
                reached.append(focused->objectName());
                QTest::keyClick(focused, Qt::Key_Tab);
                focused = QApplication::focusWidget();
            }
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
                QTest::keyClick(focused, key);
            keptOpenByKeys = modal->isVisible();
            QTest::keyClick(focused, Qt::Key_Space);
            EXPECT_FALSE(modal->isVisible());
        });
        ClickOn(window->control<SkinLabel>(opener));
        EXPECT_LT(reached.size(), 5) << reached.join(", ").toStdString();
        EXPECT_TRUE(keptOpenByKeys);
    }
}
