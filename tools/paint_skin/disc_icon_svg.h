// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The window icon as SVG for desktops that scale it freely: the disc and loudspeaker of
// PaintDiscIcon on the same 32-unit grid, the disc's turning sheen drawn as a linear one.
QByteArray DiscIconSvg();
