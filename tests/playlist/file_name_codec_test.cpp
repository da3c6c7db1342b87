// SPDX-License-Identifier: MIT
#include "playlist/file_name_codec.h"

#include <gtest/gtest.h>

TEST(FileNameCodec, EveryByteStringComesBackUnchanged) {
    const QByteArray cases[] = {
        "plain.mp3",
        "\xd0\x9f\xd0\xb5\xd1\x81\xd0\xbd\xd1\x8f.mp3",  // valid UTF-8 Cyrillic
        "\xf0\x9f\x8e\xb5 note.mp3",                     // a character outside the BMP
        "bad-\xff\xfe.mp3",
        "R\xf8yksopp.mp3",                     // Latin-1
        "\xcf\xe5\xf1\xed\xff.mp3",            // CP1251
        "\xc0\xaf overlong.mp3",               // overlong "/"
        "\xed\xb2\x80 encoded surrogate.mp3",  // UTF-8 of U+DC80 itself
        "cut \xe2\x82",                        // a sequence cut at the end
        "\xf0\x9f\x8e\xb5\xff after a pair",   // an escape right after a surrogate pair
        "\xf4\x90\x80\x80 past U+10FFFF",
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        const QString name = DecodeFileName(bytes);
        EXPECT_EQ(EncodeFileName(name), bytes);
        EXPECT_EQ(HoldsEscapedBytes(name), !bytes.isValidUtf8());
    }
}

TEST(FileNameCodec, ValidUtf8IsPlainTextAndBadBytesAreEscapes) {
    EXPECT_EQ(DecodeFileName("\xd0\x9f.mp3"), QString::fromUtf8("П.mp3"));
    EXPECT_EQ(DecodeFileName("a\xff"), QStringLiteral("a") + QChar(0xDCFF));
}
