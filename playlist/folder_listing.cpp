#include "playlist/folder_listing.h"

#include <algorithm>
#include <vector>

#include "playlist/file_patterns.h"

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "playlist/file_name_codec.h"
#else
#include <QDirIterator>
#include <QFileInfo>
#endif

namespace {

enum class EntryKind { kFile, kFolder };

#ifdef Q_OS_UNIX
// Qt's directory iterator skips every name that isn't valid UTF-8, so a folder from an old disk
// would lose files that players open. Reading the directory here keeps each name's bytes (see
// DecodeFileName), and readdir's entry type spares a stat per file.
bool IsKind(int folderFd, const dirent& entry, EntryKind kind) {
    unsigned char type = entry.d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
        // A link counts as what it points to, as in the rest of the program.
        struct stat target {};
        if (::fstatat(folderFd, entry.d_name, &target, 0) != 0) return false;
        type = S_ISDIR(target.st_mode) ? DT_DIR : S_ISREG(target.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return type == (kind == EntryKind::kFolder ? DT_DIR : DT_REG);
}

template <typename Keep>
std::optional<QStringList> ListNames(const QString& folder, EntryKind kind, Keep keep) {
    const QByteArray path = EncodeFileName(folder);
    // A folder that can be read but not entered lists names that can't be opened.
    if (::access(path.constData(), R_OK | X_OK) != 0) return std::nullopt;
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr) return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, ::closedir);
    QStringList names;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') continue;  // hidden names, "." and ".."
        if (!IsKind(::dirfd(dir), *entry, kind)) continue;
        QString name = DecodeFileName(entry->d_name);
        if (keep(name)) names.append(std::move(name));
    }
    SortWithoutCase(names);
    return names;
}
#else
template <typename Keep>
std::optional<QStringList> ListNames(const QString& folder, EntryKind kind, Keep keep) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return std::nullopt;
    QStringList names;
    QDirIterator it(folder,
                    (kind == EntryKind::kFolder ? QDir::Dirs : QDir::Files) | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (keep(name)) names.append(std::move(name));
    }
    SortWithoutCase(names);
    return names;
}
#endif

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
    return ListNames(folder, EntryKind::kFile,
                     [&patterns](const QString& name) { return patterns.matches(name); });
}

std::optional<QStringList> ListSubfolders(const QString& folder) {
    return ListNames(folder, EntryKind::kFolder, [](const QString&) { return true; });
}
