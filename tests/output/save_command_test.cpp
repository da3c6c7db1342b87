// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "output/playlist_file.h"
#include "playlist/file_name_codec.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/output_buffer.h"
#include "ui/controls/skin_label.h"

namespace {

// The example playlist in this system's path form: a folder and the root folder.
std::unique_ptr<frmMain> WindowWithExamplePlaylist(PlaylistType type) {
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf({"a.mp3", "b.wma"}, {"/home/u/Music", "/"}));
    SelectPlaylistType(*window, type);
    window->txtPLName->setText("Party & Co");
    return window;
}

// Clicks "Сохранить" and answers the dialog with `name` (empty: cancel). Returns the messages.
QStringList SaveAs(frmMain& window, const QString& name) {
    ModalAnswer user([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return;
        if (name.isEmpty())
            dialog->reject();
        else
            TypeFileNameAndAccept(dialog, name);
    });
    ClickOn(window.control<SkinLabel>("lblSave"));
    return user.messages();
}

}  // namespace

TEST(SaveCommand, WritesTheExampleExactlyInEachType) {
    const struct {
        PlaylistType type;
        const char* name;
        const char* bytes;
    } cases[] = {
        {PlaylistType::M3U, "list.m3u",
         "#EXTM3U\r\n#EXTINF:0,?-?\r\n/home/u/Music/a.mp3\r\n#EXTINF:0,?-?\r\n/b.wma\r\n\r\n"},
        {PlaylistType::PLS, "list.pls",
         "[playlist]\r\nFile1=/home/u/Music/a.mp3\r\nTitle1=?-?\r\nLength1=0\r\nFile2=/b.wma\r\n"
         "Title2=?-?\r\nLength2=0\r\nNumberOfEntries=2\r\nVersion=2\r\n\r\n"},
        {PlaylistType::WPL, "list.wpl",
         "<?wpl version=\"1.0\"?>\r\n<smil>\r\n<head>\r\n"
         "<meta name=\"Generator\" content=\"Lyrantel 1.0\"/>\r\n<author/>\r\n"
         "<title>Party &amp; Co</title>\r\n</head>\r\n<body>\r\n<seq>\r\n"
         "<media src=\"/home/u/Music/a.mp3\"/>\r\n<media src=\"/b.wma\"/>\r\n</seq>\r\n"
         "</body>\r\n</smil>\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NameOf(c.type));
        auto window = WindowWithExamplePlaylist(c.type);
        const QString path = WorkPath(c.name);
        EXPECT_EQ(SaveAs(*window, path), QStringList());
        EXPECT_EQ(ReadBytes(path), QByteArray(c.bytes)) << c.name;
        EXPECT_TRUE(window->txtSave->text().isEmpty());
        EXPECT_EQ(window->lstPL->listCount(), 2);
    }
}

// "Сохранить как XSPF..." writes the type the selector doesn't offer, through the same Save dialog
// (which gives a typed name its extension): every local entry a file URI, each title and known
// length. The selector and the name box stay as they were.
TEST(SaveCommand, SaveAsXspfWritesTitlesAndLengthsAndLeavesTheSelector) {
    auto window = WindowWithExamplePlaylist(PlaylistType::PLS);
    PlaylistEntries carried = EntriesOf({"c&d <1>.ogg", "live"}, {"/м", "http://radio.example"});
    carried[0].title = QStringLiteral("Артист - \"Песня\" & co");
    carried[0].seconds = 213;
    carried[1].title = QStringLiteral("Radio");
    carried[1].seconds = -1;
    window->playlist().append(carried);
    QList<QAction*> items;
    for (QAction* action : window->findChildren<QAction*>())
        if (action->text() == u"Сохранить как XSPF...") items.append(action);
    ASSERT_EQ(items.size(), 1);
    ModalAnswer user([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal))
            TypeFileNameAndAccept(dialog, WorkPath("list"));
    });
    items[0]->trigger();
    EXPECT_EQ(user.messages(), QStringList());
    EXPECT_EQ(ReadBytes(WorkPath("list.xspf")),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                         "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">\r\n"
                         "<title>Party &amp; Co</title>\r\n<trackList>\r\n"
                         "<track>\r\n<location>file:///home/u/Music/a.mp3</location>\r\n"
                         "</track>\r\n<track>\r\n<location>file:///b.wma</location>\r\n</track>\r\n"
                         "<track>\r\n<location>file:///%D0%BC/c%26d%20%3C1%3E.ogg</location>\r\n"
                         "<title>&#1040;&#1088;&#1090;&#1080;&#1089;&#1090; - &quot;&#1055;&#1077;"
                         "&#1089;&#1085;&#1103;&quot; &amp; co</title>\r\n"
                         "<duration>213000</duration>\r\n</track>\r\n"
                         "<track>\r\n<location>http://radio.example/live</location>\r\n"
                         "<title>Radio</title>\r\n</track>\r\n"
                         "</trackList>\r\n</playlist>\r\n\r\n"));
    EXPECT_EQ(window->cmbPLType->currentIndex(), static_cast<int>(PlaylistType::PLS));
    EXPECT_EQ(window->txtPLName->text(), u"Party & Co");
    EXPECT_TRUE(window->txtSave->text().isEmpty());
}

