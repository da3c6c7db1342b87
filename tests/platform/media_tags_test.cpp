// SPDX-License-Identifier: MIT
#include "platform/media_tags.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <QFile>
#include <QProcess>

#include "playlist/file_name_codec.h"
#include "tests/support/isolation.h"

namespace {

// Two seconds of silence made by sox, in the format its extension names.
QString MakeSilence(const QString& name) {
    QString path = WorkPath(name);
    QProcess sox;
    sox.start(QStringLiteral("sox"), {"-n", "-r", "8000", "-c", "1", path, "trim", "0", "2"});
    EXPECT_TRUE(sox.waitForFinished(20000) && sox.exitCode() == 0)
        << sox.readAllStandardError().toStdString();
    return path;
}

void WriteTags(const QString& path, const char* artist, const char* title) {
    TagLib::FileRef file(EncodeFileName(path).constData());
    ASSERT_FALSE(file.isNull());
    file.tag()->setArtist(TagLib::String(artist, TagLib::String::UTF8));
    file.tag()->setTitle(TagLib::String(title, TagLib::String::UTF8));
    ASSERT_TRUE(file.save());
}

}  // namespace

TEST(MediaTags, ReadsLengthAndTitleOrFallsBackToTheName) {
    const QString tagged = MakeSilence("tagged.flac");
    WriteTags(tagged, "Кино", "Звезда по имени Солнце");
    const QString titleOnly = MakeSilence("title only.ogg");
    WriteTags(titleOnly, "", "Only a title");
    const QString untagged = MakeSilence("02 - untagged.wav");
    const QString notAudio = WriteWorkFile("notes.mp3", "this is no audio\n");
    // A pipe would hold the reader in open(), a link to an endless device in reading.
    const QString pipe = WorkPath("pipe.mp3");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString endless = WorkPath("zero.flac");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), endless));
    const struct {
        QString path;
        int seconds;
        QString title;
        bool tagged;
    } cases[] = {
        {tagged, 2, QStringLiteral("Кино - Звезда по имени Солнце"), true},
        {titleOnly, 2, "? - Only a title", true},
        {untagged, 2, "02 - untagged", false},
        {notAudio, 0, "notes", false},
        {WorkPath("missing.mp3"), 0, "missing", false},
        {pipe, 0, "pipe", false},
        {endless, 0, "zero", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const MediaTags tags = ReadMediaTags(c.path);
        EXPECT_EQ(tags.seconds, c.seconds);
        EXPECT_EQ(tags.title, c.title);
        EXPECT_EQ(tags.tagged, c.tagged);
    }
}

TEST(MediaTags, TitleFromTheTagsThatAreThere) {
    EXPECT_EQ(TitleFromTags("A", "T", "f.mp3"), "A - T");
    EXPECT_EQ(TitleFromTags("A", "", "f.mp3"), "A - f");
    EXPECT_EQ(TitleFromTags("", "", ".hidden"), ".hidden");
    EXPECT_EQ(TitleFromTags("", "", "a.b.mp3"), "a.b");
}
