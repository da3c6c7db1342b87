// SPDX-License-Identifier: MIT
#include "playlist/playlist_limits.h"

#include <gtest/gtest.h>

#include "playlist/file_name_codec.h"

using namespace Qt::StringLiterals;

// An entry is at most 4,095 bytes on disk, however many characters make them: a longer one is no
// path of any file and no address worth playing.
TEST(EntryLimit, TakesAnEntryOfTheLongestPathAndNoLonger) {
    // The start, as many units as fit, and ASCII up to exactly the limit.
    const auto longest = [](const QString& start, const QString& unit) {
        QString entry = start;
        for (const QString& fill : {unit, u"a"_s})
            while (EncodeFileName(entry + fill).size() <= kMaxEntryBytes) entry += fill;
        return entry;
    };
    const struct {
        const char* name;
        QString entry;  // exactly kMaxEntryBytes; one byte more is refused
    } cases[] = {
        {"ASCII", longest("/m/", "a")},
        {"Cyrillic, 2 bytes a letter", longest("/m/", u"я"_s)},
        {"3 bytes a unit, settled only by encoding", longest("/", u"♫"_s)},
        {"a surrogate pair, 4 bytes", longest("/", u"🎵"_s)},
#ifndef Q_OS_WIN
        {"a name's bytes that aren't UTF-8, one byte each", longest("/", DecodeFileName("\xFF"))},
#endif
        {"an address", longest("http://radio.example/", "a")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(EncodeFileName(c.entry).size(), kMaxEntryBytes);
        EXPECT_TRUE(IsEntryWithinLimit(c.entry));
        EXPECT_FALSE(IsEntryWithinLimit(c.entry + "b"));
    }
}
