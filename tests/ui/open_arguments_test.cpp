// SPDX-License-Identifier: MIT
// Files and folders handed to the window, and a later start handing them to the running copy.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <functional>

#include "platform/single_instance.h"
#include "playlist/playlist_limits.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/handed_paths_queue.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// "lyrantel a.flac b.opus c.m4a": music of any kind is added, not only the file list's six types.
TEST(OpenArguments, AddsAudioAndVideoOfEveryKind) {
    const QString music = MakeFolder("music", {"a.flac", "b.opus", "c.m4a", "d.webm"});
    auto window = OpenMainWindow();
    ModalAnswer user;
    window->openArguments(
        {music + "/a.flac", music + "/b.opus", music + "/c.m4a", music + "/d.webm"});
    EXPECT_EQ(user.messages(), QStringList());
    EXPECT_EQ(FileNamesOf(window->playlist().entries()),
              (QStringList{"a.flac", "b.opus", "c.m4a", "d.webm"}));
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

// Files handed over by a later start while a modal window is open wait until it closes: nothing
// changes under the Save dialog or the settings window.
TEST(SingleInstance, HandedFilesWaitWhileAModalWindowIsOpen) {
    const QString music = MakeFolder("music", {"a.mp3"});
    SingleInstance running;
    ASSERT_TRUE(running.listen());
    auto window = OpenMainWindow();
    HandedPathsQueue handedPaths(
        [&window](const QStringList& paths) { window->openArguments(paths); });
    QObject::connect(&running, &SingleInstance::pathsReceived, &handedPaths,
                     &HandedPathsQueue::receive);
    QSignalSpy received(&running, &SingleInstance::pathsReceived);
    const std::pair<const char*, std::function<void()>> modals[] = {
        {"settings", [&] { window->lblTools_Click(); }},
        {"Save dialog", [&] { window->lblSave_Click(); }},
    };
    for (const auto& [name, open] : modals) {
        SCOPED_TRACE(name);
        const int before = window->playlist().count();
        int whileOpen = -1;
        ModalAnswer user([&](QWidget* modal) {
            QProcess later;
            later.start(LYRANTEL_EXECUTABLE, {music + "/a.mp3"});
            ASSERT_TRUE(received.wait(10000));
            whileOpen = window->playlist().count();
            QEventLoop ending;
            QObject::connect(&later, &QProcess::finished, &ending, &QEventLoop::quit);
            if (later.state() != QProcess::NotRunning) ending.exec();
            qobject_cast<QDialog*>(modal)->reject();  // the user gives the dialog up
        });
        open();
        EXPECT_EQ(whileOpen, before);
        QTRY_COMPARE(window->playlist().count(), before + 1);
    }
}

// A hand-over larger than any command line is dropped as it comes, never held or decoded; the copy
// goes on taking the next one.
TEST(SingleInstance, AHandOverLargerThanAnyCommandLineIsDropped) {
    SingleInstance running;
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::pathsReceived);
    QLocalSocket flood;
    flood.connectToServer(SingleInstance::defaultServerName());
    ASSERT_TRUE(flood.waitForConnected(5000));
    // Client and copy share this thread: each waits in turn while the other moves the bytes.
    const QByteArray piece(qsizetype{1024} * 1024, 'x');
    qint64 sent = 0;
    const QDeadlineTimer deadline(30000);
    while (sent <= qint64{17} * piece.size() && flood.state() == QLocalSocket::ConnectedState &&
           !deadline.hasExpired()) {
        if (flood.bytesToWrite() < piece.size()) sent += flood.write(piece);
        flood.waitForBytesWritten(10);
        QCoreApplication::processEvents();
    }
    flood.disconnectFromServer();
    EXPECT_NE(flood.state(), QLocalSocket::ConnectedState) << "the copy read on past any limit";

    QProcess later;
    later.start(LYRANTEL_EXECUTABLE, {"/m/a.mp3"});
    ASSERT_TRUE(received.wait(10000));
    EXPECT_TRUE(later.waitForFinished(10000));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0][0].toStringList(), QStringList{"/m/a.mp3"});
}

