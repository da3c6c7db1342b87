// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "output/player_command.h"
#include "platform/command_line.h"
#include "tests/support/fake_player.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/output_buffer.h"
#include "ui/controls/skin_label.h"
#include "ui/frm_tools.h"

namespace {

// The command lines of the players, in the Windows form their users type.
TEST(PlayerCommandLine, JoinsCommandAndTemporaryPlaylist) {
    const QString winamp = R"("C:\Program Files\Winamp\Winamp.exe")";
    const QString wmp = R"("C:\Program Files\Windows Media Player\wmplayer.exe")";
    const struct {
        const char* what;
        QString line;
        QString expected;
    } cases[] = {
        {"WinAmp, M3U",
         WinAmpCommandLine(winamp,
                           TemporaryPlaylistPath(R"(C:\Apps\Lists)", PlaylistType::M3U, u'\\')),
         R"("C:\Program Files\Winamp\Winamp.exe"C:\Apps\Lists\Temp\m3upl.m3u)"},
        {"WinAmp, PLS",
         WinAmpCommandLine(winamp,
                           TemporaryPlaylistPath(R"(C:\Apps\Lists)", PlaylistType::PLS, u'\\')),
         R"("C:\Program Files\Winamp\Winamp.exe"C:\Apps\Lists\Temp\plspl.pls)"},
        {"Media Player, WPL",
         MediaPlayerCommandLine(
             wmp, TemporaryPlaylistPath(R"(C:\Apps\Lists)", PlaylistType::WPL, u'\\')),
         R"("C:\Program Files\Windows Media Player\wmplayer.exe" /Open C:\Apps\Lists\Temp\wplpl.wpl)"},
        {"an unquoted command",
         WinAmpCommandLine(R"(C:\Winamp\winamp.exe)",
                           TemporaryPlaylistPath(R"(C:\Apps\Lists)", PlaylistType::M3U, u'\\')),
         R"(C:\Winamp\winamp.exeC:\Apps\Lists\Temp\m3upl.m3u)"},
        {"a drive's root as application folder",
         WinAmpCommandLine(winamp, TemporaryPlaylistPath(R"(E:\)", PlaylistType::M3U, u'\\')),
         R"("C:\Program Files\Winamp\Winamp.exe"E:\Temp\m3upl.m3u)"},
        {"no command, a blank in the folder",
         MediaPlayerCommandLine("",
                                TemporaryPlaylistPath(R"(C:\My Apps)", PlaylistType::WPL, u'\\')),
         R"( /Open "C:\My Apps\Temp\wplpl.wpl")"},
        {"the other player",
         OtherPlayerCommandLine("mpv",
                                TemporaryPlaylistPath("/opt/ly rantel", PlaylistType::PLS, u'/')),
         R"(mpv "/opt/ly rantel/Temp/plspl.pls")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.line, c.expected);
    }
}

class SendCommand : public testing::Test {
protected:
    void SetUp() override {
        log_ = WorkPath("player.log");
        qputenv(kFakePlayerLogVariable, log_.toUtf8());
        appDir_ = MakeFolder("my app");  // a blank in the application folder
        const QString music = MakeFolder("music", {"a.mp3", "b.wav"});
        window_ = OpenMainWindow({}, appDir_);
        BrowseTo(*window_, music);
        window_->lblAddAll_Click();
        const QString player = '"' + FakePlayerPath() + '"';
        for (QLineEdit* box : {window_->tools().txtWAPath, window_->tools().txtMPPath,
                               window_->tools().txtOthPlPath})
            box->setText(player);
    }

    // Clicks a command label and returns the messages shown while it ran.
    QStringList click(const char* label) {
        ModalAnswer user;
        ClickOn(window_->control<SkinLabel>(label));
        EXPECT_TRUE(window_->txtSave->text().isEmpty()) << label;
        return user.messages();
    }

    QString temporary(const char* name) const { return appDir_ + "/Temp/" + name; }

    QString log_;
    QString appDir_;
    std::unique_ptr<frmMain> window_;
};

TEST_F(SendCommand, StartsThePlayerWithTheTemporaryPlaylist) {
    const struct {
        const char* label;
        PlaylistType type;
        const char* file;
        bool open;
        QByteArray content;
    } cases[] = {
        {"lblWA", PlaylistType::M3U, "m3upl.m3u", false, "/music/b.wav\r\n\r\n"},
        {"lblWA", PlaylistType::PLS, "plspl.pls", false, "[playlist]\r\nFile1="},
        {"lblMP", PlaylistType::WPL, "wplpl.wpl", true, "<?wpl version=\"1.0\"?>\r\n"},
        {"lblOther", PlaylistType::PLS, "plspl.pls", false, "[playlist]\r\nFile1="},
    };
    int starts = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.label << ", " << NameOf(c.type));
        SelectPlaylistType(*window_, c.type);
        EXPECT_EQ(click(c.label), QStringList()) << c.label;
        const auto records = WaitForFakePlayerStarts(log_, ++starts);
        ASSERT_EQ(records.size(), starts) << c.label;
        const FakePlayerStart& record = records.last();
        const QStringList expected =
            c.open ? QStringList{"/Open", temporary(c.file)} : QStringList{temporary(c.file)};
        EXPECT_EQ(record.arguments, expected) << c.label;
        ASSERT_TRUE(record.playlist.has_value());
        if (c.type == PlaylistType::M3U) {
            EXPECT_TRUE(record.playlist->endsWith(c.content));
            EXPECT_TRUE(record.playlist->contains("/music/a.mp3\r\n"));
        } else {
            EXPECT_TRUE(record.playlist->startsWith(c.content)) << c.label;
        }
        EXPECT_FALSE(record.playlist->contains("#EXT"));
        EXPECT_FALSE(record.playlist->contains("Title1"));
    }
}

