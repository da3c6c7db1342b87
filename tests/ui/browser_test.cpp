// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/drive_roots.h"
#include "platform/settings_keys.h"
#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "tests/support/folder_opens.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "ui/controls/drive_list.h"

namespace {

// How long the lists may take to notice a change of their folder: the watch waits for a burst to
// settle first.
constexpr int kNoticeMs = 5000;

QString StartDrive() {
    return DriveRootOf(NativeFolderPath(TestWorkFolder()), AvailableDriveRoots());
}

}  // namespace

// The drive list shows the drive of the folder shown, and the next start opens that folder.
TEST(Browser, DriveAndFolderAgreeAcrossARestart) {
    const QString work = NativeFolderPath(TestWorkFolder());
    const QString otherDrive = MakeFolder("drive2", {"c.wav"});
    const QString onOtherDrive = MakeFolder("drive2/albums", {"d.mp3"});
    const QString music = MakeFolder("music", {"a.mp3"});
    struct Case {
        const char* what;
        QStringList walk;  // folders opened after choosing the other drive
        QString drive;     // the drive list afterwards
        QString folder;    // and the folder, in this run and at the next start
        QStringList files;
    } cases[] = {
        {"stay on its root", {}, otherDrive, otherDrive, {"c.wav"}},
        {"down into a folder of it", {onOtherDrive}, otherDrive, onOtherDrive, {"d.mp3"}},
        {"up out of it", {work}, StartDrive(), work, {}},
        {"out of it and into another folder", {work, music}, StartDrive(), music, {"a.mp3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            auto window = OpenMainWindow({otherDrive});
            ASSERT_TRUE(window->Drive1->setDrive(otherDrive));
            for (const QString& folder : c.walk) BrowseTo(*window, folder);
            EXPECT_EQ(window->Drive1->driveRoot(), c.drive);
            EXPECT_EQ(window->Dir1->path(), c.folder);
            window->close();
        }
        EXPECT_EQ(ReadAppSetting(Setting::Drive), c.drive);
        auto window = OpenMainWindow({otherDrive});
        EXPECT_EQ(window->Drive1->driveRoot(), c.drive);
        EXPECT_EQ(window->Dir1->path(), c.folder);
        EXPECT_EQ(window->File1->items(), c.files);
        window->close();
    }
}

// A drive whose root can't be opened (no medium) leaves the browser where it was, the drive list
// included.
TEST(Browser, ADriveThatCantBeOpenedLeavesTheDriveListOnTheFoldersDrive) {
    const QString music = MakeFolder("music", {"a.mp3"});
    const QString noMedium = WorkPath("drive-without-medium");  // a root with nothing mounted
    auto window = OpenMainWindow({noMedium});
    BrowseTo(*window, music);
    EXPECT_TRUE(window->Drive1->setDrive(noMedium));
    EXPECT_EQ(window->Dir1->path(), music);
    EXPECT_EQ(window->File1->items(), QStringList{"a.mp3"});
    EXPECT_EQ(window->Drive1->driveRoot(), StartDrive());
}

// Files and folders that appear in or leave the shown folder show without visiting it again.
TEST(Browser, TheListsFollowTheShownFolder) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3", "c.mp3"});
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    window->File1->setListIndex(1);  // b.mp3

    // A burst of new files: they show, the selection stays on the same name.
    for (const char* name : {"0.mp3", "00.mp3", "notes.txt"}) WriteBytes(music + "/" + name, {});
    QDir(music).mkdir("extra");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->File1->listCount() == 5; }, kNoticeMs));
    EXPECT_EQ(window->File1->items(), QStringList({"0.mp3", "00.mp3", "a.mp3", "b.mp3", "c.mp3"}));
    EXPECT_EQ(window->File1->listIndex(), 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Dir1->items().last().trimmed() == "extra"; },
                                kNoticeMs));
    EXPECT_EQ(window->Dir1->item(window->Dir1->listIndex()).trimmed(), "music");

    // The selected file is deleted: it leaves the list and can't be added.
    QFile::remove(music + "/b.mp3");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->File1->listCount() == 4; }, kNoticeMs));
    EXPECT_EQ(window->File1->listIndex(), -1);
    window->lblAdd_Click();
    EXPECT_EQ(window->playlist().count(), 0);

    // The folder shown is deleted: the browser moves up to the folder that held it.
    QDir(music).removeRecursively();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Dir1->path() != music; }, kNoticeMs));
    EXPECT_EQ(window->Dir1->path(), NativeFolderPath(TestWorkFolder()));
    EXPECT_EQ(window->File1->path(), window->Dir1->path());
}

