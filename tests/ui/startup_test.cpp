// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "platform/drive_roots.h"
#include "platform/settings_keys.h"
#include "tests/support/folder_opens.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/drive_list.h"
#include "ui/controls/file_list.h"
#include "ui/controls/folder_list.h"
#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_tools.h"

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

// Where a first run starts: without drive letters, the one root of the file system.
#ifdef Q_OS_WIN
const QString kDefaultFolder = QStringLiteral("C:\\");
#else
const QString kDefaultFolder = QStringLiteral("/");
#endif

}  // namespace

TEST(Startup, WithNothingStoredOpensAtTheDefaultFolderWithEmptyCommands) {
    auto window = OpenMainWindow();
    EXPECT_EQ(window->cmbPLType->currentText(), "M3U");
    EXPECT_FALSE(window->txtPLName->isVisibleTo(window.get()));
    EXPECT_FALSE(window->control<SkinLabel>("lblPLName")->isVisibleTo(window.get()));
    EXPECT_EQ(window->tools().txtMPPath->text(), "");
    EXPECT_EQ(window->tools().txtWAPath->text(), "");
    EXPECT_EQ(window->tools().txtOthPlPath->text(), "");
    EXPECT_EQ(window->Dir1->path(), KeyOf(Setting::Folder).defaultValue);
    EXPECT_EQ(window->File1->path(), window->Dir1->path());
    EXPECT_EQ(window->Drive1->drive(), KeyOf(Setting::Drive).defaultValue);
    EXPECT_EQ(window->Dir1->path(), kDefaultFolder);
}

