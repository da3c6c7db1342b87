// SPDX-License-Identifier: MIT
// Qt's own Save and Open dialog names a folder's type in the program's language.
#include "ui/missing_qt_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>

TEST(MissingQtTexts, TheDialogsTypeColumnSaysPapka) {
    MissingQtTexts texts;
    QCoreApplication::installTranslator(&texts);
    const QFileIconProvider provider;
    EXPECT_EQ(provider.type(QFileInfo(QDir::currentPath())), "Папка");
    EXPECT_EQ(provider.type(QFileInfo(QDir::rootPath())), "Диск");
    // Other texts are left to Qt's translation.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Folder"), "Folder");
    QCoreApplication::removeTranslator(&texts);
}