// Thousands of later starts, each naming a missing file, while the user reads the first message:
// the copy keeps taking them and shows one message at a time; what came meanwhile is gathered into
// one that names the first few and counts the others.
TEST(SingleInstance, AFloodOfHandOversShowsOneMessageAtATime) {
    SingleInstance running;
    ASSERT_TRUE(running.listen());
    auto window = OpenMainWindow();
    // As the program wires it, and how deep hand-overs nest: one nested deeper is not let in, so
    // that a flood fails the test rather than ending it in a stack overflow.
    int depth = 0;
    int deepest = 0;
    QObject::connect(&running, &SingleInstance::pathsReceived, window.get(),
                     [&](const QStringList& paths) {
                         deepest = std::max(deepest, ++depth);
                         if (depth == 1) window->openArguments(paths);
                         --depth;
                     });
    constexpr int kHandOvers = 4000;
    const QString gone = WorkPath("gone");
    QProcess flood;
    // The user reads the first message until the last start has handed its file over.
    ModalAnswer user([&flood](QWidget*) {
        QEventLoop reading;
        QObject::connect(&flood, &QProcess::finished, &reading, &QEventLoop::quit);
        if (flood.state() != QProcess::NotRunning) reading.exec();
    });
    flood.start(HAND_OVER_PROBE, {"flood", QString::number(kHandOvers), gone});
    ASSERT_TRUE(flood.waitForStarted());

    // The missing files the messages name, in order, and how many more they count.
    const QString before = "Не удалось открыть:\n";
    const QString after = "\n\nЭто не список воспроизведения, не медиафайл и не папка.";
    struct Tally {
        QStringList named;
        int counted = 0;
        qsizetype mostNamedInOne = 0;
    };
    const auto tally = [&] {
        Tally seen;
        for (const QString& message : user.messages()) {
            QStringList lines =
                message.mid(before.size(), message.size() - before.size() - after.size())
                    .split('\n');
            if (lines.last().startsWith("и ещё ")) seen.counted += lines.takeLast().mid(6).toInt();
            seen.mostNamedInOne = std::max(seen.mostNamedInOne, lines.size());
            seen.named += lines;
        }
        return seen;
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const Tally seen = tally();
            return deepest > 1 || (flood.state() == QProcess::NotRunning &&
                                   seen.named.size() + seen.counted >= kHandOvers);
        },
        60000));
    EXPECT_EQ(flood.exitCode(), 0) << "a later start found no copy to take its file";
    EXPECT_EQ(deepest, 1);
    for (const QString& message : user.messages())
        EXPECT_TRUE(message.startsWith(before) && message.endsWith(after)) << message.toStdString();
    const Tally seen = tally();
    EXPECT_EQ(seen.named.size() + seen.counted, kHandOvers);
    EXPECT_LE(seen.mostNamedInOne, 20);
    EXPECT_EQ(seen.named.mid(0, 21), [&] {
        QStringList first;
        for (int i = 0; i <= 20; ++i)
            first.append(QStringLiteral("%1/missing-%2.mp3").arg(gone).arg(i));
        return first;
    }());
    // The user read the first message alone; all that came meanwhile is the second.
    EXPECT_GT(seen.counted, kHandOvers / 2);
}

#ifndef Q_OS_WIN
// With no runtime folder of its own, the program meets its copies in the shared temporary folder,
// where another user may listen first at its socket's name. Nothing is handed to them, whether the
// socket file is theirs or was given to this user to look like its own: the program opens the file
// in a window of its own and says why.
TEST(SingleInstance, NothingIsHandedToAnotherUsersSocket) {
    if (::geteuid() != 0) GTEST_SKIP() << "the other user is made with setpriv, which needs root";
    if (QStandardPaths::findExecutable("setpriv").isEmpty()) GTEST_SKIP() << "no setpriv";
    const auto name = [](const QString& path) { return QFile::encodeName(path); };
    const QString neighbourId = "65534";
    // The other user reaches the shared folder through the test's own, as everyone reaches /tmp.
    ASSERT_EQ(::chmod(name(QFileInfo(TestWorkFolder()).path()), 0711), 0);
    const QString shared = MakeFolder("shared");
    ASSERT_EQ(::chmod(name(shared), 01777), 0);
    // Qt's own fallback for the runtime folder, made first by the other user, is refused by Qt.
    ASSERT_EQ(::chown(name(MakeFolder("shared/runtime-root")), 65534, 65534), 0);
    const QString socket = shared + "/lyrantel-0.socket";
    const QString song = MakeFolder("music", {"a.mp3"}) + "/a.mp3";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    environment.insert("TMPDIR", shared);

    const struct {
        const char* name;
        bool givenToThisUser;
    } rows[] = {{"the other user's socket", false},
                {"the other user's socket given to this user", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QProcess neighbour;
        neighbour.start("setpriv", {"--reuid=" + neighbourId, "--regid=" + neighbourId,
                                    "--clear-groups", HAND_OVER_PROBE, "listen", socket});
        ASSERT_TRUE(neighbour.waitForReadyRead(10000));
        ASSERT_EQ(neighbour.readLine(), "listening\n");
        if (row.givenToThisUser) {
            ASSERT_EQ(::lchown(name(socket), 0, 0), 0);
        }

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(LYRANTEL_EXECUTABLE, {song});
        const QByteArray why = ("lyrantel: " + socket + " is not this user's").toUtf8();
        QByteArray errors;
        // A program that handed its file over ends; one that didn't says why and runs on.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                errors += program.readAllStandardError();
                return program.state() == QProcess::NotRunning || errors.contains(why);
            },
            10000));
        EXPECT_EQ(program.state(), QProcess::Running);
        EXPECT_TRUE(errors.contains(why)) << errors.toStdString();
        program.kill();
        program.waitForFinished();
        neighbour.waitForReadyRead(500);
        EXPECT_EQ(neighbour.readAllStandardOutput(), "") << "handed to the other user";
        neighbour.kill();
        neighbour.waitForFinished();
    }
}
#endif

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