// What the browser shows after a start, for what was stored at the end of the last run.
TEST(Startup, RestoresTheBrowserFromWhatWasStored) {
    const QString music = MakeFolder("music", {"a.mp3", "b.txt"});
    const QString otherDrive = MakeFolder("drive2", {"c.wav"});
    const QString aFile = MakeFolder("files", {"x.mp3"}) + "/x.mp3";
    const QString work = NativeFolderPath(TestWorkFolder());
    const QString sameDrive = DriveRootOf(work, AvailableDriveRoots());
    struct Case {
        const char* what;
        QString folder, drive;
        QString expectedFolder;
        QStringList expectedFiles;
    } cases[] = {
        {"same drive", music, sameDrive, music, {"a.mp3"}},
        {"another drive", music, otherDrive, otherDrive, {"c.wav"}},
        {"another drive with a label", music, otherDrive + " [STICK]", otherDrive, {"c.wav"}},
        {"a deleted folder", work + "/gone", sameDrive, work, {}},
        {"a file instead of a folder", aFile, sameDrive, work, {}},
        {"a drive that does not exist", music, "/no/such/drive", music, {"a.mp3"}},
        {"garbage", "\x01::||", "\x02", work, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAppSetting(Setting::Folder, c.folder);
        WriteAppSetting(Setting::Drive, c.drive);
        auto window = OpenMainWindow({otherDrive});
        EXPECT_EQ(window->Dir1->path(), c.expectedFolder) << c.what;
        EXPECT_EQ(window->File1->path(), c.expectedFolder) << c.what;
        EXPECT_EQ(window->File1->items(), c.expectedFiles) << c.what;
    }
}

#ifdef Q_OS_LINUX
// The working folder a start comes from may be huge: it is read only when the stored folder can't
// be shown. Reading a folder opens it, which inotify reports.
TEST(Startup, ReadsTheWorkingFolderOnlyWhenTheStoredOneCantBeShown) {
    const QString music = MakeFolder("music", {"a.mp3"});
    const QString work = NativeFolderPath(TestWorkFolder());
    const struct {
        const char* what;
        QString stored;
        bool workingFolderRead;
    } cases[] = {
        {"a stored folder", music, false},
        {"the working folder stored", work, true},
        {"a deleted folder", work + "/gone", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAppSetting(Setting::Folder, c.stored);
        std::unique_ptr<frmMain> window;
        const bool opened = FolderOpensDuring(work, [&window] { window = OpenMainWindow(); }) > 0;
        EXPECT_EQ(opened, c.workingFolderRead);
        EXPECT_EQ(window->Dir1->path(), c.workingFolderRead ? work : music);
        EXPECT_EQ(window->File1->path(), window->Dir1->path());
        EXPECT_EQ(window->File1->items(),
                  c.workingFolderRead ? QStringList() : QStringList{"a.mp3"});
    }
}
#endif

// A settings file as an earlier run left it, written here by hand with the key names it uses.
TEST(Startup, ReadsEachValueFromItsKeyInTheSettingsFile) {
    const QString music = MakeFolder("music", {"a.mp3"});
    const QString drive = DriveRootOf(NativeFolderPath(TestWorkFolder()), AvailableDriveRoots());
    QDir().mkpath(TestSettingsFolder() + "/Lyrantel");
    WriteBytes(TestSettingsFolder() + "/Lyrantel/Lyrantel.conf",
               "[Settings]\nP1_10=media player\nP2_10=winamp\nP3_10=other player\nPath_10=" +
                   music.toUtf8() + "\nDrive_10=" + drive.toUtf8() + "\n");
    auto window = OpenMainWindow();
    EXPECT_EQ(window->tools().txtMPPath->text(), "media player");
    EXPECT_EQ(window->tools().txtWAPath->text(), "winamp");
    EXPECT_EQ(window->tools().txtOthPlPath->text(), "other player");
    EXPECT_EQ(window->Dir1->path(), music);
    EXPECT_EQ(window->File1->items(), QStringList{"a.mp3"});
}

TEST(Startup, RestoresThePlayerCommandsVerbatim) {
    WriteAppSetting(Setting::MediaPlayerCommand, "\"C:\\Program Files\\wmp.exe\" /x");
    WriteAppSetting(Setting::WinAmpCommand, "  mpv, --no-video ; #1  ");
    WriteAppSetting(Setting::OtherPlayerCommand, "проигрыватель");
    auto window = OpenMainWindow();
    EXPECT_EQ(window->tools().txtMPPath->text(), "\"C:\\Program Files\\wmp.exe\" /x");
    EXPECT_EQ(window->tools().txtWAPath->text(), "  mpv, --no-video ; #1  ");
    EXPECT_EQ(window->tools().txtOthPlPath->text(), "проигрыватель");
}

// Every way of closing the main window stores the five values as the controls hold them.
TEST(Unload, EveryWayOfClosingStoresAllFiveValues) {
    const QString music = MakeFolder("music");
    const std::pair<const char*, std::function<void(frmMain&)>> ways[] = {
        {"Выход", [](frmMain& w) { ClickOn(w.control<SkinLabel>("lblExit")); }},
        {"close image", [](frmMain& w) { ClickOn(w.imgClose); }},
        {"window system", [](frmMain& w) { w.close(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        auto window = OpenMainWindow();
        window->show();
        window->tools().txtMPPath->setText(QString("mp ") + way);
        window->tools().txtWAPath->setText("\"/usr/bin/mpv\"");
        window->tools().txtOthPlPath->setText(" other = ; # ");
        BrowseTo(*window, music);
        close(*window);
        EXPECT_FALSE(window->isVisible()) << way;
        EXPECT_EQ(ReadAppSetting(Setting::MediaPlayerCommand), QString("mp ") + way);
        EXPECT_EQ(ReadAppSetting(Setting::WinAmpCommand), "\"/usr/bin/mpv\"");
        EXPECT_EQ(ReadAppSetting(Setting::OtherPlayerCommand), " other = ; # ");
        EXPECT_EQ(ReadAppSetting(Setting::Folder), music);
        EXPECT_EQ(ReadAppSetting(Setting::Drive), window->Drive1->drive());
    }
}

// What the next run reads: the five values under their key names in the settings file. Only
// values changed in the run are written, so every one is changed from what was stored.
TEST(Unload, WritesEachValueUnderItsKeyInTheSettingsFile) {
    const QString music = MakeFolder("music");
    WriteAppSetting(Setting::Drive, "/no/such/drive");
    auto window = OpenMainWindow();
    window->tools().txtMPPath->setText("media player");
    window->tools().txtWAPath->setText("winamp");
    window->tools().txtOthPlPath->setText("other player");
    BrowseTo(*window, music);
    window->close();
    const QList<QByteArray> lines =
        ReadBytes(TestSettingsFolder() + "/Lyrantel/Lyrantel.conf").split('\n');
    const QByteArray expected[] = {
        "[Settings]",
        "P1_10=media player",
        "P2_10=winamp",
        "P3_10=other player",
        "Path_10=" + music.toUtf8(),
        "Drive_10=" + window->Drive1->drive().toUtf8(),
    };
    for (const QByteArray& line : expected) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_TRUE(lines.contains(line));
    }
}

TEST(Unload, TheNextStartRestoresWhatTheLastOneStored) {
    const QString music = MakeFolder("music", {"song.mid"});
    {
        auto window = OpenMainWindow();
        window->tools().txtWAPath->setText("winamp");
        BrowseTo(*window, music);
        window->close();
    }
    auto window = OpenMainWindow();
    EXPECT_EQ(window->Dir1->path(), music);
    EXPECT_EQ(window->File1->items(), QStringList{"song.mid"});
    EXPECT_EQ(window->tools().txtWAPath->text(), "winamp");
}

// Two copies running at once: each stores only what it changed, so neither undoes the other.
TEST(Unload, TwoCopiesKeepEachOthersChanges) {
    WriteAppSetting(Setting::MediaPlayerCommand, "mpv");
    auto a = OpenMainWindow();
    auto b = OpenMainWindow();
    a->tools().txtOthPlPath->setText("vlc");
    a->close();
    b->tools().txtWAPath->setText("winamp");
    b->close();
    EXPECT_EQ(ReadAppSetting(Setting::OtherPlayerCommand), "vlc");
    EXPECT_EQ(ReadAppSetting(Setting::WinAmpCommand), "winamp");
    EXPECT_EQ(ReadAppSetting(Setting::MediaPlayerCommand), "mpv");
}

TEST(Unload, SettingsThatCantBeStoredAreSaidBeforeTheEnd) {
    // A folder where the file should be stops even the superuser.
    const QString file = TestSettingsFolder() + "/Lyrantel/Lyrantel.conf";
    QDir().mkpath(file);
    auto window = OpenMainWindow();
    window->tools().txtWAPath->setText("winamp");
    ModalAnswer user;
    window->close();
    ASSERT_EQ(user.messages().size(), 1);
    EXPECT_TRUE(
        user.messages()[0].startsWith("Не удалось сохранить настройки в файл\n" + file + "\n\n"))
        << user.messages()[0].toStdString();
    EXPECT_EQ(user.captions(), QStringList{"Lyrantel"});

    // Nothing changed: nothing to store, nothing to say.
    ModalAnswer quiet;
    OpenMainWindow()->close();
    EXPECT_TRUE(quiet.messages().isEmpty());
}

TEST(WindowCommands, MinimiseChangesNothingElse) {
    const QString music = MakeFolder("music", {"a.mp3"});
    auto window = OpenMainWindow();
    window->show();
    BrowseTo(*window, music);
    window->File1->setListIndex(0);
    window->lblAdd_Click();
    ClickOn(window->imgMinimize);
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(FileNamesOf(window->playlist().entries()), QStringList{"a.mp3"});
    EXPECT_EQ(window->Dir1->path(), music);
    EXPECT_EQ(ReadAppSetting(Setting::Folder), KeyOf(Setting::Folder).defaultValue);
}
