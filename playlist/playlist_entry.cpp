// SPDX-License-Identifier: MIT
#include "playlist/playlist_entry.h"

#include "playlist/entry_path.h"

PlaylistEntries EntriesInFolder(const QStringList& fileNames, const QString& folder) {
    PlaylistEntries entries;
    entries.reserve(fileNames.size());
    for (const QString& fileName : fileNames) entries.append({folder, fileName, {}, {}});
    return entries;
}

QString EntryPath(const PlaylistEntry& entry) {
    return JoinEntryPath(entry.folder, entry.fileName);
}

PlaylistEntry EntryOfPath(const QString& path) {
    SplitPath split = SplitEntryPath(path);
    return {std::move(split.folder), std::move(split.fileName), {}, {}};
}

namespace {

QString LengthText(int seconds) {
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(seconds % 60, 2, 10, QChar(u'0'));
    if (hours == 0) return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
    return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QChar(u'0')).arg(secondsText);
}

}  // namespace

QString EntryInfoText(const PlaylistEntry& entry) {
    QString text = entry.title.value_or(QString());
    if (entry.seconds && *entry.seconds > 0) {
        if (!text.isEmpty()) text += u' ';
        text += u'(' + LengthText(*entry.seconds) + u')';
    }
    return text;
}
