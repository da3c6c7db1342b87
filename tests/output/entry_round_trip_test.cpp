// SPDX-License-Identifier: MIT
// Entries of every shape and odd names go through the real writer and readers of each type and
// come back exactly as they were.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "output/playlist_file.h"
#include "output/playlist_text.h"
#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "playlist/file_uri.h"
#include "playlist/playlist_type.h"
#include "playlist/readers/playlist_readers.h"
#include "tests/support/playlist_entries.h"
#include "tests/support/playlist_type_names.h"
#include "tests/support/qt_printers.h"

namespace {

constexpr PlaylistType kTypes[] = {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL,
                                   PlaylistType::XSPF};
constexpr PlaylistTarget kTargets[] = {PlaylistTarget::SaveFile, PlaylistTarget::Player};

QStringList SampleEntries() {
    return {
        QStringLiteral("D:\\Music\\Song.mp3"),
        QStringLiteral("D:\\a.wav"),
        QStringLiteral("\\\\server\\share\\b.mp3"),
        QStringLiteral("http://example.com:8000"),
        QStringLiteral("mms://media.example.com"),
        QStringLiteral("/music/back\\slash.mp3"),
        QStringLiteral("http://h/x?a=b/c"),
        QStringLiteral("/music/Ночь & день <live>.mp3"),
        QStringLiteral("/music/tab\there.mp3"),
        // Lines a name must not be able to inject, in each type's own syntax.
        QStringLiteral("/music/evil\r\n#EXTM3U\r\nhttp:inject.mp3"),
        QStringLiteral("/music/a\n[x]\nb.mp3"),
        QStringLiteral("/music/c\nFile0=injected.mp3"),
        QStringLiteral("/music/d\"/><media src=\"x.mp3"),
        QStringLiteral("/music/bell\a and esc\x1b.mp3"),
        QStringLiteral("/music/100% sure #1;.mp3"),
        // Raw bytes on disk that aren't UTF-8: CP1251 "Песня", and a Latin-1 byte.
        DecodeFileName("/music/\xcf\xe5\xf1\xed\xff.mp3"),
        DecodeFileName("/music/bad-\xff\xfe.mp3"),
    };
}

PlaylistEntries Split(const QStringList& entries) {
    PlaylistEntries split;
    for (const QString& entry : entries) split.append(EntryOfPath(entry));
    return split;
}

QStringList WriteAndRead(const QString& path, PlaylistType type, PlaylistTarget target,
                         const QStringList& entries) {
    QString text;
    AppendPlaylistLines(text, type, target, Split(entries), QString(), u'/');
    EXPECT_EQ(WritePlaylistFile(path, text).status, PlaylistFileResult::Status::Written);
    const ReadResult read = ReadPlaylistFile(path);
    EXPECT_TRUE(read.contents) << read.error.toStdString();
    return read.contents ? PathsOf(read.contents->entries) : QStringList();
}

// The entries as they come back from a text of the type: as they were, except that XSPF, which
// writes every local entry as a file URI, gives a Windows path back in this system's separators, as
// any file URI does: the same file.
QStringList ReadBack(PlaylistType type, QStringList entries) {
    if (type == PlaylistType::XSPF) {
        for (QString& entry : entries) {
            if (ShapeOfEntry(entry) == EntryShape::WindowsPath)
                entry = QDir::toNativeSeparators(entry.replace(u'\\', u'/'));
        }
    }
    return entries;
}

}  // namespace

TEST(EntryRoundTrip, EveryEntryComesBackFromEveryTypeAndForm) {
    QTemporaryDir folder;
    const QStringList entries = SampleEntries();
    for (PlaylistType type : kTypes) {
        for (PlaylistTarget target : kTargets) {
            SCOPED_TRACE(testing::Message() << NameOf(type) << ", " << NameOf(target));
            const QString path = folder.filePath(QStringLiteral("list.") + PlaylistExtension(type));
            EXPECT_EQ(WriteAndRead(path, type, target, entries), ReadBack(type, entries));
        }
    }
}

