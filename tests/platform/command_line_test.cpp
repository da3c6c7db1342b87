// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "platform/process_start.h"
#include "tests/support/fake_player.h"
#include "tests/support/isolation.h"

TEST(CommandLine, ReadsProgramAndArgumentsAsWindowsDoes) {
    const struct {
        const char* line;
        const char* program;
        QStringList arguments;
    } cases[] = {
        {"\"/usr/bin/mpv\"/home/u/x.m3u", "/usr/bin/mpv", {"/home/u/x.m3u"}},
        {"\"C:\\Program Files\\P\\p.exe\"C:\\Apps\\Temp\\m3upl.m3u",
         "C:\\Program Files\\P\\p.exe",
         {"C:\\Apps\\Temp\\m3upl.m3u"}},
        {"\"C:\\Program Files\\P\\p.exe\" /Open \"C:\\My Lists\\wplpl.wpl\"",
         "C:\\Program Files\\P\\p.exe",
         {"/Open", "C:\\My Lists\\wplpl.wpl"}},
        {"\"/opt/my player/p\"", "/opt/my player/p", {}},
        {"\"/opt/p\"  \t", "/opt/p", {}},
        {"\"/opt/no closing quote", "/opt/no closing quote", {}},
        {"mpv\t--fs  /home/u/x.m3u ", "mpv", {"--fs", "/home/u/x.m3u"}},
        {"mpv/home/u/x.m3u", "mpv/home/u/x.m3u", {}},
        {"p a\"b c\"d e", "p", {"ab cd", "e"}},
        {"p \"\" x", "p", {"", "x"}},
        {"p \"a \"\"q\"\" b\"", "p", {"a \"q\" b"}},
        {"p \\\"a\\\" b", "p", {"\"a\"", "b"}},
        {"p \"C:\\Dir\\\\\" next", "p", {"C:\\Dir\\", "next"}},
        {"p C:\\Dir\\ a\\\\\\\"b", "p", {"C:\\Dir\\", "a\\\"b"}},
        {"p a\\\\\\\\\"b c\"", "p", {"a\\\\b c"}},
        {"p \"open ended", "p", {"open ended"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::optional<CommandLine> command = ParseCommandLine(QString::fromUtf8(c.line));
        ASSERT_TRUE(command) << c.line;
        EXPECT_EQ(command->program, QString::fromUtf8(c.program)) << c.line;
        EXPECT_EQ(command->arguments, c.arguments) << c.line;
    }
}

TEST(CommandLine, NamesNoProgram) {
    for (const char* line : {"", "   ", "\t", " mpv x.m3u", "\"\"", "\"\" x.m3u"}) {
        SCOPED_TRACE(testing::Message() << '[' << line << ']');
        EXPECT_FALSE(ParseCommandLine(QString::fromUtf8(line))) << '[' << line << ']';
    }
}

namespace {

// Runs the fake player with its log in the test's own folder.
class ProcessStart : public testing::Test {
protected:
    void SetUp() override {
        logPath_ = WorkPath("player.log");
        qputenv(kFakePlayerLogVariable, QFile::encodeName(logPath_));
    }
    void TearDown() override { qunsetenv(kFakePlayerLogVariable); }

    QString logPath_;
};

const QByteArray kPlaylist = "#EXTM3U\r\n#EXTINF:0,?-?\r\n/m/\xD0\x9A a.mp3\r\n\r\n";

}  // namespace

TEST_F(ProcessStart, StartsTheQuotedProgramWithThePathGluedToIt) {
    const QString playlist = WriteWorkFile("m3upl.m3u", kPlaylist);
    const ProcessStartResult result = StartProcess('"' + FakePlayerPath() + '"' + playlist, 2);
    ASSERT_TRUE(result.started) << result.failureReason.toStdString();
    const QList<FakePlayerStart> starts = WaitForFakePlayerStarts(logPath_, 1);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0].arguments, QStringList{playlist});
    EXPECT_EQ(starts[0].playlist, kPlaylist);
}

TEST_F(ProcessStart, PassesArgumentsWithBlanksAndTakesThePlaylistAfterOpen) {
    const QString playlist = WriteWorkFile("my list.wpl", "<smil/>\r\n");
    ASSERT_TRUE(StartProcess('"' + FakePlayerPath() + "\" /Open \"" + playlist + '"', 2).started);
    const QList<FakePlayerStart> starts = WaitForFakePlayerStarts(logPath_, 1);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0].arguments, (QStringList{"/Open", playlist}));
    EXPECT_EQ(starts[0].playlist, QByteArray("<smil/>\r\n"));
}

TEST_F(ProcessStart, FindsAProgramWithoutFolderOnPath) {
    const QFileInfo player(FakePlayerPath());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(player.absolutePath()) + ':' + oldPath);
    const bool started = StartProcess(player.fileName() + " missing.m3u", 2).started;
    qputenv("PATH", oldPath);
    ASSERT_TRUE(started);
    const QList<FakePlayerStart> starts = WaitForFakePlayerStarts(logPath_, 1);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0].arguments, QStringList{"missing.m3u"});
    EXPECT_FALSE(starts[0].playlist);
}

TEST_F(ProcessStart, FailsWhenTheLineNamesNoProgramThatExists) {
    const QString playlist = WriteWorkFile("m3upl.m3u", kPlaylist);
    const QString lines[] = {
        FakePlayerPath() + playlist,  // unquoted: the path is glued to the program's name
        '"' + WorkPath("no-such-player") + "\" " + playlist,
        "lyrantel-no-such-player " + playlist,
        QString(),
        QStringLiteral("  "),
    };
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        const ProcessStartResult result = StartProcess(line, 2);
        EXPECT_FALSE(result.started);
        EXPECT_FALSE(result.failureReason.isEmpty());
    }
    // Nothing ran: give a wrongly started player time to write its record.
    QThread::msleep(300);
    EXPECT_TRUE(ReadFakePlayerLog(logPath_).isEmpty());
}
