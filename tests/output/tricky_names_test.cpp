// SPDX-License-Identifier: MIT
// Names that players misread, as real files: saved in every type and in every way the program
// saves, then opened again, each entry names its own file; a relative M3U escaped as some players
// write it finds them too.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>

#include "output/playlist_file.h"
#include "output/playlist_text.h"
#include "output/portable_folders.h"
#include "platform/media_tags.h"
#include "playlist/file_name_codec.h"
#include "playlist/readers/playlist_readers.h"
#include "tests/support/isolation.h"
#include "tests/support/playlist_entries.h"
#include "tests/support/playlist_type_names.h"

namespace {

struct TrickyName {
    const char* folder;  // under the test's root folder
    QByteArray name;     // the bytes on disk
};

// Fifteen names that players were seen to misread, then the shapes of an address or a drive and a
// name ending in a blank.
const TrickyName kNames[] = {
    {"Music", " leading blank.mp3"},
    {"Music", "#start.mp3"},
    {"Music", "-leading dash.mp3"},
    {"Music", "a&b.mp3"},
    {"Music", "a<b>c.mp3"},
    {"Music", "hash#1.mp3"},
    {"Music", "latin\xe9 byte.mp3"},
    {"Music", "line\nfeed.mp3"},
    {"Music", QByteArray(242, 'n') + ".mp3"},
    {"Music", "percent%20x.mp3"},
    {"Music", "with space.mp3"},
    {"Music", "\xd0\x9a\xd0\xb8\xd0\xbd\xd0\xbe.mp3"},
    {"Music", "\xe2\x84\x96 1.mp3"},
    {"R&B", "a.mp3"},
    {"\xd0\x9c\xd1\x83\xd0\xb7\xd1\x8b\xd0\xba\xd0\xb0", "b.mp3"},
    {"Music", "file:a.wav"},
    {"Music", "http:x.mp3"},
    {"Music", "c:d.mp3"},
    {"Music", "trailing blank.mp3 "},
};

// The files, made on disk by their bytes, as entries of the playlist.
PlaylistEntries MakeFiles(const QString& root) {
    PlaylistEntries entries;
    for (const TrickyName& tricky : kNames) {
        const QString folder = root + u'/' + QString::fromUtf8(tricky.folder);
        QDir().mkpath(folder);
        const QByteArray path = EncodeFileName(folder) + '/' + tricky.name;
        const int file = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
        EXPECT_GE(file, 0) << path.constData();
        ::close(file);
        entries.append({folder, DecodeFileName(tricky.name), {}, {}});
    }
    return entries;
}

QStringList SaveAndOpen(const QString& path, PlaylistType type, PlaylistTarget target,
                        const PlaylistEntries& entries) {
    QString text;
    AppendPlaylistLines(text, type, target, entries, QString(), u'/');
    EXPECT_EQ(WritePlaylistFile(path, text).status, PlaylistFileResult::Status::Written);
    const ReadResult read = ReadPlaylistFile(path);
    EXPECT_TRUE(read.contents) << read.error.toStdString();
    return read.contents ? PathsOf(read.contents->entries) : QStringList();
}

}  // namespace

TEST(TrickyNames, EachEntryNamesItsFileAfterEverySave) {
    const QString root = WorkPath("root");
    const PlaylistEntries entries = MakeFiles(root);
    PlaylistEntries tagged;
    for (const PlaylistEntry& entry : entries) tagged.append(EntryWithTags(entry));
    const QStringList paths = PathsOf(entries);
    const QString lists = root + "/Lists";
    QDir().mkpath(lists);
    const auto sameDrive = [](const QString&) { return true; };

    for (const PlaylistType type : kPlaylistTypes) {
        for (const PlaylistTarget target : {PlaylistTarget::SaveFile, PlaylistTarget::Player}) {
            SCOPED_TRACE(testing::Message() << NameOf(type) << ", plain, " << NameOf(target));
            const QString path = lists + "/plain." + PlaylistExtension(type);
            EXPECT_EQ(SaveAndOpen(path, type, target, entries), paths);
        }
        SCOPED_TRACE(testing::Message() << NameOf(type) << ", with tags");
        const QString path = lists + "/tagged." + PlaylistExtension(type);
        EXPECT_EQ(SaveAndOpen(path, type, PlaylistTarget::SaveFile, tagged), paths);
    }
    // The save for moving, beside the music, above it and beside its folder.
    for (const QString& folder : {root + "/Music", root, lists}) {
        for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL}) {
            SCOPED_TRACE(testing::Message()
                         << NameOf(type) << ", for moving to " << folder.toStdString());
            const PlaylistEntries relative =
                EntriesRelativeTo(entries, folder, type, sameDrive, u'/');
            const QString path = folder + "/moving." + PlaylistExtension(type);
            EXPECT_EQ(SaveAndOpen(path, type, PlaylistTarget::SaveFile, relative), paths);
        }
    }
}

