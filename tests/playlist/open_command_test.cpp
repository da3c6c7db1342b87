// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

#include "playlist/playlist_limits.h"
#include "playlist/readers/playlist_readers.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/skin_label.h"

namespace {

// Clicks "Открыть", picks the file in the dialog and returns the messages shown.
QStringList Open(frmMain& window, const QString& path) {
    ModalAnswer user([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) TypeFileNameAndAccept(dialog, path);
    });
    ClickOn(window.control<SkinLabel>("lblOpen"));
    return user.messages();
}

}  // namespace

// What the program saves, in every type and form, comes back as it was composed.
TEST(OpenCommand, ASavedPlaylistComesBackExactly) {
    const QStringList folders = {"/music/with blanks", "/", "/музыка/Ünïcode ♫", "/a&b/<c>",
                                 "/q\"uote/#hash;semi"};
    const QStringList names = {"a & b.mp3", "root.wma", "Песня №1.mp3", "x<y>z.wav",
                               "\"quoted\" #1; 2.mid"};
    const QString title = "Party & <Co> \"Ω\"";
    const struct {
        PlaylistType type;
        PlaylistTarget target;
        const char* file;
    } cases[] = {
        {PlaylistType::M3U, PlaylistTarget::SaveFile, "save.m3u"},
        {PlaylistType::M3U, PlaylistTarget::Player, "player.m3u"},
        {PlaylistType::PLS, PlaylistTarget::SaveFile, "save.pls"},
        {PlaylistType::PLS, PlaylistTarget::Player, "player.pls"},
        {PlaylistType::WPL, PlaylistTarget::SaveFile, "save.wpl"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = WorkPath(c.file);
        auto writer = OpenMainWindow();
        writer->playlist().append(EntriesOf(names, folders));
        writer->txtPLName->setText(title);
        writer->ComposePlaylistText(c.type, c.target);
        writer->WriteOutputBuffer(path);

        auto reader = OpenMainWindow();
        reader->playlist().append(EntriesOf({"old.mp3"}, {"/old"}));
        EXPECT_EQ(Open(*reader, path), QStringList()) << c.file;
        EXPECT_EQ(FileNamesOf(reader->playlist().entries()), names) << c.file;
        EXPECT_EQ(FoldersOf(reader->playlist().entries()), folders) << c.file;
        EXPECT_EQ(reader->cmbPLType->currentIndex(), static_cast<int>(c.type)) << c.file;
        EXPECT_EQ(reader->txtPLName->text(), c.type == PlaylistType::WPL ? title : QString())
            << c.file;
        EXPECT_EQ(reader->txtPLName->isVisibleTo(reader.get()), c.type == PlaylistType::WPL);
    }
}

TEST(OpenCommand, AFileThatCantBeReadChangesNothingAndSaysWhy) {
    const QString broken = WorkPath("broken.wpl");
    WriteBytes(broken, "<?wpl version=\"1.0\"?>\r\n<smil><body><seq>\r\n<media src=\"a.mp3\">\r\n");
    const QString huge = WorkPath("huge.m3u");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxPlaylistFileBytes + 1));  // sparse: no disk is used
    }
    for (const QString& path : {broken, huge}) {
        SCOPED_TRACE(path.toStdString());
        auto window = OpenMainWindow();
        window->playlist().append(EntriesOf({"kept.mp3"}, {"/kept"}));
        SelectPlaylistType(*window, PlaylistType::PLS);
        const QStringList messages = Open(*window, path);
        ASSERT_EQ(messages.size(), 1) << path.toStdString();
        EXPECT_TRUE(
            messages[0].startsWith("Не удалось открыть список воспроизведения\n" + path + "\n\n"));
        EXPECT_EQ(FileNamesOf(window->playlist().entries()), QStringList{"kept.mp3"});
        EXPECT_EQ(FoldersOf(window->playlist().entries()), QStringList{"/kept"});
        EXPECT_EQ(window->cmbPLType->currentIndex(), static_cast<int>(PlaylistType::PLS));
    }
}

TEST(OpenCommand, TakesTheFirstEntriesUpToTheLimitAndSaysSo) {
    QByteArray text = "#EXTM3U\r\n";
    for (int i = 0; i <= kMaxPlaylistEntries; ++i)
        text += "/m/" + QByteArray::number(i) + ".mp3\r\n";
    const QString path = WorkPath("big.m3u");
    WriteBytes(path, text);
    auto window = OpenMainWindow();
    EXPECT_EQ(Open(*window, path), QStringList{kPlaylistFullMessage});
    EXPECT_EQ(window->lstPL->listCount(), kMaxPlaylistEntries);
    EXPECT_EQ(window->playlist().count(), kMaxPlaylistEntries);
    EXPECT_EQ(FileNamesOf(window->playlist().entries()).last(),
              QString("%1.mp3").arg(kMaxPlaylistEntries - 1));
    EXPECT_EQ(FileNamesOf(window->playlist().entries()).last(), "32766.mp3");
}

// A line longer than any path would be one item of megabytes in the list, which holds the window
// for minutes: it is left out, and the message says on which line.
TEST(OpenCommand, LeavesOutAnOverLongEntryAndSaysOnWhichLine) {
    const QByteArray overLong = "/m/" + QByteArray(kMaxEntryBytes, 'x');
    QByteArray text = "#EXTM3U\r\n/m/a.mp3\r\n" + overLong + "\r\n/m/b.mp3\r\n";
    for (int i = 0; i < 25; ++i) text += overLong + "\r\n";
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"one.m3u", "/m/a.mp3\r\n" + overLong + "\r\n/m/b.mp3\r\n",
         "Пропущено записей длиннее 4095 байт: 1 (строка 2)."},
        {"many.m3u", text,
         "Пропущено записей длиннее 4095 байт: 26 (строки 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, "
         "15, 16, 17, 18, 19, 20, 21, 22, 23 и ещё 6)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = WorkPath(c.name);
        WriteBytes(path, c.bytes);
        auto window = OpenMainWindow();
        EXPECT_EQ(Open(*window, path), QStringList{c.message});
        EXPECT_EQ(FileNamesOf(window->playlist().entries()), (QStringList{"a.mp3", "b.mp3"}));
    }
}