TEST_F(SendCommand, TheWrongTypeIsSaidAndNothingElseHappens) {
    const struct {
        const char* label;
        PlaylistType type;
        const char* message;
    } cases[] = {
        {"lblWA", PlaylistType::WPL, "Not M3U or PLS PL type"},
        {"lblMP", PlaylistType::M3U, "Not WPL PL type"},
        {"lblMP", PlaylistType::PLS, "Not WPL PL type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.label << ", " << NameOf(c.type));
        SelectPlaylistType(*window_, c.type);
        EXPECT_EQ(click(c.label), QStringList{c.message});
    }
    EXPECT_FALSE(QDir(appDir_ + "/Temp").exists());
    QTest::qWait(200);
    EXPECT_TRUE(ReadFakePlayerLog(log_).isEmpty());
}

TEST_F(SendCommand, AnEmptyPlaylistDoesNothingAtAll) {
    window_->lblDelAll_Click();
    for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::WPL})
        for (const char* label : {"lblWA", "lblMP", "lblOther"}) {
            SCOPED_TRACE(testing::Message() << label << ", " << NameOf(type));
            SelectPlaylistType(*window_, type);
            EXPECT_EQ(click(label), QStringList()) << label;
        }
    EXPECT_FALSE(QDir(appDir_ + "/Temp").exists());
    QTest::qWait(200);
    EXPECT_TRUE(ReadFakePlayerLog(log_).isEmpty());
}

