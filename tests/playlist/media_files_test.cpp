// SPDX-License-Identifier: MIT
#include "playlist/media_files.h"

#include <gtest/gtest.h>

#include "tests/support/isolation.h"

// A file the user names is media when its name is of the browser's six types, or when the MIME
// database takes it for audio or video by its name or, without a telling name, by its content.
TEST(MediaFiles, AnyAudioOrVideoTheUserNamesIsMedia) {
    const FilePatternSet patterns(kMediaFilePatterns);
    const struct {
        const char* name;
        QByteArray content;
        bool isMedia;
    } files[] = {
        {"a.MP3", {}, true},
        {"b.flac", {}, true},
        {"c.ogg", {}, true},
        {"d.opus", {}, true},
        {"e.m4a", {}, true},
        {"f.aac", {}, true},
        {"g.ape", {}, true},
        {"h.wv", {}, true},
        {"i.aiff", {}, true},
        {"j.mka", {}, true},
        {"k.mp4", {}, true},
        {"l.mkv", {}, true},
        {"m.webm", {}, true},
        {"flac without extension", QByteArray("fLaC\0\0\0\x22", 8) + QByteArray(64, '\0'), true},
        {"notes.txt", "a.mp3\n", false},
        {"cover.jpg", "\xFF\xD8\xFF\xE0", false},
        {"text without extension", "a.mp3\n", false},
        // Playlists are opened, not added, though the MIME database counts some as audio.
        {"list.m3u", "#EXTM3U\n/m/a.mp3\n", false},
        {"radio.pls", "[playlist]\nFile1=http://h/x\n", false},
        {"list.xspf", "<playlist/>", false},
        {"list.asx", "<asx version=\"3.0\"></asx>", false},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const QString path = WriteWorkFile(QString::fromUtf8(file.name), file.content);
        EXPECT_EQ(IsNamedMediaFile(path, patterns), file.isMedia);
    }
}
