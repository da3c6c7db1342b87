// SPDX-License-Identifier: MIT
#include "tests/support/folder_opens.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QFile>

int FolderOpensDuring(const QString& folder, const std::function<void()>& action) {
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(watch, 0);
    EXPECT_GE(inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_OPEN), 0);
    action();
    int opens = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t got; (got = read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            opens += event->len == 0;  // an event naming something inside is about that thing
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    close(watch);
    return opens;
}