// How the names are written: a URI where players would misread the path, "./" before a relative
// entry that would start like a comment, a blank or an address; ordinary names as they are.
TEST(TrickyNames, MisreadNamesAreWrittenSoEveryPlayerReadsThem) {
    const QString root = WorkPath("root");
    const PlaylistEntries entries = MakeFiles(root);
    const QByteArray music = EncodeFileName(root) + "/Music/";
    QString plain;
    AppendPlaylistLines(plain, PlaylistType::M3U, PlaylistTarget::Player, entries, QString(), u'/');
    const QByteArray plainBytes = EncodeFileName(plain);
    const auto sameDrive = [](const QString&) { return true; };
    QString moving;
    AppendPlaylistLines(
        moving, PlaylistType::M3U, PlaylistTarget::Player,
        EntriesRelativeTo(entries, root + "/Music", PlaylistType::M3U, sameDrive, u'/'), QString(),
        u'/');
    const QByteArray movingBytes = EncodeFileName(moving);
    const struct {
        const QByteArray& text;
        QByteArray line;
    } cases[] = {
        {plainBytes, "file://" + music + "hash%231.mp3"},
        {plainBytes, "file://" + music + "%23start.mp3"},
        {plainBytes, "file://" + music + "%20leading%20blank.mp3"},
        {plainBytes, "file://" + music + "percent%2520x.mp3"},
        {plainBytes, "file://" + music + "trailing%20blank.mp3%20"},
        {plainBytes, music + "-leading dash.mp3"},
        {plainBytes, music + "a&b.mp3"},
        {plainBytes, music + "with space.mp3"},
        {plainBytes, music + "file:a.wav"},
        {movingBytes, "./#start.mp3"},
        {movingBytes, "./ leading blank.mp3"},
        {movingBytes, "./file:a.wav"},
        {movingBytes, "./http:x.mp3"},
        {movingBytes, "./c:d.mp3"},
        {movingBytes, "hash#1.mp3"},
        {movingBytes, "percent%20x.mp3"},
        {movingBytes, "-leading dash.mp3"},
        {movingBytes, "file://" + music + "trailing%20blank.mp3%20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.constData());
        EXPECT_TRUE(c.text.startsWith(c.line + "\r\n") || c.text.contains("\n" + c.line + "\r\n"))
            << c.text.constData();
    }
}

// A relative M3U whose entries are escaped as URI references: each finds its file, as its decoded
// path names it; a path whose escapes name no file either is kept as written.
TEST(TrickyNames, AnEscapedRelativeM3uFindsEveryFile) {
    const QString root = WorkPath("root");
    const PlaylistEntries entries = MakeFiles(root);
    QByteArray text = "#EXTM3U\n";
    for (const TrickyName& tricky : kNames)
        text += QByteArray(tricky.folder).toPercentEncoding("/") + '/' +
                tricky.name.toPercentEncoding("/") + '\n';
    text += "Music/missing%20file.mp3\n";
    WriteBytes(root + "/escaped.m3u", text);
    const ReadResult read = ReadPlaylistFile(root + "/escaped.m3u");
    ASSERT_TRUE(read.contents) << read.error.toStdString();
    EXPECT_EQ(PathsOf(read.contents->entries),
              PathsOf(entries) + QStringList{root + "/Music/missing%20file.mp3"});
}