// Opening a folder that can't be opened leaves the highlight on the folder shown.
TEST(Browser, AFolderThatCantBeOpenedDoesntKeepTheHighlight) {
    const QString music = MakeFolder("music", {"a.mp3"});
    const QString gone = MakeFolder("music/gone");
    auto window = OpenMainWindow();
    window->show();
    BrowseTo(*window, music);
    const int shownRow = window->Dir1->listIndex();
    QDir(gone).removeRecursively();  // before the folder list could notice
    window->Dir1->setListIndex(window->Dir1->listCount() - 1);
    window->Dir1->setFocus();
    QTest::keyClick(window->Dir1, Qt::Key_Return);
    EXPECT_EQ(window->Dir1->path(), music);
    EXPECT_EQ(window->Dir1->listIndex(), shownRow);
    EXPECT_EQ(window->File1->items(), QStringList{"a.mp3"});
}

#ifndef Q_OS_WIN
// A folder and a file whose names are bytes from an old disk, not UTF-8: the browser opens the
// folder, lists the file, and the playlist entry names the very same bytes.
TEST(Browser, NamesThatAreNotUtf8CanBeOpenedAndAdded) {
    const QByteArray folderBytes = QFile::encodeName(TestWorkFolder()) + "/\xcf\xe0\xef\xea\xe0";
    const QByteArray fileBytes = folderBytes + "/bad-\xff\xfe.mp3";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0700), 0);
    const int fd = ::open(fileBytes.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);

    auto window = OpenMainWindow();
    BrowseTo(*window, NativeFolderPath(TestWorkFolder()));
    window->Dir1->setListIndex(window->Dir1->listCount() - 1);
    window->Dir1->setFocus();
    QTest::keyClick(window->Dir1, Qt::Key_Return);
    EXPECT_EQ(EncodeFileName(window->Dir1->path()), folderBytes);
    ASSERT_EQ(window->File1->listCount(), 1);
    window->File1->setListIndex(0);
    window->lblAdd_Click();
    ASSERT_EQ(window->playlist().count(), 1);
    const QString entry = JoinEntryPath(FoldersOf(window->playlist().entries()).at(0),
                                        FileNamesOf(window->playlist().entries()).at(0));
    EXPECT_EQ(EncodeFileName(entry), fileBytes);
}
#endif

// Typing a folder's first letters in the folder list highlights it, whatever its level's
// indentation; the file list's type-ahead goes on working as before.
TEST(Browser, TypingANameHighlightsItInTheFolderList) {
    const QString music = MakeFolder("music", {"alpha.mp3", "beta.mp3"});
    for (const char* sub : {"Albums", "Best of", "Singles"}) MakeFolder(QString("music/") + sub);
    auto window = OpenMainWindow();
    BrowseTo(*window, music);
    const struct {
        QWidget* list;
        const char* typed;
        QString highlighted;
    } cases[] = {
        {window->Dir1, "be", music + "/Best of"},
        {window->Dir1, "si", music + "/Singles"},
        {window->Dir1, "mu", music},
        {window->File1, "be", "beta.mp3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        c.list->setFocus();
        window->Dir1->setListIndex(0);
        window->File1->setListIndex(0);
        QTest::keyClicks(c.list, c.typed);
        EXPECT_EQ(c.list == window->Dir1 ? window->Dir1->selectedFolder()
                                         : window->File1->item(window->File1->listIndex()),
                  c.highlighted);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);  // the next search starts anew
    }
}

#ifdef Q_OS_LINUX
// Browsing into a folder reads it once for both lists (it may hold a million files).
TEST(Browser, AFolderIsReadOnceForBothLists) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3"});
    MakeFolder("music/sub");
    auto window = OpenMainWindow();
    EXPECT_EQ(FolderOpensDuring(music, [&] { BrowseTo(*window, music); }), 1);
    EXPECT_EQ(window->Dir1->items().last().trimmed(), "sub");
    EXPECT_EQ(window->File1->items(), QStringList({"a.mp3", "b.mp3"}));
}
#endif
