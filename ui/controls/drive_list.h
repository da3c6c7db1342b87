// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

// The drive list: offers the drives (or, without drive letters, the roots of the mounted file
// systems) and shows one. Its change action runs inside the assignment, and only on a real change.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    DriveList(const QStringList& roots, const QString& startFolder, QWidget* parent = nullptr);

    // The value as the list reports it: the drive, possibly followed by " [LABEL]".
    QString drive() const { return currentText(); }
    // The drive itself, label dropped: what a folder list accepts as a path.
    QString driveRoot() const;
    // Every drive offered, labels dropped.
    QStringList roots() const;
    // Only the drive counts (a label is ignored). False, and nothing changes, for an unknown drive.
    bool setDrive(const QString& value);
    // Shows the drive that holds the folder without raising the change action: the list follows
    // the folder list wherever the user walks.
    void showDriveOf(const QString& folder);

signals:
    void changed();

private:
    int indexOfDrive(const QString& value) const;

    bool following_ = false;
};
