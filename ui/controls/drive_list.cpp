// SPDX-License-Identifier: MIT
#include "ui/controls/drive_list.h"

#include "platform/drive_roots.h"

DriveList::DriveList(const QStringList& roots, const QString& startFolder, QWidget* parent)
    : QComboBox(parent) {
    addItems(roots);
    setCurrentIndex(indexOfDrive(DriveRootOf(startFolder, roots)));
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!following_) emit changed();
    });
}

QString DriveList::driveRoot() const {
    return DriveWithoutLabel(drive());
}

QStringList DriveList::roots() const {
    QStringList roots;
    for (int i = 0; i < count(); ++i) roots.append(DriveWithoutLabel(itemText(i)));
    return roots;
}

int DriveList::indexOfDrive(const QString& value) const {
    const QString wanted = DriveWithoutLabel(value);
    for (int i = 0; i < count(); ++i) {
        const QString root = DriveWithoutLabel(itemText(i));
#ifdef Q_OS_WIN
        // A drive letter is the drive, whatever its case and whatever follows it.
        if (!wanted.isEmpty() && root.startsWith(wanted.left(1), Qt::CaseInsensitive)) return i;
#else
        if (root == wanted) return i;
#endif
    }
    return -1;
}

bool DriveList::setDrive(const QString& value) {
    const int index = indexOfDrive(value);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

void DriveList::showDriveOf(const QString& folder) {
    const int index = indexOfDrive(DriveRootOf(folder, roots()));
    if (index < 0) return;
    following_ = true;
    setCurrentIndex(index);
    following_ = false;
}
