// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "playlist/playlist_entry.h"

// What a media file's tags say, for a playlist's title and length lines: its length in whole
// seconds (0 when unknown) and "Artist - Title". A file without an artist or title tag, or that
// isn't audio, or isn't a regular file (a pipe, a device), is titled by its name without the
// extension (its bytes that aren't UTF-8 shown as U+FFFD), and `tagged` is false.
struct MediaTags {
    int seconds = 0;
    QString title;
    bool tagged = false;
};
MediaTags ReadMediaTags(const QString& path);

// The title from the tags' artist and title, either of which may be empty.
QString TitleFromTags(const QString& artist, const QString& title, const QString& fileName);

// The entry for a save with tags: a local file's title and length from its tags; where the file
// has no tags, the title its playlist gave it (if any), and where its length is unknown, the length
// its playlist gave. An address is kept as it is: nothing here can read its tags.
PlaylistEntry EntryWithTags(PlaylistEntry entry);
