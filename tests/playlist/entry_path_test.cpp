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
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(JoinEntryPath(c.folder, c.name, QChar(c.separator)), QString(c.path)) << c.path;
    }
}

TEST(EntryPath, SplitIsTheReverseOfJoin) {
    const JoinCase cases[] = {
        {"C:\\Music", "a.mp3", '\\', "C:\\Music\\a.mp3"},
        {"D:\\", "b.wma", '\\', "D:\\b.wma"},
        {"/home/u/Music", "a.mp3", '/', "/home/u/Music/a.mp3"},
        {"/", "b.wma", '/', "/b.wma"},
        {"C:/mixed\\dir", "c.mp3", '/', "C:/mixed\\dir/c.mp3"},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.path);
        const SplitPath split = SplitEntryPath(c.path);
        EXPECT_EQ(split.folder, QString(c.folder)) << c.path;
        EXPECT_EQ(split.fileName, QString(c.name)) << c.path;
    }
}
