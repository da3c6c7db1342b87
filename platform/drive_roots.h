// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What the drive list offers. On Windows a drive is a letter ("c:"); elsewhere a "drive" is the
// root of a real, mounted file system ("/", "/media/usb"), pseudo file systems left out.
QStringList AvailableDriveRoots();

// The drive that holds a path: its letter on Windows, the longest mount root elsewhere.
QString DriveRootOf(const QString& path, const QStringList& roots);

// A drive value may carry a label after a blank ("c: [SYSTEM]", "/media/usb [STICK]"); set from
// code only the drive itself counts.
QString DriveWithoutLabel(const QString& value);
