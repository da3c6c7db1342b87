// SPDX-License-Identifier: MIT
#include "output/save_target.h"

#include <QFileInfo>

#include "playlist/file_name_codec.h"
#include "playlist/regular_file.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QByteArrayList>
#endif

SaveMethod ChooseSaveMethod(const SaveTarget& target, uint user) {
    if (!target.exists) return SaveMethod::Replace;
    const bool keepsIdentityOnlyInPlace =
        !target.folderWritable || target.links > 1 || target.owner != user ||
        target.group != target.groupOfNewFile || target.extendedAttributes;
    return keepsIdentityOnlyInPlace ? SaveMethod::InPlace : SaveMethod::Replace;
}

#ifdef Q_OS_UNIX

namespace {

// The SELinux label is left out: a new file in the same folder gets the folder's label, which is
// what the file has in all but odd cases, and counting it would write every file in place there.
bool HasAttributesANewFileWouldLack(const QByteArray& path) {
    const ssize_t size = ::listxattr(path.constData(), nullptr, 0);
    if (size <= 0) return false;
    QByteArray names(size, '\0');
    const ssize_t got = ::listxattr(path.constData(), names.data(), names.size());
    if (got <= 0) return true;  // they changed meanwhile: some are there
    names.truncate(got);
    for (const QByteArray& name : names.split('\0'))
        if (!name.isEmpty() && name != "security.selinux") return true;
    return false;
}

}  // namespace

uint CurrentUser() {
    return ::geteuid();
}

SaveTarget InspectSaveTarget(const QString& path) {
    SaveTarget target;
    const QByteArray encoded = EncodeFileName(path);
    struct stat file {};
    // stat follows a symbolic link: what counts is what it points to.
    if (::stat(encoded.constData(), &file) != 0) return target;
    target.exists = true;
    target.notARegularFile = NotARegularFileReasonOfMode(file.st_mode);
    if (target.notARegularFile) return target;
    const QByteArray folder =
        EncodeFileName(QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath());
    struct stat folderStatus {};
    const bool folderKnown = ::stat(folder.constData(), &folderStatus) == 0;
    target.folderWritable = ::access(folder.constData(), W_OK) == 0;
    target.links = static_cast<quint64>(file.st_nlink);
    target.owner = file.st_uid;
    target.group = file.st_gid;
    // A folder marked set-group-ID gives its own group to every file made in it.
    target.groupOfNewFile =
        folderKnown && (folderStatus.st_mode & S_ISGID) ? folderStatus.st_gid : ::getegid();
    target.extendedAttributes = HasAttributesANewFileWouldLack(encoded);
    return target;
}

#else

uint CurrentUser() {
    return 0;
}

SaveTarget InspectSaveTarget(const QString& path) {
    SaveTarget target;
    target.notARegularFile = NotARegularFileReason(path);
    return target;
}

#endif
