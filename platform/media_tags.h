// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What a media file's tags say, for a playlist's title and length lines: its length in whole
// seconds (0 when unknown) and "Artist - Title". A file without tags, or that isn't audio, is
// titled by its name without the extension.
struct MediaTags {
    int seconds = 0;
    QString title;
};
MediaTags ReadMediaTags(const QString& path);

// The title from the tags' artist and title, either of which may be empty.
QString TitleFromTags(const QString& artist, const QString& title, const QString& fileName);
