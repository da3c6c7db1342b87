#include "playlist/folder_listing.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

#include "playlist/file_patterns.h"

namespace {

bool canOpen(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

template <typename Keep>
std::optional<QStringList> listNames(const QString& folder, QDir::Filters filters, Keep keep) {
    if (!canOpen(folder)) return std::nullopt;
    QStringList names;
    QDirIterator it(folder, filters | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (keep(name)) names.append(std::move(name));
    }
    SortWithoutCase(names);
    return names;
}

}  // namespace

void SortWithoutCase(QStringList& names) {
    // Ties on case are broken by the exact text so the order never depends on the directory's.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

std::optional<QStringList> ListMatchingFiles(const QString& folder,
                                             const FilePatternSet& patterns) {
    return listNames(folder, QDir::Files,
                     [&patterns](const QString& name) { return patterns.matches(name); });
}

std::optional<QStringList> ListSubfolders(const QString& folder) {
    return listNames(folder, QDir::Dirs, [](const QString&) { return true; });
}
