// SPDX-License-Identifier: MIT
#include "playlist/dropped_files.h"

#include <gtest/gtest.h>

#include <QDir>

#include "playlist/file_name_codec.h"
#include "playlist/file_patterns.h"
#include "tests/support/isolation.h"
#include "tests/support/main_window.h"
#include "tests/support/playlist_entries.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

// What a drop adds, in drop order: media files, a folder's media files but not its sub-folders;
// other files, missing paths and addresses add nothing.
TEST(DroppedFiles, AddsMediaFilesAndFoldersInDropOrder) {
    const QString music = MakeFolder("music", {"b.mp3", "a.wav", "notes.txt"});
    MakeFolder("music/inner", {"c.mp3"});
    const QString work = NativeFolderPath(TestWorkFolder());
    WriteBytes(WorkPath("one.MID"), {});
    WriteBytes(WorkPath("text.txt"), {});
    const QList<QUrl> urls = {
        QUrl::fromLocalFile(WorkPath("one.MID")),
        QUrl::fromLocalFile(WorkPath("text.txt")),
        QUrl::fromLocalFile(music),
        QUrl::fromLocalFile(WorkPath("missing.mp3")),
        QUrl(QStringLiteral("http://host/x.mp3")),
    };
    const PlaylistEntries dropped = CollectDroppedMedia(urls, FilePatternSet(kMediaFilePatterns));
    EXPECT_EQ(dropped, EntriesOf({"one.MID", "a.wav", "b.mp3"}, {work, music, music}));
}

// A dropped file of any audio or video is added; a playlist or another file is not.
TEST(DroppedFiles, AddsAudioAndVideoOfEveryKind) {
    const QString work = NativeFolderPath(TestWorkFolder());
    QList<QUrl> urls;
    for (const char* name : {"a.flac", "list.m3u", "b.opus", "c.m4a", "notes.txt", "d.mkv"})
        urls.append(QUrl::fromLocalFile(WriteWorkFile(QString::fromUtf8(name), {})));
    const PlaylistEntries dropped = CollectDroppedMedia(urls, FilePatternSet(kMediaFilePatterns));
    EXPECT_EQ(dropped, EntriesOf({"a.flac", "b.opus", "c.m4a", "d.mkv"}, QStringList(4, work)));
}

#ifndef Q_OS_WIN
// A file manager percent-escapes a name's bytes that aren't UTF-8; the entry keeps those bytes.
TEST(DroppedFiles, KeepsNamesThatAreNotUtf8) {
    const QByteArray fileBytes = QFile::encodeName(TestWorkFolder()) + "/bad-\xff\xfe.mp3";
    const int fd = ::open(fileBytes.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const QUrl url = QUrl::fromEncoded("file://" + fileBytes.toPercentEncoding("/"));
    const PlaylistEntries dropped = CollectDroppedMedia({url}, FilePatternSet(kMediaFilePatterns));
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(EncodeFileName(EntryPath(dropped[0])), fileBytes);
}
#endif
