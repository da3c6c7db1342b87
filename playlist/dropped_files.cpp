#include "playlist/dropped_files.h"

#include <QFileInfo>

#include "playlist/entry_path.h"
#include "playlist/file_patterns.h"
#include "playlist/folder_listing.h"

DroppedEntries CollectDroppedMedia(const QList<QUrl>& urls, const FilePatternSet& patterns) {
    DroppedEntries entries;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QFileInfo dropped(url.toLocalFile());
        if (dropped.isDir()) {
            const QString folder = NativeFolderPath(dropped.absoluteFilePath());
            const std::optional<QStringList> files = ListMatchingFiles(folder, patterns);
            if (!files) continue;
            entries.fileNames.append(*files);
            for (qsizetype i = 0; i < files->size(); ++i) entries.folders.append(folder);
        } else if (dropped.isFile() && patterns.matches(dropped.fileName())) {
            entries.folders.append(NativeFolderPath(dropped.absolutePath()));
            entries.fileNames.append(dropped.fileName());
        }
    }
    return entries;
}
