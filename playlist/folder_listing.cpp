#include "playlist/folder_listing.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "playlist/file_patterns.h"

namespace {

bool CanOpen(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

template <typename Keep>
std::optional<QStringList> ListNames(const QString& folder, QDir::Filters filters, Keep keep) {
    if (!CanOpen(folder)) return std::nullopt;
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
    // Each name is folded once: comparing folded keys is several times faster than comparing
    // without case pair by pair. Ties on case are broken by the exact text, so the order never
    // depends on the directory's.
    std::vector<std::pair<QString, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) keys.emplace_back(names.at(i).toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&names](const auto& a, const auto& b) {
        const int c = QString::compare(a.first, b.first, Qt::CaseSensitive);
        return c != 0 ? c < 0 : names.at(a.second) < names.at(b.second);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& key : keys) sorted.append(std::move(names[key.second]));
    names = std::move(sorted);
}

std::optional<QStringList> ListMatchingFiles(const QString& folder,
                                             const FilePatternSet& patterns) {
    return ListNames(folder, QDir::Files,
                     [&patterns](const QString& name) { return patterns.matches(name); });
}

std::optional<QStringList> ListSubfolders(const QString& folder) {
    return ListNames(folder, QDir::Dirs, [](const QString&) { return true; });
}