TEST(SaveCommand, CancelWritesNothingAndTheNextSaveWorksTwiceAlike) {
    auto window = WindowWithExamplePlaylist(PlaylistType::PLS);
    const QString before = QDir(TestWorkFolder()).entryList(QDir::Files).join(',');
    EXPECT_EQ(SaveAs(*window, QString()), QStringList());
    EXPECT_EQ(QDir(TestWorkFolder()).entryList(QDir::Files).join(','), before);
    EXPECT_TRUE(window->txtSave->text().isEmpty());

    const QString first = WorkPath("one");  // no extension typed
    const QString second = WorkPath("two.pls");
    SaveAs(*window, first);
    SaveAs(*window, second);
    EXPECT_EQ(ReadBytes(first + ".pls"), ReadBytes(second));
    EXPECT_TRUE(ReadBytes(second).startsWith("[playlist]\r\nFile1="));
}

TEST(SaveCommand, AnEmptyPlaylistGivesTheFixedLinesOnly) {
    auto window = OpenMainWindow();
    const QString path = WorkPath("empty.m3u");
    SaveAs(*window, path);
    EXPECT_EQ(ReadBytes(path), QByteArray("#EXTM3U\r\n\r\n"));
}

TEST(SaveCommand, NonAsciiNamesAreUtf8InM3uAndReferencesInWpl) {
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf({"Песня №1.mp3"}, {"/музыка"}));
    const QString m3u = WorkPath("ru.m3u");
    SaveAs(*window, m3u);
    EXPECT_TRUE(ReadBytes(m3u).contains(QString("/музыка/Песня №1.mp3\r\n").toUtf8()));
    SelectPlaylistType(*window, PlaylistType::WPL);
    const QString wpl = WorkPath("ru.wpl");
    SaveAs(*window, wpl);
    EXPECT_TRUE(ReadBytes(wpl).contains("<media src=\"/&#1084;&#1091;&#1079;"));
}

// A save that fails says so, with the path and the system's reason, and empties the buffer. The
// dialog itself won't take a folder as the file, and it gives a name without an extension the
// type's one (so "/dev/full" can't be named here); a folder as target and a full disk are tested
// with the writer.
TEST(SaveCommand, FailuresAreReported) {
    const QString missing = WorkPath("no/such/folder/list.m3u");
    auto window = WindowWithExamplePlaylist(PlaylistType::M3U);
    const QStringList messages = SaveAs(*window, missing);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(kSaveFailedText + "\n" + missing + "\n\n"));
    EXPECT_GT(messages[0].size(), (kSaveFailedText + "\n" + missing + "\n\n").size());
    EXPECT_TRUE(window->txtSave->text().isEmpty());
    EXPECT_FALSE(QFileInfo(missing).exists());
}

// "Сохранить" asks before it replaces a file that exists; "No" leaves it as it was.
TEST(SaveCommand, AsksBeforeReplacingAnExistingFile) {
    const struct {
        const char* what;
        QMessageBox::StandardButton answer;
        QByteArray bytesAfter;
    } cases[] = {
        {"replace", QMessageBox::Yes, "#EXTM3U\r\n#EXTINF:0,?-?\r\n/home/u/Music/a.mp3\r\n"},
        {"keep", QMessageBox::No, "earlier"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = WriteWorkFile("old.m3u", "earlier");
        auto window = WindowWithExamplePlaylist(PlaylistType::M3U);
        QStringList questions;
        ModalAnswer user([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return;
            // The question opens inside the dialog's own acceptance, while this answer still
            // runs, so a timer of its own answers it.
            QTimer answerQuestion;
            answerQuestion.setInterval(5);
            QObject::connect(&answerQuestion, &QTimer::timeout, [&] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!question || !question->isVisible()) return;
                questions.append(question->text());
                question->button(c.answer)->click();
            });
            answerQuestion.start();
            TypeFileNameAndAccept(dialog, path);
            // After a "No" the dialog stays open for another name: the user gives up.
            if (dialog->isVisible()) dialog->reject();
        });
        ClickOn(window->control<SkinLabel>("lblSave"));
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains("old.m3u")) << questions[0].toStdString();
        EXPECT_EQ(user.messages(), QStringList());
        EXPECT_TRUE(ReadBytes(path).startsWith(c.bytesAfter)) << ReadBytes(path).toStdString();
        EXPECT_TRUE(window->txtSave->text().isEmpty());
    }
}

