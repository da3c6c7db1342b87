// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes the pictures (one per size, at most 256 x 256) as one Windows icon file, from which
// Windows takes the size each place needs. Qt has no writer for the format. A picture below 256
// is held twice: with 24-bit colour and a 1-bit transparency mask, which every Windows shows, and
// with 32-bit colour and alpha for soft edges where that is supported. A 256 picture is held once,
// as PNG, the way Windows' own icons hold it: a bitmap would take ten times the room, and the
// Windows versions that read no PNG in icons don't show that size anyway.
bool WriteIcoFile(const QList<QImage>& pictures, const QString& path);
