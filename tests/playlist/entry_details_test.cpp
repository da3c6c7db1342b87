// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/support/main_window.h"
#include "ui/controls/file_list.h"
#include "ui/controls/playlist_box.h"
#include "ui/controls/skin_label.h"

TEST(EntryDetails, ShowsPathSizeTypeAndPositionOfTheSelectedEntry) {
    const struct {
        const char* name;
        qint64 size;
        const char* sizeText;
    } files[] = {
        {"empty.mp3", 0, "0 Мб (0 Кб)"},
        {"small.wav", 1023, "0 Мб (0 Кб)"},
        {"under.mid", 1048575, "0 Мб (1023 Кб)"},
        {"mega.wma", 1048576, "1 Мб (1024 Кб)"},
        {"five.avi", 5000000, "4 Мб (4882 Кб)"},
        {"huge.wmv", Q_INT64_C(3) << 30, "3072 Мб (3145728 Кб)"},  // sparse
    };
    const QString music = MakeFolder("music");
    for (const auto& f : files) MakeFolder("music", {f.name}, f.size);
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    ClickOn(window->control<SkinLabel>("lblAddAll"));

    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const int position =
            static_cast<int>(FileNamesOf(window->playlist().entries()).indexOf(f.name));
        window->lstPL->setListIndex(position);
        EXPECT_EQ(window->lblPath->value(), QDir(music).filePath(f.name));
        EXPECT_EQ(window->lblSize->value(), QString::fromUtf8(f.sizeText)) << f.name;
        EXPECT_EQ(window->lblType->value(), QString(f.name).right(3).toUpper());
        EXPECT_EQ(window->lblRec->value(), QString("%1 из 6").arg(position + 1));
    }
}

TEST(EntryDetails, AMissingFileIsShownAsUnavailable) {
    const QString music = MakeFolder("music", {"gone.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    window->File1->setListIndex(0);
    ClickOn(window->control<SkinLabel>("lblAdd"));
    ASSERT_TRUE(QFile::remove(QDir(music).filePath("gone.mp3")));

    window->lstPL->setListIndex(0);
    EXPECT_EQ(window->lblPath->value(), QDir(music).filePath("gone.mp3"));
    EXPECT_EQ(window->lblSize->value(), "файл недоступен");
    EXPECT_EQ(window->lblType->value(), "MP3");
    EXPECT_EQ(window->lblRec->value(), "1 из 1");
}

TEST(EntryDetails, ALongPathIsElidedInTheMiddleWithTheWholeOneAsTooltip) {
    const QString deep = MakeFolder(QString("very-long-folder-name-").repeated(8), {"a.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, deep);
    ClickOn(window->control<SkinLabel>("lblAddAll"));
    window->lstPL->setListIndex(0);
    EXPECT_EQ(window->lblPath->value(), QDir(deep).filePath("a.mp3"));
    EXPECT_TRUE(window->lblPath->text().contains(QChar(0x2026)));
    EXPECT_TRUE(window->lblPath->text().endsWith("a.mp3"));
    EXPECT_EQ(window->lblPath->toolTip(), window->lblPath->value());
}

// Tabbing into the playlist highlights a row; the panel shows that row's entry.
TEST(EntryDetails, TabbingIntoThePlaylistShowsTheHighlightedEntry) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3"});
    auto window = OpenMainWindow();
    window->show();
    BrowseTo(*window, music);
    ClickOn(window->control<SkinLabel>("lblAddAll"));
    ASSERT_NE(WaitForFocusIn(window.get()), nullptr);
    window->Dir1->setFocus();
    QTest::keyClick(window->Dir1, Qt::Key_Tab);  // the playlist follows the folder list
    ASSERT_EQ(QApplication::focusWidget(), window->lstPL);
    ASSERT_TRUE(window->lstPL->currentIndex().isValid());
    EXPECT_EQ(window->lstPL->listIndex(), window->lstPL->currentIndex().row());
    EXPECT_EQ(window->lblPath->value(),
              QDir(music).filePath(window->lstPL->item(window->lstPL->listIndex())));
}
