// SPDX-License-Identifier: MIT
#include "platform/media_tags.h"

#include <QFileInfo>

#include "playlist/entry_path.h"
#include "playlist/file_name_codec.h"
#include "playlist/regular_file.h"

#ifdef LYRANTEL_HAVE_TAGLIB
#include <taglib/fileref.h>
#include <taglib/tag.h>
#endif

namespace {

QString NameWithoutExtension(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return ReadableFileName(dot > 0 ? fileName.left(dot) : fileName);
}

}  // namespace

QString TitleFromTags(const QString& artist, const QString& title, const QString& fileName) {
    QString name = NameWithoutExtension(fileName);
    if (artist.isEmpty() && title.isEmpty()) return name;
    return (artist.isEmpty() ? QStringLiteral("?") : artist) + QStringLiteral(" - ") +
           (title.isEmpty() ? name : title);
}

MediaTags ReadMediaTags(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    // Only a regular file has tags: opening a pipe would wait for a writer, and reading a device
    // such as /dev/zero would never end, so that "Отмена" could not stop the save.
    if (!RegularFileSize(path)) return {0, NameWithoutExtension(fileName), false};
#ifdef LYRANTEL_HAVE_TAGLIB
    // TagLib opens the name's bytes on POSIX, which keeps names that aren't UTF-8.
    const TagLib::FileRef file(EncodeFileName(path).constData());
    if (file.isNull()) return {0, NameWithoutExtension(fileName), false};
    MediaTags tags;
    if (const TagLib::AudioProperties* audio = file.audioProperties())
        tags.seconds = audio->lengthInSeconds();
    const TagLib::Tag* tag = file.tag();
    const auto text = [](const TagLib::String& value) {
        return QString::fromStdString(value.to8Bit(true)).trimmed();
    };
    const QString artist = tag ? text(tag->artist()) : QString();
    const QString title = tag ? text(tag->title()) : QString();
    tags.title = TitleFromTags(artist, title, fileName);
    tags.tagged = !artist.isEmpty() || !title.isEmpty();
    return tags;
#else
    return {0, NameWithoutExtension(fileName), false};
#endif
}

PlaylistEntry EntryWithTags(PlaylistEntry entry) {
    const QString path = EntryPath(entry);
    if (ShapeOfEntry(path) == EntryShape::Address) return entry;
    MediaTags tags = ReadMediaTags(path);
    if (tags.seconds > 0 || !entry.seconds) entry.seconds = tags.seconds;
    if (tags.tagged || !entry.title) entry.title = std::move(tags.title);
    return entry;
}
