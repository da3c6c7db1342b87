// SPDX-License-Identifier: MIT
#include "platform/kept_playlist.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QUndoStack>

#include "playlist/file_name_codec.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"

// The playlist of a run comes back whole in the next one when asked for, its type and name with
// it, as one step that can be taken back; the next run still starts empty.
TEST(KeptPlaylist, ComesBackInTheNextRunWhenAskedFor) {
    const QStringList fileNames = {"a.mp3", "live", QStringLiteral("Ночь\nдень.mp3"),
                                   DecodeFileName("bad-\xff.mp3")};
    const QStringList folders = {"/m/one", "http://radio.example:8000", "/m", "/m"};
    for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL}) {
        SCOPED_TRACE(NameOf(type));
        {
            auto window = OpenMainWindow();
            window->playlist().append(EntriesOf(fileNames, folders));
            SelectPlaylistType(*window, type);
            window->txtPLName->setText("Вечер & <друзья>");
            window->close();
        }
        auto window = OpenMainWindow();
        EXPECT_EQ(window->playlist().count(), 0);
        window->playlist().append(EntriesOf({"current.mp3"}, {"/m"}));
        SelectPlaylistType(*window, PlaylistType::M3U);
        ModalAnswer user;
        window->lstPL_RestoreKept();
        EXPECT_EQ(user.messages(), QStringList());
        EXPECT_EQ(FileNamesOf(window->playlist().entries()), fileNames);
        EXPECT_EQ(FoldersOf(window->playlist().entries()), folders);
        EXPECT_EQ(window->lstP->listCount(), fileNames.size());
        EXPECT_EQ(window->cmbPLType->currentIndex(), static_cast<int>(type));
        EXPECT_EQ(window->txtPLName->text(), "Вечер & <друзья>");
        window->playlist().history().undo();
        EXPECT_EQ(FileNamesOf(window->playlist().entries()), QStringList{"current.mp3"});
    }
}

// A run that ends with an empty playlist leaves the kept one; with none kept, the command says so.
TEST(KeptPlaylist, AnEmptyPlaylistKeepsNothing) {
    {
        auto window = OpenMainWindow();
        window->close();
    }
    {
        auto window = OpenMainWindow();
        ModalAnswer user;
        window->lstPL_RestoreKept();
        EXPECT_EQ(user.messages(), QStringList{"Прошлый список воспроизведения не сохранён."});
        window->playlist().append(EntriesOf({"a.mp3"}, {"/m"}));
        window->close();
    }
    {
        auto window = OpenMainWindow();
        window->close();
    }
    auto window = OpenMainWindow();
    ModalAnswer user;
    window->lstPL_RestoreKept();
    EXPECT_EQ(FileNamesOf(window->playlist().entries()), QStringList{"a.mp3"});
}
