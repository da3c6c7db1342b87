// SPDX-License-Identifier: MIT
// Playlists of other programs carry each entry's title and length; opening one and saving it in
// any of the ways the program saves keeps them, entry for entry.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include "playlist/readers/playlist_readers.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/modal_answer.h"
#include "ui/controls/skin_label.h"

namespace {

enum class SaveKind { Plain, Portable, WithTags };

// Saves the window's playlist as `type` the chosen way, answering the Save dialog with `path`.
QStringList Save(frmMain& window, PlaylistType type, SaveKind kind, const QString& path) {
    SelectPlaylistType(window, type);
    ModalAnswer user([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) TypeFileNameAndAccept(dialog, path);
    });
    switch (kind) {
        case SaveKind::Plain:
            ClickOn(window.control<SkinLabel>("lblSave"));
            break;
        case SaveKind::Portable:
            window.lstPL_SavePortable();
            break;
        case SaveKind::WithTags:
            window.lstPL_SaveWithTags();
            break;
    }
    return user.messages();
}

}  // namespace

TEST(CarriedTitles, OpenAndSaveKeepEveryTitleAndLength) {
    const QDir samples(QStringLiteral(LYRANTEL_TEST_PLAYLISTS));
    const char* files[] = {"radio.m3u", "library.m3u", "somafm.pls"};
    const struct {
        const char* name;
        SaveKind kind;
    } saves[] = {{"plain", SaveKind::Plain},
                 {"for moving", SaveKind::Portable},
                 {"with tags", SaveKind::WithTags}};
    for (const char* file : files) {
        const ReadResult original = ReadPlaylistFile(samples.filePath(QString::fromUtf8(file)));
        ASSERT_TRUE(original.contents) << file;
        int titled = 0;
        for (const PlaylistEntry& entry : original.contents->entries) titled += bool(entry.title);
        EXPECT_GE(titled, 3) << file;  // the sample carries titles to keep

        for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS}) {
            for (const auto& save : saves) {
                SCOPED_TRACE(testing::Message()
                             << file << " as " << NameOf(type) << ", " << save.name);
                auto window = OpenMainWindow();
                window->OpenPlaylistFile(samples.filePath(QString::fromUtf8(file)));
                const QString path = WorkPath(
                    QStringLiteral("%1 %2.%3").arg(file, save.name, PlaylistExtension(type)));
                EXPECT_EQ(Save(*window, type, save.kind, path), QStringList());
                const ReadResult saved = ReadPlaylistFile(path);
                ASSERT_TRUE(saved.contents) << saved.error.toStdString();
                PlaylistEntries expected = original.contents->entries;
                // The save with tags titles a file that carried nothing by its name, its length
                // unknown (the sample's files aren't there).
                for (PlaylistEntry& entry : expected) {
                    if (save.kind == SaveKind::WithTags && !entry.title && !entry.seconds) {
                        entry.title = QFileInfo(entry.fileName).completeBaseName();
                        entry.seconds = 0;
                    }
                }
                EXPECT_EQ(saved.contents->entries, expected);
            }
        }
    }
}

// XSPF carries titles and lengths too: a playlist saved as XSPF opens again with every title and
// every length it can hold (none for an unknown length or a stream's -1); the selector keeps its
// type and the name box takes the playlist's name.
TEST(CarriedTitles, SaveAsXspfAndOpenKeepTitlesAndKnownLengths) {
    const QDir samples(QStringLiteral(LYRANTEL_TEST_PLAYLISTS));
    for (const char* file : {"radio.m3u", "library.m3u", "somafm.pls"}) {
        SCOPED_TRACE(file);
        const ReadResult original = ReadPlaylistFile(samples.filePath(QString::fromUtf8(file)));
        ASSERT_TRUE(original.contents);
        auto window = OpenMainWindow();
        window->OpenPlaylistFile(samples.filePath(QString::fromUtf8(file)));
        window->txtPLName->setText(QStringLiteral("Вечер & <ночь>"));
        const QString path = WorkPath(QStringLiteral("%1.xspf").arg(file));
        ModalAnswer user([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                TypeFileNameAndAccept(dialog, path);
        });
        window->lstPL_SaveXspf();
        EXPECT_EQ(user.messages(), QStringList());

        PlaylistEntries expected = original.contents->entries;
        for (PlaylistEntry& entry : expected)
            if (entry.seconds.value_or(0) <= 0) entry.seconds.reset();
        auto reader = OpenMainWindow();
        SelectPlaylistType(*reader, PlaylistType::PLS);
        reader->OpenPlaylistFile(path);
        EXPECT_EQ(reader->playlist().entries(), expected);
        EXPECT_EQ(reader->cmbPLType->currentIndex(), static_cast<int>(PlaylistType::PLS));
        EXPECT_EQ(reader->txtPLName->text(), u"Вечер & <ночь>");
    }
}

// The tooltip and what a screen reader says of an entry name what it carries.
TEST(CarriedTitles, AnEntrysTooltipAndDescriptionSayItsTitleAndLength) {
    auto window = OpenMainWindow();
    PlaylistEntries entries = EntriesOf({"a.mp3", "rp", "b.mp3", "c.mp3"}, QStringList(4, "/m"));
    entries[0].title = QStringLiteral("Artist - Title");
    entries[0].seconds = 213;
    entries[1].title = QStringLiteral("Radio Paradise");
    entries[1].seconds = -1;
    entries[2].seconds = 3723;
    window->playlist().append(entries);
    const QStringList expected = {"Artist - Title (3:33)", "Radio Paradise", "(1:02:03)", ""};
    const QAbstractItemModel* model = window->lstPL->model();
    for (int row = 0; row < 4; ++row) {
        const QModelIndex index = model->index(row, window->lstPL->modelColumn());
        EXPECT_EQ(index.data(Qt::ToolTipRole).toString(), expected[row]);
        EXPECT_EQ(index.data(Qt::AccessibleDescriptionRole).toString(), expected[row]);
        EXPECT_EQ(index.data(Qt::DisplayRole).toString(), entries[row].fileName);
    }
}
