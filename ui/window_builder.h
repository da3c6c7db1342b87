// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <span>

#include "ui/main_layout.h"

class QWidget;

// What the main window learns from the machine when it starts.
struct StartContext {
    QStringList driveRoots;        // what the drive list offers
    QString startFolder;           // the working folder, where the browser starts
    QString applicationDirectory;  // the folder of the executable, home of the Temp folder
};

// Builds the controls of a table onto a window, bottom of the stacking order first so each
// control lies over those listed after it. Returns the controls by name.
QHash<QString, QWidget*> BuildControls(QWidget* window, std::span<const ControlSpec> layout,
                                       const StartContext& start = {});

// The look every skinned window shares: a fixed, frameless window in the program's font.
void SetUpSkinnedWindow(QWidget* window, QSize size);
QFont SkinFont(int pixelSize = 13, bool bold = false);

inline const QColor kSkinTextColour(255, 255, 0);

// A skin picture, "NAME.bmp", as the screens need it: on a high-density screen its twice as large
// "NAME@2x.bmp", shown at the same size with twice the detail; elsewhere the file itself. Decoded
// once, then shared by every window that shows it.
QPixmap LoadSkinPicture(const QString& file);
// A picture read as the format its suffix names, loading no image plugin.
QPixmap ReadPicture(const QString& file);
// The name of a picture's high-density file: "NAME.bmp" -> "NAME@2x.bmp".
QString HighDensityFile(const QString& file);

// Sets the colour a label draws its text in.
void SetTextColour(QWidget* label, const QColor& colour);
