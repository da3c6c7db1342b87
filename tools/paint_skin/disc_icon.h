#pragma once

#include <QImage>

// The window icon, 32 x 32 with alpha: a silver compact disc with a green sheen lying at a slant,
// a yellow-orange loudspeaker above it, nothing behind them.
QImage PaintDiscIcon();
