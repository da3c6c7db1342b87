// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The window icon, `size` x `size` with alpha: a silver compact disc with a green sheen lying at
// a slant, a yellow-orange loudspeaker above it, nothing behind them. It is drawn on a grid of 32
// and scaled, so the 32 x 32 picture is the one the grid describes pixel for pixel.
QImage PaintDiscIcon(int size);
