// SPDX-License-Identifier: MIT
// Files and folders handed to the window, and a later start handing them to the running copy.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>

#include "platform/single_instance.h"
#include "playlist/playlist_limits.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"

TEST(OpenArguments, TakesPlaylistsMediaAndAFolderInOrderAndNamesTheRest) {
    const QString music = MakeFolder("music", {"a.mp3", "b.wav", "notes.txt"});
    const QString other = MakeFolder("other", {"c.mp3"});
    const QString list = WriteWorkFile("list.pls", "[playlist]\nFile1=/m/x.mp3\n");
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf({"old.mp3"}, {"/old"}));
    ModalAnswer user;
    window->openArguments({music + "/b.wav", list, music + "/a.mp3", other + "/c.mp3",
                           music + "/notes.txt", WorkPath("missing.mp3"), other});
    EXPECT_EQ(user.messages(), QStringList{"Не удалось открыть:\n" + music + "/notes.txt\n" +
                                           WorkPath("missing.mp3") +
                                           "\n\nЭто не список воспроизведения, не медиафайл и не "
                                           "папка."});
    // The playlist replaced what came before it, the media files were added after it.
    EXPECT_EQ(FileNamesOf(window->playlist().entries()), (QStringList{"x.mp3", "a.mp3", "c.mp3"}));
    EXPECT_EQ(FoldersOf(window->playlist().entries()), (QStringList{"/m", music, other}));
    EXPECT_EQ(window->cmbPLType->currentIndex(), static_cast<int>(PlaylistType::PLS));
    EXPECT_EQ(window->Dir1->path(), other);
    EXPECT_EQ(window->File1->items(), QStringList{"c.mp3"});
}

TEST(OpenArguments, StopsAtTheLimitWithOneMessage) {
    const QString music = MakeFolder("music", {"a.mp3", "b.mp3", "c.mp3"});
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf(QStringList(kMaxPlaylistEntries - 1, "x.mp3"),
                                        QStringList(kMaxPlaylistEntries - 1, "/x")));
    ModalAnswer user;
    window->openArguments({music + "/a.mp3", music + "/b.mp3", music + "/c.mp3"});
    EXPECT_EQ(user.messages(), QStringList{kPlaylistFullMessage});
    EXPECT_EQ(window->playlist().count(), 32767);
    EXPECT_EQ(FileNamesOf(window->playlist().entries()).last(), "a.mp3");
}

// A path handed over that is longer than any path can be names nothing; the message shows its
// start only, as the whole of it would hold the window while the message is laid out.
TEST(OpenArguments, NamesAnOverLongPathByItsStart) {
    const QString overLong = "/m/" + QString(kMaxEntryBytes, u'x') + ".mp3";
    auto window = OpenMainWindow();
    ModalAnswer user;
    window->openArguments({overLong});
    EXPECT_EQ(user.messages(),
              QStringList{"Не удалось открыть:\n" + overLong.first(100) +
                          "… (длиннее 4095 байт)\n\nЭто не список воспроизведения, не медиафайл "
                          "и не папка."});
    EXPECT_EQ(window->playlist().count(), 0);
}

// The program itself, started a second time with files, hands them over and ends.
TEST(SingleInstance, ALaterStartHandsItsFilesToTheRunningCopy) {
    const QString runtime = MakeFolder("runtime");
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    SingleInstance running;
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::pathsReceived);

    QProcess later;
    later.setWorkingDirectory(MakeFolder("cwd"));
    later.start(LYRANTEL_EXECUTABLE, {"a.m3u", "/m/Б b.mp3"});
    ASSERT_TRUE(received.wait(10000));
    EXPECT_TRUE(later.waitForFinished(10000));
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(later.exitCode(), 0);
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0][0].toStringList(), (QStringList{WorkPath("cwd/a.m3u"), "/m/Б b.mp3"}));
}

TEST(SingleInstance, HelpAndVersionNeedNoDisplay) {
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        headless.remove(variable);
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        QProcess program;
        program.setProcessEnvironment(headless);
        program.start(LYRANTEL_EXECUTABLE, {option});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_FALSE(program.readAllStandardOutput().isEmpty());
    }
}
