// SPDX-License-Identifier: MIT
#include "ui/tree_walk_progress.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QProgressDialog>
#include <QThread>
#include <QWidget>

#include "tests/support/modal_answer.h"
#include "tests/support/playlist_entries.h"

namespace {

// A walk of a slow disk: a file found every few milliseconds, until it is told to stop.
FolderTreeWalk EndlessWalk(const FolderTreeProgress& progress) {
    FolderTreeWalk walk;
    for (int found = 0;; ++found) {
        if (!progress(found, QStringLiteral("/m/folder %1").arg(found))) {
            walk.cancelled = true;
            return walk;
        }
        walk.entries.append(EntryOfPath(QStringLiteral("/m/%1.mp3").arg(found)));
        QThread::msleep(5);
    }
}

FolderTreeWalk QuickWalk(const FolderTreeProgress& progress) {
    FolderTreeWalk walk;
    if (progress(0, QStringLiteral("/m"))) {
        walk.entries = {EntryOfPath(QStringLiteral("/m/a.mp3"))};
    }
    return walk;
}

}  // namespace

TEST(TreeWalkProgress, AQuickWalkShowsNoWindow) {
    QWidget window;
    window.show();
    ModalAnswer user;
    const FolderTreeWalk walk = WalkWithProgress(&window, QuickWalk);
    EXPECT_EQ(PathsOf(walk.entries), QStringList{"/m/a.mp3"});
    EXPECT_FALSE(walk.cancelled);
    EXPECT_TRUE(user.captions().isEmpty());
}

// A long walk shows what it has found; "Отмена" stops it, and what it found is kept.
TEST(TreeWalkProgress, CancelKeepsWhatWasFound) {
    QWidget window;
    window.show();
    QString shownText;
    ModalAnswer user([&shownText](QWidget* modal) {
        auto* progress = qobject_cast<QProgressDialog*>(modal);
        ASSERT_NE(progress, nullptr);
        shownText = progress->findChild<QLabel*>()->text();
        progress->findChild<QAbstractButton*>()->click();
    });
    const FolderTreeWalk walk = WalkWithProgress(&window, EndlessWalk);
    EXPECT_TRUE(walk.cancelled);
    EXPECT_GT(walk.entries.size(), 0);
    EXPECT_TRUE(shownText.startsWith("Найдено файлов: ")) << shownText.toStdString();
    EXPECT_TRUE(shownText.contains("/m/folder ")) << shownText.toStdString();
}
