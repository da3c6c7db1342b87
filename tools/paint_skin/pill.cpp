// SPDX-License-Identifier: MIT
#include "pill.h"

#include <QLinearGradient>
#include <QPainterPath>

const PillShade& SilverPill() {
    // Bright chrome only in the top rows: the yellow captions sit on the middle tones.
    static const PillShade shade{{{0.0, QColor(238, 240, 242)},
                                  {0.2, QColor(188, 192, 196)},
                                  {0.5, QColor(124, 129, 134)},
                                  {1.0, QColor(54, 58, 62)}},
                                 QColor(22, 24, 26)};
    return shade;
}

const PillShade& RedPill() {
    static const PillShade shade{{{0.0, QColor(255, 170, 160)},
                                  {0.2, QColor(230, 92, 80)},
                                  {0.5, QColor(178, 30, 24)},
                                  {1.0, QColor(92, 4, 4)}},
                                 QColor(40, 6, 6)};
    return shade;
}

void PaintPill(QPainter& painter, const QRectF& area, const PillShade& shade) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Traced through the middle of the edge pixels, so the one-pixel outline stays sharp.
    const QRectF edge = area.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = edge.height() / 2;
    QPainterPath pill;
    pill.addRoundedRect(edge, radius, radius);

    QLinearGradient body(0, area.top(), 0, area.bottom());
    body.setStops(shade.body);
    painter.fillPath(pill, body);

    // A soft reflection across the upper half makes the pill read as a glossy, rounded bar.
    const QRectF gloss(edge.left() + radius * 0.7, edge.top() + 1, edge.width() - radius * 1.4,
                       edge.height() * 0.42);
    QPainterPath glossShape;
    glossShape.addRoundedRect(gloss, gloss.height() / 2, gloss.height() / 2);
    QLinearGradient glossFade(0, gloss.top(), 0, gloss.bottom());
    glossFade.setColorAt(0.0, QColor(255, 255, 255, 120));
    glossFade.setColorAt(1.0, QColor(255, 255, 255, 10));
    painter.fillPath(glossShape, glossFade);

    painter.strokePath(pill, QPen(shade.outline, 1));
    painter.restore();
}
