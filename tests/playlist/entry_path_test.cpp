// SPDX-License-Identifier: MIT
#include "playlist/entry_path.h"

#include <gtest/gtest.h>

struct JoinCase {
    const char* folder;
    const char* name;
    char separator;
    const char* path;
};

TEST(EntryPath, JoinsWithOneSeparator) {
    const JoinCase cases[] = {
        {"C:\\Music", "a.mp3", '\\', "C:\\Music\\a.mp3"},
        {"D:\\", "b.wma", '\\', "D:\\b.wma"},
        {"/home/u/Music", "a.mp3", '/', "/home/u/Music/a.mp3"},
        {"/", "b.wma", '/', "/b.wma"},
        // The folder's own shape chooses the separator, whatever the system's is.
        {"C:\\Music", "a.mp3", '/', "C:\\Music\\a.mp3"},
        {"\\\\server\\share", "b.mp3", '/', "\\\\server\\share\\b.mp3"},
        {"http://example.com", "a.mp3", '\\', "http://example.com/a.mp3"},
        {"", "http://example.com:8000", '/', "http://example.com:8000"},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(JoinEntryPath(c.folder, c.name, QChar(c.separator)), QString(c.path));
    }
}

// Every shape splits where its own separators are, and the join gives back the very text.
TEST(EntryPath, SplitFollowsTheShapeAndJoinRestoresIt) {
    const JoinCase cases[] = {
        {"C:\\Music", "a.mp3", '\\', "C:\\Music\\a.mp3"},
        {"D:\\", "b.wma", '\\', "D:\\b.wma"},
        {"/home/u/Music", "a.mp3", '/', "/home/u/Music/a.mp3"},
        {"/", "b.wma", '/', "/b.wma"},
        // Windows paths on Linux: both separators split, and each comes back as it was.
        {"D:\\Music", "Song.mp3", '/', "D:\\Music\\Song.mp3"},
        {"D:\\", "a.wav", '/', "D:\\a.wav"},
        {"D:/", "a.wav", '/', "D:/a.wav"},
        {"\\\\server\\share", "b.mp3", '/', "\\\\server\\share\\b.mp3"},
        {"C:/mixed\\dir/", "c.mp3", '/', "C:/mixed\\dir/c.mp3"},
        {"C:\\Music", "", '/', "C:\\Music\\"},
        // A backslash is part of a POSIX name.
        {"/music", "back\\slash.mp3", '/', "/music/back\\slash.mp3"},
        {"/music/dir\\", "x.mp3", '/', "/music/dir\\/x.mp3"},
        {"/music//", "x.mp3", '/', "/music//x.mp3"},
        {"", "plain.mp3", '/', "plain.mp3"},
        // Addresses of any scheme are never split inside "//" or inside their query.
        {"", "http://example.com:8000", '/', "http://example.com:8000"},
        {"", "mms://media.example.com", '/', "mms://media.example.com"},
        {"", "rtsp+tcp://h:554?x=a/b", '/', "rtsp+tcp://h:554?x=a/b"},
        {"http://h", "x?a=b/c", '/', "http://h/x?a=b/c"},
        {"https://h:8443/radio", "live.mp3#t=1/2", '/', "https://h:8443/radio/live.mp3#t=1/2"},
        {"mms://media.example.com", "", '/', "mms://media.example.com/"},
        {"smb://nas/share\\odd", "a.mp3", '/', "smb://nas/share\\odd/a.mp3"},
        {"file:///music", "a%0Ab.mp3", '/', "file:///music/a%0Ab.mp3"},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.path);
        const SplitPath split = SplitEntryPath(c.path, QChar(c.separator));
        EXPECT_EQ(split.folder, QString(c.folder));
        EXPECT_EQ(split.fileName, QString(c.name));
        EXPECT_EQ(JoinEntryPath(split.folder, split.fileName, QChar(c.separator)), QString(c.path));
    }
}

TEST(EntryPath, ShapeOfEntries) {
    const struct {
        const char* text;
        EntryShape shape;
    } cases[] = {
        {"http://h", EntryShape::Address},
        {"a1+b-c.d://x", EntryShape::Address},
        {"C://x", EntryShape::WindowsPath},  // a drive, not a one-letter scheme
        {"\\\\server\\share", EntryShape::WindowsPath},
        {"1http://x", EntryShape::PosixPath},
        {"/usr/a:b://c", EntryShape::PosixPath},
        {"/music/back\\slash.mp3", EntryShape::PosixPath},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ShapeOfEntry(QString::fromUtf8(c.text)), c.shape);
    }
}
