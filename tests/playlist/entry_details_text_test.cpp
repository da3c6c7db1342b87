// SPDX-License-Identifier: MIT
#include "playlist/entry_details_text.h"

#include <gtest/gtest.h>

#include "playlist/file_name_codec.h"

TEST(EntryDetailsText, SizeInWholeMegabytesAndKilobytes) {
    const struct {
        qint64 length;
        const char* text;
    } cases[] = {
        {0, "0 Мб (0 Кб)"},          {1023, "0 Мб (0 Кб)"},
        {1048575, "0 Мб (1023 Кб)"}, {1048576, "1 Мб (1024 Кб)"},
        {5000000, "4 Мб (4882 Кб)"}, {Q_INT64_C(3) << 30, "3072 Мб (3145728 Кб)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(SizeText(c.length), QString::fromUtf8(c.text)) << c.length;
    }
}

TEST(EntryDetailsText, TypeIsTheLastThreeCharactersInUpperCase) {
    EXPECT_EQ(TypeText("track.mp3"), "MP3");
    EXPECT_EQ(TypeText("ab"), "AB");
    EXPECT_EQ(TypeText("clip.wmv4"), "MV4");
    EXPECT_EQ(TypeText(""), "");
}

TEST(EntryDetailsText, PositionCountsFromOne) {
    EXPECT_EQ(PositionText(0, 1), QString::fromUtf8("1 из 1"));
    EXPECT_EQ(PositionText(2, 10), QString::fromUtf8("3 из 10"));
}

TEST(EntryDetailsText, PathShowsOnOneLine) {
    const struct {
        const char* path;
        const char* shown;
    } cases[] = {
        {"/m/evil\r\n#EXTM3U.mp3", "/m/evil\u240d\u240a#EXTM3U.mp3"},
        {"/m/tab\tbell\a\x7f.mp3", "/m/tab\u2409bell\u2407\u2421.mp3"},
        {"/m/bad-\xff\xfe.mp3", "/m/bad-\ufffd\ufffd.mp3"},
        {"D:\\Music\\Ночь 🎵.mp3", "D:\\Music\\Ночь 🎵.mp3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(OneLinePathText(DecodeFileName(c.path)), QString::fromUtf8(c.shown));
    }
}
