// SPDX-License-Identifier: MIT
// A playlist saved for moving: entries relative to its folder where they can be, read back to the
// same absolute paths, in each type.
#include <gtest/gtest.h>

#include <QDir>

#include "output/playlist_file.h"
#include "output/playlist_text.h"
#include "output/portable_folders.h"
#include "playlist/readers/playlist_readers.h"
#include "tests/support/isolation.h"
#include "tests/support/playlist_entries.h"
#include "tests/support/playlist_type_names.h"

TEST(PortableSave, EntriesComeBackFromTheirRelativeForms) {
    const QString lists = WorkPath("lists");
    const QString otherMount = QStringLiteral("/media/usb");
    QDir().mkpath(lists);
    const struct {
        const char* what;
        QString folder;
        QString fileName;
        QString written;  // the entry's text in an M3U
    } entries[] = {
        {"beside the playlist", lists, "a.mp3", "a.mp3"},
        {"inside its folder", lists + "/Music/Disc 1", "b.mp3", "Music/Disc 1/b.mp3"},
        {"outside its folder", WorkPath("Music"), "c.mp3", "../Music/c.mp3"},
        {"on another mount", otherMount + "/Music", "d.mp3", "/media/usb/Music/d.mp3"},
        {"an address", "http://radio.example:8000", "live", "http://radio.example:8000/live"},
        {"a name a line can't hold", lists, "e\nf.mp3", "file://"},
    };
    QStringList folders, fileNames, absolute;
    for (const auto& entry : entries) {
        folders.append(entry.folder);
        fileNames.append(entry.fileName);
        absolute.append(entry.folder + '/' + entry.fileName);
    }
    absolute[4] = "http://radio.example:8000/live";
    const auto onPlaylistsDrive = [&](const QString& folder) {
        return !folder.startsWith(otherMount);
    };
    // What an entry carries goes with it.
    PlaylistEntries playlist = EntriesOf(fileNames, folders);
    playlist[4].title = QStringLiteral("Radio Paradise");
    playlist[4].seconds = -1;

    for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL}) {
        SCOPED_TRACE(NameOf(type));
        const PlaylistEntries relative =
            EntriesRelativeTo(playlist, lists, type, onPlaylistsDrive, u'/');
        QString text;
        AppendPlaylistLines(text, type, PlaylistTarget::SaveFile, relative, QString(), u'/');
        if (type == PlaylistType::M3U) {
            for (const auto& entry : entries)
                EXPECT_TRUE(text.contains(QStringLiteral("\r\n") + entry.written)) << entry.what;
        }
        const QString path = lists + "/portable." + PlaylistExtension(type);
        ASSERT_EQ(WritePlaylistFile(path, text).status, PlaylistFileResult::Status::Written);
        const ReadResult read = ReadPlaylistFile(path);
        ASSERT_TRUE(read.contents) << read.error.toStdString();
        EXPECT_EQ(PathsOf(read.contents->entries), absolute);
        if (type != PlaylistType::WPL) {
            EXPECT_EQ(read.contents->entries[4].title, QStringLiteral("Radio Paradise"));
            EXPECT_EQ(read.contents->entries[4].seconds, -1);
        }
    }
}
