// SPDX-License-Identifier: MIT
#include "playlist/folder_listing.h"

#include <algorithm>
#include <array>
#include <vector>

#include "playlist/case_folding.h"
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

#ifdef Q_OS_UNIX
enum class EntryKind { File, Folder, Other };

// Qt's directory iterator skips every name that isn't valid UTF-8, so a folder from an old disk
// would lose files that players open. Reading the directory here keeps each name's bytes (see
// DecodeFileName), and readdir's entry type spares a stat per file.
EntryKind KindOf(int folderFd, const dirent& entry) {
    unsigned char type = entry.d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
        // A link counts as what it points to, as in the rest of the program.
        struct stat target {};
        if (::fstatat(folderFd, entry.d_name, &target, 0) != 0) return EntryKind::Other;
        type = S_ISDIR(target.st_mode) ? DT_DIR : S_ISREG(target.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return type == DT_DIR ? EntryKind::Folder : type == DT_REG ? EntryKind::File : EntryKind::Other;
}

// Reads the folder once, handing each sub-folder's and each file's name to the one that wants
// that kind (null: not wanted, and the name is never decoded). False when it can't be opened.
template <typename TakeFolder, typename TakeFile>
bool ReadNames(const QString& folder, TakeFolder* takeFolder, TakeFile* takeFile) {
    const QByteArray path = EncodeFileName(folder);
    // A folder that can be read but not entered lists names that can't be opened.
    if (::access(path.constData(), R_OK | X_OK) != 0) return false;
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr) return false;
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, ::closedir);
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') continue;  // hidden names, "." and ".."
        const EntryKind kind = KindOf(::dirfd(dir), *entry);
        if (kind == EntryKind::Folder && takeFolder)
            (*takeFolder)(DecodeFileName(entry->d_name));
        else if (kind == EntryKind::File && takeFile)
            (*takeFile)(DecodeFileName(entry->d_name));
    }
    return true;
}
#else
template <typename TakeFolder, typename TakeFile>
bool ReadNames(const QString& folder, TakeFolder* takeFolder, TakeFile* takeFile) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
    QDir::Filters kinds = QDir::NoDotAndDotDot;
    if (takeFolder) kinds |= QDir::Dirs;
    if (takeFile) kinds |= QDir::Files;
    QDirIterator it(folder, kinds);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isDir())
            (*takeFolder)(it.fileName());
        else
            (*takeFile)(it.fileName());
    }
    return true;
}
#endif

// Compares the two names unit by unit, each folded, from the given position on.
int CompareFoldedFrom(QStringView a, QStringView b, qsizetype from) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = from; i < common; ++i) {
        const char16_t x = FoldedUnit(a[i].unicode());
        const char16_t y = FoldedUnit(b[i].unicode());
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace

void SortWithoutCase(QStringList& names) {
    // The first twelve code units of each name, folded, are packed into numbers that sit together
    // in memory, so that most comparisons in a large folder decide there, without a folded copy of
    // every name (whose allocation alone would cost more than the sort). Ties on case are broken
    // by the exact text, so the order never depends on the directory's.
    constexpr qsizetype kPackedUnits = 12;
    struct Key {
        std::array<quint64, kPackedUnits / 4> packed{};
        qsizetype index;
    };
    std::vector<Key> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        Key key{{}, i};
        const QString& name = names.at(i);
        // A name holds no NUL, so the zeros after a short name sort it before longer ones.
        for (qsizetype unit = 0; unit < std::min(name.size(), kPackedUnits); ++unit)
            key.packed[unit / 4] |= quint64{FoldedUnit(name[unit].unicode())}
                                    << (48 - 16 * (unit % 4));
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end(), [&names](const Key& a, const Key& b) {
        if (a.packed != b.packed) return a.packed < b.packed;
        const QString& x = names.at(a.index);
        const QString& y = names.at(b.index);
        const int c = CompareFoldedFrom(x, y, kPackedUnits);
        return c != 0 ? c < 0 : x < y;
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Key& key : keys) sorted.append(std::move(names[key.index]));
    names = std::move(sorted);
}

std::optional<FolderNames> ReadFolder(const QString& folder, const FilePatternSet* patterns,
                                      bool subfolders) {
    FolderNames names;
    auto takeFolder = [&names](QString name) { names.subfolders.append(std::move(name)); };
    auto takeFile = [&](QString name) {
        if (patterns->matches(name)) names.files.append(std::move(name));
    };
    if (!ReadNames(folder, subfolders ? &takeFolder : nullptr, patterns ? &takeFile : nullptr))
        return std::nullopt;
    SortWithoutCase(names.subfolders);
    SortWithoutCase(names.files);
    return names;
}

std::optional<QStringList> ListMatchingFiles(const QString& folder,
                                             const FilePatternSet& patterns) {
    std::optional<FolderNames> names = ReadFolder(folder, &patterns, false);
    if (!names) return std::nullopt;
    return std::move(names->files);
}

std::optional<QStringList> ListSubfolders(const QString& folder) {
    std::optional<FolderNames> names = ReadFolder(folder, nullptr, true);
    if (!names) return std::nullopt;
    return std::move(names->subfolders);
}
