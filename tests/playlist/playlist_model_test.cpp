// SPDX-License-Identifier: MIT
// The playlist model behind lstPL and lstP, checked by Qt's model tester through every edit the
// window makes, and the two views shown in step.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QUrl>

#include "tests/support/isolation.h"
#include "tests/support/main_window.h"

namespace {

// What each view shows, read from the views themselves.
QStringList Shown(const ListBox& list) {
    QStringList items;
    for (int i = 0; i < list.listCount(); ++i) items.append(list.item(i));
    return items;
}

}  // namespace

TEST(PlaylistModel, EveryEditKeepsTheModelSoundAndBothListsInStep) {
    const QString one = MakeFolder("one", {"a.mp3", "b.mp3", "c.mp3"});
    const QString two = MakeFolder("two", {"d.mp3", "e.wav"});
    auto window = OpenMainWindow();
    window->show();
    // Fatal: a broken notification stops the run at the edit that made it.
    QAbstractItemModelTester tester(&window->playlist().model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);

    const auto expectInStep = [&](const QStringList& names, const QStringList& folders) {
        EXPECT_EQ(Shown(*window->lstPL), names);
        EXPECT_EQ(Shown(*window->lstP), folders);
    };

    BrowseTo(*window, one);
    window->File1->setListIndex(1);
    window->lblAdd_Click();
    expectInStep({"b.mp3"}, {one});

    window->lblAddAll_Click();
    expectInStep({"b.mp3", "a.mp3", "b.mp3", "c.mp3"}, {one, one, one, one});

    window->lstPL_FilesDropped({QUrl::fromLocalFile(two)});
    expectInStep({"b.mp3", "a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.wav"},
                 {one, one, one, one, two, two});

    window->lstPL_MoveEntry(5, 0);  // last to the top
    window->lstPL_MoveEntry(1, 6);  // second to the end
    expectInStep({"e.wav", "a.mp3", "b.mp3", "c.mp3", "d.mp3", "b.mp3"},
                 {two, one, one, one, two, one});

    window->lstPL->setListIndex(0);
    window->lblDel_Click();
    expectInStep({"a.mp3", "b.mp3", "c.mp3", "d.mp3", "b.mp3"}, {one, one, one, two, one});
    EXPECT_EQ(window->lstPL->listIndex(), 0);

    const QString saved = WorkPath("saved.m3u");
    window->ComposePlaylistText(PlaylistType::M3U, PlaylistTarget::SaveFile);
    window->WriteOutputBuffer(saved);
    window->lblDelAll_Click();
    expectInStep({}, {});

    window->OpenPlaylistFile(saved);
    expectInStep({"a.mp3", "b.mp3", "c.mp3", "d.mp3", "b.mp3"}, {one, one, one, two, one});

    window->lblNew_Click();
    expectInStep({}, {});
}