// What the text holds for a name it can't carry as it is: a URI players resolve to the same file,
// and never a line or element of its own.
TEST(EntryRoundTrip, NamesALineCannotHoldAreWrittenAsFileUris) {
    const struct {
        PlaylistType type;
        const char* name;
        const char* written;
    } cases[] = {
        {PlaylistType::M3U, "evil\r\n#EXTM3U\r\nhttp:inject.mp3",
         "file:///m/evil%0D%0A%23EXTM3U%0D%0Ahttp%3Ainject.mp3\r\n"},
        {PlaylistType::PLS, "a\n[x]\nb.mp3", "File1=file:///m/a%0A%5Bx%5D%0Ab.mp3\r\n"},
        {PlaylistType::WPL, "bell\a.mp3", "<media src=\"file:///m/bell%07.mp3\"/>"},
        {PlaylistType::WPL, "cr\r\ttab.mp3", "<media src=\"/m/cr&#13;&#9;tab.mp3\"/>"},
        {PlaylistType::M3U, "tab\t.mp3", "/m/tab\t.mp3\r\n"},
        {PlaylistType::M3U, "bad-\xff.mp3", "file:///m/bad-%FF.mp3\r\n"},
        {PlaylistType::WPL, "bad-\xff.mp3", "<media src=\"file:///m/bad-%FF.mp3\"/>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << NameOf(c.type) << " " << c.written);
        QString text;
        AppendPlaylistLines(text, c.type, PlaylistTarget::Player,
                            EntriesInFolder({DecodeFileName(c.name)}, QStringLiteral("/m")),
                            QString(), u'/');
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.written))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("&#65533;")));
    }
}

// A relative entry escaped stays relative: "file:" with no host, or its first folder would be
// read as one. It comes back against the playlist's folder.
TEST(EntryRoundTrip, AnEscapedRelativeEntryStaysRelative) {
    const QString uri = EscapedUriOfEntry(u"Music/a\nb.mp3");
    EXPECT_EQ(uri, QStringLiteral("file:Music/a%0Ab.mp3"));
    const ReadResult read = ReadM3u(uri.toUtf8() + "\r\n", QStringLiteral("/lists"));
    ASSERT_TRUE(read.contents);
    EXPECT_EQ(PathsOf(read.contents->entries), QStringList{"/lists/Music/a\nb.mp3"});
}

// Playlists written by other programs: each entry is opened, saved in every type, and opened
// again unchanged.
TEST(EntryRoundTrip, ForeignPlaylistsKeepEveryEntryThroughOpenAndSave) {
    const struct {
        const char* file;
        QStringList entries;
    } cases[] = {
        {"shoutcast.pls",
         {"http://stream.example.com:8000", "http://198.51.100.7:8010/",
          "mms://media.example.com"}},
        {"windows_paths.m3u",
         {"D:\\Music\\Song.mp3", "D:\\a.wav", "\\\\server\\share\\b.mp3", "C:/Music/c.mp3"}},
        {"file_uris.m3u",
         {"/music/evil\r\nhttp:inject.mp3", "/music/a b.mp3",
          DecodeFileName("/music/\xcf\xe5\xf1\xed\xff.mp3"), "/music/back\\slash.mp3"}},
        {"file_uris.wpl", {"/music/bell\a.mp3", "/music/line\nbreak.mp3", "C:/Music/x.wma"}},
    };
    QTemporaryDir folder;
    const QDir samples(QStringLiteral(LYRANTEL_TEST_PLAYLISTS));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ReadResult opened = ReadPlaylistFile(samples.filePath(QString::fromUtf8(c.file)));
        ASSERT_TRUE(opened.contents) << opened.error.toStdString();
        EXPECT_EQ(PathsOf(opened.contents->entries), c.entries);
        for (PlaylistType type : kTypes) {
            SCOPED_TRACE(NameOf(type));
            const QString path =
                folder.filePath(QStringLiteral("saved.") + PlaylistExtension(type));
            EXPECT_EQ(WriteAndRead(path, type, PlaylistTarget::SaveFile, c.entries),
                      ReadBack(type, c.entries));
        }
    }
}
