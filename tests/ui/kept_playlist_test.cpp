// SPDX-License-Identifier: MIT
#include "platform/kept_playlist.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUndoStack>
#include <csignal>

#include "playlist/file_name_codec.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"

// The playlist of a run comes back whole in the next one when asked for, each entry's title and
// length, the type and the name with it, as one step that can be taken back; the next run still
// starts empty.
TEST(KeptPlaylist, ComesBackInTheNextRunWhenAskedFor) {
    const QStringList fileNames = {"a.mp3", "live", QStringLiteral("Ночь\nдень.mp3"),
                                   DecodeFileName("bad-\xff.mp3")};
    const QStringList folders = {"/m/one", "http://radio.example:8000", "/m", "/m"};
    PlaylistEntries entries = EntriesOf(fileNames, folders);
    entries[0].title = QString();
    entries[0].seconds = 5;
    entries[1].title = QStringLiteral("Radio, Paradise");
    entries[1].seconds = -1;
    for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL}) {
        SCOPED_TRACE(NameOf(type));
        {
            auto window = OpenMainWindow();
            window->playlist().append(entries);
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
        EXPECT_EQ(window->playlist().entries(), entries);
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

// A playlist kept by an earlier version, as WPL, still comes back, and the next one kept replaces
// it.
TEST(KeptPlaylist, TheEarlierWplFormStillComesBack) {
    const QString legacy =
        QFileInfo(KeptPlaylistPath(PlaylistType::PLS)).path() + "/last-playlist-pls.wpl";
    QDir().mkpath(QFileInfo(legacy).path());
    WriteBytes(legacy,
               "<?wpl version=\"1.0\"?><smil><head><title>Old</title></head><body><seq>"
               "<media src=\"/m/a.mp3\"/></seq></body></smil>");
    {
        auto window = OpenMainWindow();
        ModalAnswer user;
        window->lstPL_RestoreKept();
        EXPECT_EQ(PathsOf(window->playlist().entries()), QStringList{"/m/a.mp3"});
        EXPECT_EQ(window->cmbPLType->currentIndex(), static_cast<int>(PlaylistType::PLS));
        EXPECT_EQ(window->txtPLName->text(), "Old");
        window->close();
    }
    EXPECT_FALSE(QFileInfo::exists(legacy));
    EXPECT_TRUE(QFileInfo::exists(KeptPlaylistPath(PlaylistType::PLS)));
}

// Two copies of the program, each with a playlist of another type, ended by the system at the same
// moment (as at the end of a session): a kept playlist is left, whichever order their writes and
// clean-ups take. strace, where it runs, holds every file removal for half a second, so that both
// copies have written before either removes anything.
TEST(KeptPlaylist, TwoCopiesEndingTogetherLeaveOneKept) {
    const QStringList lists = {WriteWorkFile("a.m3u", "/m/a.mp3\n"),
                               WriteWorkFile("b.pls", "[playlist]\nFile1=/m/b.mp3\n")};
    const QString strace = QStandardPaths::findExecutable("strace");
    QProcess copies[2];
    QString runtimes[2];
    for (int i = 0; i < 2; ++i) {
        // A runtime folder each: the second copy would otherwise hand its file to the first.
        runtimes[i] = MakeFolder(QStringLiteral("runtime-%1").arg(i));
        QFile::setPermissions(runtimes[i], QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtimes[i]);
        // LeakSanitizer can't work under ptrace; the copies the other tests start untraced are
        // checked for leaks.
        if (!strace.isEmpty())
            environment.insert("ASAN_OPTIONS",
                               environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        copies[i].setProcessEnvironment(environment);
        QStringList arguments = {LYRANTEL_EXECUTABLE, lists[i]};
        if (!strace.isEmpty())
            arguments = QStringList{"-f", "-qq",
                                    "-o", WorkPath(QStringLiteral("strace-%1").arg(i)),
                                    "-e", "trace=unlink,unlinkat",
                                    "-e", "inject=unlink,unlinkat:delay_enter=500000"} +
                        arguments;
        copies[i].start(strace.isEmpty() ? arguments.takeFirst() : strace, arguments);
    }
    // A copy that has taken its meeting point takes the system's requests to end; it carries them
    // out once it has opened its file.
    for (const QString& runtime : runtimes) {
        const auto listening = [&] {
            return !QDir(runtime).isEmpty(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        };
        QDeadlineTimer started(20000);
        while (!listening() && !started.hasExpired()) QThread::msleep(20);
        ASSERT_TRUE(listening()) << "a copy did not start";
    }
    for (const QProcess& copy : copies) {
        // Under strace the program is strace's child.
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(copy.processId()));
        const QByteArray child = children.open(QIODevice::ReadOnly) ? children.readAll() : "";
        const qint64 program =
            strace.isEmpty() ? copy.processId() : child.split(' ')[0].toLongLong();
        ASSERT_GT(program, 0);
        ::kill(static_cast<pid_t>(program), SIGTERM);
    }
    for (QProcess& copy : copies) {
        ASSERT_TRUE(copy.waitForFinished(30000));
        EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
    }
    const std::optional<KeptPlaylist> kept = FindKeptPlaylist();
    ASSERT_TRUE(kept) << "no playlist was kept";
    auto window = OpenMainWindow();
    ModalAnswer user;
    window->lstPL_RestoreKept();
    EXPECT_EQ(user.messages(), QStringList());
    EXPECT_EQ(PathsOf(window->playlist().entries()),
              QStringList{kept->type == PlaylistType::M3U ? "/m/a.mp3" : "/m/b.mp3"});
}