// A name that has no form in the file's encoding is written with a replacement, and the user is
// told once the file is saved.
TEST(SaveCommand, SaysSoWhenCharactersHadToBeReplaced) {
    auto window = OpenMainWindow();
    // A lone surrogate: no file name can hold it, and UTF-8 has no form for it.
    window->playlist().append(EntriesOf({QString(QChar(0xD800)) + "x.mp3", "b.mp3"}, {"/m", "/m"}));
    const QString path = WorkPath("replaced.m3u");
    EXPECT_EQ(SaveAs(*window, path),
              QStringList{"Некоторые имена содержат знаки, которых нет в кодировке системы; в "
                          "файле они заменены знаком «?»."});
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.contains("x.mp3\r\n")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\r\n/m/b.mp3\r\n")) << bytes.toStdString();
    EXPECT_TRUE(window->txtSave->text().isEmpty());

    // A name the encoding holds says nothing.
    window->lblDelAll_Click();
    window->playlist().append(EntriesOf({"Ёлка 𝄞.mp3"}, {"/m"}));
    EXPECT_EQ(SaveAs(*window, WorkPath("fine.m3u")), QStringList());
}

// The dialog opens in the folder being browsed, then in the folder of the playlist last saved or
// opened, wherever the browser has gone since.
TEST(SaveCommand, TheDialogOpensInTheBrowsedFolderThenWhereTheLastPlaylistWas) {
    const QString music = MakeFolder("music");
    const QString lists = MakeFolder("lists");
    auto window = WindowWithExamplePlaylist(PlaylistType::M3U);
    BrowseTo(*window, music);
    QStringList openedIn;
    ModalAnswer user([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return;
        openedIn.append(dialog->directory().absolutePath());
        if (dialog->acceptMode() == QFileDialog::AcceptSave)
            TypeFileNameAndAccept(dialog, lists + "/party");
        else
            dialog->reject();
    });
    ClickOn(window->control<SkinLabel>("lblSave"));
    BrowseTo(*window, NativeFolderPath(TestWorkFolder()));
    ClickOn(window->control<SkinLabel>("lblOpen"));
    EXPECT_EQ(openedIn, QStringList({music, lists}));
    EXPECT_TRUE(QFile::exists(lists + "/party.m3u"));
}

// "Сохранить для переноса...": entries relative to where the dialog puts the playlist.
TEST(SaveCommand, PortableSaveWritesEntriesRelativeToThePlaylist) {
    const QString music = MakeFolder("Music/Disc 1", {"a.mp3"});
    auto window = OpenMainWindow();
    window->playlist().append(EntriesOf({"a.mp3", "live"}, {music, "http://radio.example:8000"}));
    const QString path = WorkPath("lists/moved.m3u");
    QDir().mkpath(WorkPath("lists"));
    ModalAnswer user([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) TypeFileNameAndAccept(dialog, path);
    });
    window->lstPL_SavePortable();
    EXPECT_EQ(user.messages(), QStringList());
    EXPECT_EQ(ReadBytes(path),
              QByteArray("#EXTM3U\r\n#EXTINF:0,?-?\r\n../Music/Disc 1/a.mp3\r\n"
                         "#EXTINF:0,?-?\r\nhttp://radio.example:8000/live\r\n\r\n"));
    EXPECT_TRUE(window->txtSave->text().isEmpty());
}

// "Сохранить с тегами...": the same text with each file's length and title; an address keeps what
// it carries, or the fixed line; a name that isn't UTF-8 titles its file without a word about
// replaced characters.
TEST(SaveCommand, SaveWithTagsWritesLengthsAndTitles) {
    const QString music = MakeFolder("music", {"01 - Intro.mp3"});
    auto window = OpenMainWindow();
    PlaylistEntries entries =
        EntriesOf({"01 - Intro.mp3", "live", "rp", DecodeFileName("caf\xe9.mp3")},
                  {music, "http://radio.example:8000", "http://radio.example:8000", music});
    entries[2].title = QStringLiteral("Radio Paradise");
    entries[2].seconds = -1;
    window->playlist().append(entries);
    const QString path = WorkPath("tagged.m3u");
    ModalAnswer user([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) TypeFileNameAndAccept(dialog, path);
    });
    window->lstPL_SaveWithTags();
    EXPECT_EQ(user.messages(), QStringList());
    EXPECT_EQ(ReadBytes(path), "#EXTM3U\r\n#EXTINF:0,01 - Intro\r\n" + QFile::encodeName(music) +
                                   "/01 - Intro.mp3\r\n#EXTINF:0,?-?\r\n"
                                   "http://radio.example:8000/live\r\n"
                                   "#EXTINF:-1,Radio Paradise\r\nhttp://radio.example:8000/rp\r\n"
                                   "#EXTINF:0,caf\xEF\xBF\xBD\r\nfile://" +
                                   QFile::encodeName(music) + "/caf%E9.mp3\r\n\r\n");
}
