// SPDX-License-Identifier: MIT
#include "ui/read_progress.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QProgressDialog>
#include <QSemaphore>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "tests/support/modal_answer.h"
#include "tests/support/playlist_entries.h"

namespace {

ReadResult OneEntry() {
    return {PlaylistContents{{EntryOfPath(QStringLiteral("/m/a.mp3"))}, QString(), {}, false},
            QString()};
}

// A read that lasts until the test lets it end, as a slow disk's would. The worker may outlive
// the test's scope, so it shares the semaphore.
struct SlowRead {
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>();
    void release() { gate->release(); }
    std::function<ReadResult()> read() const {
        return [gate = gate] {
            gate->acquire();
            return OneEntry();
        };
    }
};

}  // namespace

TEST(ReadProgress, AQuickReadShowsNoWindow) {
    QWidget window;
    window.show();
    ModalAnswer user;
    const std::optional<ReadResult> read = ReadWithProgress(&window, "reading", OneEntry);
    ASSERT_TRUE(read && read->contents);
    EXPECT_EQ(PathsOf(read->contents->entries), QStringList{"/m/a.mp3"});
    EXPECT_TRUE(user.captions().isEmpty());
}

// A long read shows its progress and gives its result when it ends.
TEST(ReadProgress, ALongReadShowsProgressUntilItEnds) {
    QWidget window;
    window.show();
    SlowRead slow;
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window.findChild<QProgressDialog*>() ||
            !window.findChild<QProgressDialog*>()->isVisible())
            return;
        shown = true;
        slow.release();
    });
    poll.start(10);
    const std::optional<ReadResult> read = ReadWithProgress(&window, "reading", slow.read());
    EXPECT_TRUE(shown);
    ASSERT_TRUE(read && read->contents);
    EXPECT_EQ(PathsOf(read->contents->entries), QStringList{"/m/a.mp3"});
}

// "Отмена" gives up at once; the read finishes behind the scenes and is dropped.
TEST(ReadProgress, CancelGivesUpTheRead) {
    QWidget window;
    window.show();
    SlowRead slow;
    ModalAnswer user([](QWidget* modal) {
        if (auto* progress = qobject_cast<QProgressDialog*>(modal))
            progress->findChild<QAbstractButton*>()->click();
    });
    EXPECT_FALSE(ReadWithProgress(&window, "reading", slow.read()));
    slow.release();
}
