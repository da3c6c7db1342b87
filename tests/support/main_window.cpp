// SPDX-License-Identifier: MIT
#include "tests/support/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>

#include "platform/drive_roots.h"
#include "tests/support/isolation.h"
#include "ui/controls/folder_list.h"

QString MakeFolder(const QString& relativePath, const QStringList& fileNames, qint64 size) {
    QString folder = NativeFolderPath(WorkPath(relativePath));
    EXPECT_TRUE(QDir().mkpath(folder));
    for (const QString& name : fileNames) {
        QFile file(QDir(folder).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        if (size > 0) {
            EXPECT_TRUE(file.resize(size));
        }
    }
    return folder;
}

std::unique_ptr<frmMain> OpenMainWindow(const QStringList& extraDriveRoots,
                                        const QString& applicationDirectory) {
    StartContext start = frmMain::defaultStartContext();
    start.applicationDirectory =
        applicationDirectory.isEmpty() ? NativeFolderPath(WorkPath("app")) : applicationDirectory;
    for (const QString& root : extraDriveRoots) start.driveRoots.append(NativeFolderPath(root));
    return std::make_unique<frmMain>(start);
}

void ClickOn(QWidget* control) {
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void BrowseTo(frmMain& window, const QString& folder) {
    ASSERT_TRUE(window.Dir1->setPath(folder)) << folder.toStdString();
}

void SelectPlaylistType(frmMain& window, PlaylistType type) {
    window.cmbPLType->setCurrentIndex(static_cast<int>(type));
}

QWidget* WaitForFocusIn(const QWidget* window, int timeoutMs) {
    const auto focusInWindow = [window]() -> QWidget* {
        QWidget* focused = QApplication::focusWidget();
        return focused && focused->window() == window ? focused : nullptr;
    };
    // A timeout is seen by the caller as no focused control.
    if (!QTest::qWaitFor([&] { return focusInWindow() != nullptr; }, timeoutMs)) return nullptr;
    return focusInWindow();
}

QStringList ShownEntries(const frmMain& window) {
    EXPECT_EQ(window.lstPL->listCount(), window.lstP->listCount());
    QStringList entries;
    for (int row = 0; row < window.lstPL->listCount(); ++row)
        entries.append(QDir(window.lstP->item(row)).dirName() + '/' + window.lstPL->item(row));
    return entries;
}
