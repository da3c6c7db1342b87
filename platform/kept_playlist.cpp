// SPDX-License-Identifier: MIT
#include "platform/kept_playlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/app_info.h"

QString KeptPlaylistPath(PlaylistType type) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + kProgramName;
    return QDir(folder).filePath(
        QStringLiteral("last-playlist-%1.wpl").arg(PlaylistExtension(type)));
}

std::optional<PlaylistType> KeptPlaylistType() {
    for (const PlaylistType type : {PlaylistType::M3U, PlaylistType::PLS, PlaylistType::WPL})
        if (QFileInfo::exists(KeptPlaylistPath(type))) return type;
    return std::nullopt;
}
