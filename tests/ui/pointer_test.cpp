// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "tests/support/main_window.h"
#include "ui/controls/skin_label.h"

// A press on the background moves the window only until its button comes up, whichever button it
// is and however quickly it comes up: afterwards the window stays where the pointer left it.
TEST(Pointer, TheWindowNeverStaysOnThePointerAfterTheRelease) {
    const QPoint background(5, 150);
    auto window = OpenMainWindow();
    window->show();
    QWindow* handle = window->windowHandle();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (const bool drag : {true, false}) {
            SCOPED_TRACE(testing::Message() << "button " << button << (drag ? " drag" : " click"));
            window->move(100, 100);
            // Queued before the press is handled, as a quick click's release is.
            QTimer::singleShot(0, [&] {
                if (drag) QTest::mouseMove(handle, background + QPoint(30, 20));
                QTest::mouseRelease(handle, button, {}, background);
            });
            QTest::mousePress(handle, button, {}, background);
            const QPoint released = window->pos();
            EXPECT_EQ(released, drag ? QPoint(130, 120) : QPoint(100, 100));
            QTest::mouseMove(handle, background + QPoint(50, 50));
            QTest::mouseMove(handle, background + QPoint(-40, 10));
            EXPECT_EQ(window->pos(), released);
        }
    }
}

// Only the left button clicks: a right or middle click on "Выход" leaves the program running.
TEST(Pointer, OnlyALeftClickRunsACommand) {
    auto window = OpenMainWindow();
    window->show();
    auto* exit = window->control<SkinLabel>("lblExit");
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        SCOPED_TRACE(testing::Message() << "button " << button);
        QTest::mouseClick(exit, button, {}, exit->rect().center());
        EXPECT_EQ(window->isVisible(), button != Qt::LeftButton);
    }
}

// A double click is one click: the system delivers press, release, double click, release, and the
// second release runs no command. ">>" adds the folder's files once.
TEST(Pointer, ADoubleClickOnACommandLabelRunsItOnce) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3", "c.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    const auto doubleClick = [](QWidget* label) {
        const QPointF at = label->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, label->mapToGlobal(at), Qt::LeftButton, held, {});
            QApplication::sendEvent(label, &event);
        }
    };
    doubleClick(window->control<SkinLabel>("lblAddAll"));
    EXPECT_EQ(window->playlist().count(), 3);

    // Every command label, its command let go of: only the clicks are counted.
    const QList<CommandLabel*> labels = window->findChildren<CommandLabel*>();
    ASSERT_EQ(labels.size(), 13);
    for (CommandLabel* label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        QObject::disconnect(label, &SkinLabel::clicked, window.get(), nullptr);
        QSignalSpy clicks(label, &SkinLabel::clicked);
        doubleClick(label);
        EXPECT_EQ(clicks.size(), 1);
    }
}
