// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "playlist/playlist_limits.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_label.h"

namespace {

void ExpectPlaylist(const frmMain& window, const QStringList& names, const QStringList& folders) {
    EXPECT_EQ(FileNamesOf(window.playlist().entries()), names);
    EXPECT_EQ(FoldersOf(window.playlist().entries()), folders);
}

}  // namespace

TEST(AddSelected, AddsTheSelectedFileEachTimeAndNothingWithoutSelection) {
    const QString music = MakeFolder("music", {"b.mp3", "a.wav"});
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    auto* add = window->control<SkinLabel>("lblAdd");

    ClickOn(add);
    ExpectPlaylist(*window, {}, {});

    window->File1->setListIndex(1);
    ClickOn(add);
    ClickOn(add);
    ExpectPlaylist(*window, {"b.mp3", "b.mp3"}, {music, music});
}

TEST(AddAll, AppendsEveryListedFileInListOrderAfterTheEntries) {
    const QString empty = MakeFolder("empty", {"notes.txt"});
    const QString music = MakeFolder("music", {"B.mid", "a.WMA", "c.avi"});
    const QString more = MakeFolder("more", {"z.wmv"});
    auto window = OpenMainWindow();
    auto* addAll = window->control<SkinLabel>("lblAddAll");

    BrowseTo(*window, empty);
    ClickOn(addAll);
    ExpectPlaylist(*window, {}, {});

    BrowseTo(*window, more);
    ClickOn(addAll);
    BrowseTo(*window, music);
    ClickOn(addAll);
    ExpectPlaylist(*window, {"z.wmv", "a.WMA", "B.mid", "c.avi"}, {more, music, music, music});
}

// Both ways of clearing empty the playlist and touch nothing else.
TEST(Clear, EmptiesBothListsAndKeepsTypeNameAndDetails) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3"});
    for (const char* command : {"lblDelAll", "lblNew"}) {
        SCOPED_TRACE(command);
        auto window = OpenMainWindow();
        BrowseTo(*window, music);
        ClickOn(window->control<SkinLabel>("lblAddAll"));
        SelectPlaylistType(*window, PlaylistType::WPL);
        window->txtPLName->setText("Party");
        window->lstPL->setListIndex(1);
        const QString path = window->lblPath->value();

        ClickOn(window->control<SkinLabel>(command));
        ExpectPlaylist(*window, {}, {});
        EXPECT_EQ(window->lstPL->listIndex(), -1) << command;
        EXPECT_EQ(window->cmbPLType->currentIndex(), static_cast<int>(PlaylistType::WPL))
            << command;
        EXPECT_EQ(window->txtPLName->text(), "Party") << command;
        EXPECT_EQ(window->lblPath->value(), path) << command;
        EXPECT_EQ(window->lblRec->value(), "2 из 2") << command;
    }
}

TEST(PlaylistLimit, AdditionsStopAtTheLimitAndSaySo) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3", "c.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    window->playlist().append(EntriesOf(QStringList(kMaxPlaylistEntries - 2, "x.mp3"),
                                        QStringList(kMaxPlaylistEntries - 2, music)));

    ModalAnswer user;
    ClickOn(window->control<SkinLabel>("lblAddAll"));
    EXPECT_EQ(window->lstPL->listCount(), kMaxPlaylistEntries);
    EXPECT_EQ(window->playlist().count(), kMaxPlaylistEntries);
    EXPECT_EQ(FileNamesOf(window->playlist().entries()).last(), "b.mp3");

    window->File1->setListIndex(2);
    ClickOn(window->control<SkinLabel>("lblAdd"));
    EXPECT_EQ(window->lstPL->listCount(), kMaxPlaylistEntries);
    EXPECT_EQ(window->playlist().count(), kMaxPlaylistEntries);
    EXPECT_EQ(user.messages(), QStringList(2, kPlaylistFullMessage));
    EXPECT_EQ(user.captions(), QStringList(2, "Lyrantel"));
    // Positions are 16-bit signed: the limit is the largest of them, and the message says it.
    EXPECT_EQ(window->playlist().count(), 32767);
    EXPECT_EQ(user.messages().value(0),
              "В списке воспроизведения может быть не больше 32767 записей.");
}

TEST(TypeSelector, ShowsTheNameRowOnlyForWplAndKeepsItsText) {
    auto window = OpenMainWindow();
    window->show();
    auto* label = window->control<SkinLabel>("lblPLName");
    const std::pair<PlaylistType, bool> steps[] = {{PlaylistType::WPL, true},
                                                   {PlaylistType::M3U, false},
                                                   {PlaylistType::PLS, false},
                                                   {PlaylistType::WPL, true}};
    for (const auto& [type, shown] : steps) {
        SCOPED_TRACE(NameOf(type));
        SelectPlaylistType(*window, type);
        EXPECT_EQ(window->txtPLName->isVisible(), shown) << NameOf(type);
        EXPECT_EQ(label->isVisible(), shown) << NameOf(type);
        if (type == PlaylistType::WPL && window->txtPLName->text().isEmpty())
            window->txtPLName->setText("Mix");
    }
    EXPECT_EQ(window->txtPLName->text(), "Mix");
}
