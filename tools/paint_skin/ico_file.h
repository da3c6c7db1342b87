#pragma once

#include <QImage>
#include <QString>

// Writes `picture` (at most 256 x 256) as a Windows icon file. Qt has no writer for the format.
// The file holds the picture twice: with 24-bit colour and a 1-bit transparency mask, which
// every Windows shows, and with 32-bit colour and alpha for soft edges where that is supported.
bool WriteIcoFile(const QImage& picture, const QString& path);
