// SPDX-License-Identifier: MIT
#include "playlist/playlist_type.h"

#include <QFileInfo>

QString PlaylistExtension(PlaylistType type) {
    switch (type) {
        case PlaylistType::M3U:
            return QStringLiteral("m3u");
        case PlaylistType::PLS:
            return QStringLiteral("pls");
        case PlaylistType::WPL:
            return QStringLiteral("wpl");
        case PlaylistType::XSPF:
            return QStringLiteral("xspf");
    }
    return {};
}

std::optional<PlaylistType> PlaylistTypeOfFile(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"m3u8") return PlaylistType::M3U;
    for (const PlaylistType type : kPlaylistTypes)
        if (extension == PlaylistExtension(type)) return type;
    return std::nullopt;
}

QString PlaylistSaveFilter(PlaylistType type) {
    const QString extension = PlaylistExtension(type);
    return extension.toUpper() + QStringLiteral("|*.") + extension;
}
