// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QGradientStops>
#include <QPainter>
#include <QRectF>

struct PillShade {
    QGradientStops body;  // from the top (0) to the bottom (1)
    QColor outline;
};

const PillShade& SilverPill();
const PillShade& RedPill();

// A horizontal pill with fully rounded ends filling `area`. The area may reach past the device:
// a title button paints its half of a pill that is shared with its neighbour.
void PaintPill(QPainter& painter, const QRectF& area, const PillShade& shade);
