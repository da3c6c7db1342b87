// SPDX-License-Identifier: MIT
#include "playlist/file_patterns.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "playlist/file_name_codec.h"
#include "playlist/folder_listing.h"
#include "tests/support/isolation.h"

TEST(FilePatterns, MatchesTheSixMediaTypesInAnyCase) {
    const FilePatternSet media(kMediaFilePatterns);
    const struct {
        const char* name;
        bool listed;
    } cases[] = {
        {"a.mp3", true},     {"b.WAV", true}, {"c.Mid", true},         {"d.wma", true},
        {"e.AVI", true},     {"f.wmV", true}, {"song.mp3.txt", false}, {"mp3", false},
        {"x.mp4", false},    {".mp3", true},  {"a.midi", false},       {"noext", false},
        {"пісня.MP3", true}, {"a.mp", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(media.matches(QString::fromUtf8(c.name)), c.listed) << c.name;
    }
}

TEST(FilePatterns, WildcardsBacktrack) {
    const FilePatternSet set(QStringLiteral("a*b?c;*x*"));
    EXPECT_TRUE(set.matches(u"aXbbYc"));
    EXPECT_TRUE(set.matches(u"abbc"));
    EXPECT_FALSE(set.matches(u"abc"));
    EXPECT_TRUE(set.matches(u"box"));
    EXPECT_FALSE(set.matches(u""));
}

TEST(FolderListing, ListsMatchingFilesOnlySortedWithoutCase) {
    QDir work(TestWorkFolder());
    for (const char* name : {"b.MP3", "A.wav", "c.txt", ".hidden.mp3", "a.mid"}) {
        SCOPED_TRACE(name);
        QFile file(work.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(work.mkdir("folder.mp3"));
    const auto files = ListMatchingFiles(work.path(), FilePatternSet(kMediaFilePatterns));
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(*files, QStringList({"a.mid", "A.wav", "b.MP3"}));

    const auto folders = ListSubfolders(work.path());
    ASSERT_TRUE(folders.has_value());
    EXPECT_EQ(*folders, QStringList({"folder.mp3"}));

    EXPECT_FALSE(ListMatchingFiles(work.filePath("missing"), FilePatternSet(kMediaFilePatterns)));
    EXPECT_FALSE(ListSubfolders(work.filePath("A.wav")));
}

#ifndef Q_OS_WIN
// Names in CP1251 or Latin-1 bytes aren't valid UTF-8; they are listed with their bytes kept.
TEST(FolderListing, KeepsNamesThatAreNotUtf8) {
    const QByteArray folder = QFile::encodeName(TestWorkFolder());
    const QByteArray fileName("bad-\xff\xfe.mp3");
    const QByteArray folderName("\xcf\xe0\xef\xea\xe0");
    const int fd = ::open((folder + '/' + fileName).constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_EQ(::mkdir((folder + '/' + folderName).constData(), 0700), 0);

    const auto files = ListMatchingFiles(TestWorkFolder(), FilePatternSet(kMediaFilePatterns));
    ASSERT_TRUE(files.has_value());
    ASSERT_EQ(files->size(), 1);
    EXPECT_EQ(EncodeFileName(files->first()), fileName);

    const auto folders = ListSubfolders(TestWorkFolder());
    ASSERT_TRUE(folders.has_value());
    ASSERT_EQ(folders->size(), 1);
    EXPECT_EQ(EncodeFileName(folders->first()), folderName);
    EXPECT_TRUE(ListSubfolders(TestWorkFolder() + '/' + folders->first()).has_value());
}
#endif

// Blind to case, letters beyond ASCII included, and past the first dozen characters; ties on case
// in the exact text's order.
TEST(FolderListing, SortsWithoutCase) {
    QStringList names = {
        "b", "Äb", "z1", "B", "a", "äa", "Z", "Track 01 - Song B.mp3", "track 01 - song a.mp3"};
    SortWithoutCase(names);
    EXPECT_EQ(names, QStringList({"a", "B", "b", "track 01 - song a.mp3", "Track 01 - Song B.mp3",
                                  "Z", "z1", "äa", "Äb"}));
}