// A command that starts nothing is reported; the temporary playlist is written all the same.
TEST_F(SendCommand, ACommandThatStartsNothingIsReported) {
    const QString path = temporary("m3upl.m3u");
    const QString quoted = CommandLinePath(path);  // the application folder holds a blank
    const struct {
        QString command;
        QString commandLine;
        QString reason;  // empty: the system's words, whatever they are
    } cases[] = {
        {"", quoted, "Команда проигрывателя не задана."},
        {"   ", "   " + quoted, "Команда проигрывателя не задана."},
        {FakePlayerPath(), FakePlayerPath() + quoted, {}},  // unquoted: glued to the path
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        window_->tools().txtWAPath->setText(c.command);
        const QStringList messages = click("lblWA");
        ASSERT_EQ(messages.size(), 1);
        const QString head = "Не удалось запустить проигрыватель:\n" + c.commandLine + "\n\n";
        const QString tail = "\n\nПроверьте команду в окне «Настройки».";
        EXPECT_TRUE(messages[0].startsWith(head)) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith(tail)) << messages[0].toStdString();
        const QString reason =
            messages[0].mid(head.size(), messages[0].size() - head.size() - tail.size());
        if (c.reason.isEmpty())
            EXPECT_FALSE(reason.trimmed().isEmpty());
        else
            EXPECT_EQ(reason, c.reason);
        EXPECT_TRUE(QFile::exists(path));
    }
    window_->tools().txtOthPlPath->clear();
    EXPECT_EQ(click("lblOther").size(), 1);
}

TEST_F(SendCommand, AnUnwritableApplicationFolderUsesTheUsersPrivateFolder) {
    const QString runtime = MakeFolder("runtime");
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    QFile blocker(appDir_ + "/Temp");  // a file where the Temp folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(click("lblWA"), QStringList());
    const auto records = WaitForFakePlayerStarts(log_, 1);
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].arguments, QStringList{runtime + "/lyrantel/m3upl.m3u"});

    // A folder that fails the check: said, and no player is started.
    QDir(runtime + "/lyrantel").removeRecursively();
    ASSERT_TRUE(QFile::link(MakeFolder("elsewhere"), runtime + "/lyrantel"));
    const QStringList messages = click("lblWA");
    qputenv("XDG_RUNTIME_DIR", previous);
    EXPECT_EQ(messages,
              QStringList{"Не удалось записать временный список воспроизведения\n" + runtime +
                          "/lyrantel\n\nЭто символьная ссылка, а не папка: она могла "
                          "быть подложена."});
    QTest::qWait(200);
    EXPECT_EQ(ReadFakePlayerLog(log_).size(), 1);
    EXPECT_TRUE(QDir(MakeFolder("elsewhere")).isEmpty());
}

// A path the shell or the command-line rules would take apart reaches the player exactly.
TEST(PlayerCommandLine, ThePlayerGetsThePathExactly) {
    const QString paths[] = {
        R"(/opt/my"app/Temp/m3upl.m3u)",
        R"(/a b/"quoted"/x.m3u)",
        R"(C:\Lists\)",
        R"(C:\My Lists\)",
        R"(/a\"b/c\\"d)",
        "/tab\there/x.pls",
        "/$HOME;rm -rf ~/`x`/x.m3u",
        "/line\nbreak/x.m3u",
        "/plain/x.m3u",
    };
    using Builder = QString (*)(const QString&, const QString&);
    for (const Builder build :
         {&WinAmpCommandLine, &MediaPlayerCommandLine, &OtherPlayerCommandLine}) {
        for (const QString& path : paths) {
            SCOPED_TRACE(path.toStdString());
            const auto parsed = ParseCommandLine(build("\"/usr/bin/player\"", path));
            ASSERT_TRUE(parsed.has_value());
            EXPECT_EQ(parsed->program, "/usr/bin/player");
            ASSERT_FALSE(parsed->arguments.isEmpty());
            EXPECT_EQ(parsed->arguments.last(), path);
        }
    }
}

TEST_F(SendCommand, AQuoteInTheProgramsFolderReachesThePlayer) {
    const QString hostile = MakeFolder(R"(my"app \ $x;)");
    window_ = OpenMainWindow({}, hostile);
    BrowseTo(*window_, MakeFolder("music", {"a.mp3"}));
    window_->lblAddAll_Click();
    window_->tools().txtOthPlPath->setText('"' + FakePlayerPath() + '"');
    EXPECT_EQ(click("lblOther"), QStringList());
    const auto records = WaitForFakePlayerStarts(log_, 1);
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].arguments, QStringList{hostile + "/Temp/m3upl.m3u"});
    ASSERT_TRUE(records[0].playlist.has_value());
}

}  // namespace
