// SPDX-License-Identifier: MIT
#include "disc_icon.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace {

constexpr qreal kGrid = 32;

// Seen at a slant, the disc is a circle squashed upright and tipped a little.
void PaintDisc(QPainter& painter) {
    painter.save();
    painter.translate(16, 23.5);
    painter.rotate(-8);
    painter.scale(1, 0.46);
    constexpr qreal kRadius = 15;

    // The disc's edge, seen below its face, gives it thickness.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 76, 80));
    painter.drawEllipse(QPointF(0, 2.6), kRadius, kRadius);

    // The sheen of the tracks turns round the centre: silver, with green and white where it
    // catches the light.
    QConicalGradient sheen(QPointF(0, 0), 30);
    const QColor silver(196, 202, 208), green(120, 214, 140), white(250, 252, 250),
        deep(128, 136, 144);
    sheen.setColorAt(0.00, white);
    sheen.setColorAt(0.10, green);
    sheen.setColorAt(0.22, silver);
    sheen.setColorAt(0.38, deep);
    sheen.setColorAt(0.50, white);
    sheen.setColorAt(0.60, green);
    sheen.setColorAt(0.72, silver);
    sheen.setColorAt(0.88, deep);
    sheen.setColorAt(1.00, white);
    painter.setBrush(sheen);
    painter.setPen(QPen(QColor(84, 90, 96), 1.6));
    painter.drawEllipse(QPointF(0, 0), kRadius, kRadius);

    // The clear hub and the hole.
    painter.setPen(QPen(QColor(150, 156, 160), 1.2));
    painter.setBrush(QColor(222, 228, 232, 200));
    painter.drawEllipse(QPointF(0, 0), 5.5, 5.5);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(0, 0), 2.4, 2.6);
    painter.restore();
}

void PaintLoudspeaker(QPainter& painter) {
    const QColor rim(128, 58, 0);
    QLinearGradient brass(0, 1, 0, 17);
    brass.setColorAt(0.0, QColor(255, 236, 110));
    brass.setColorAt(0.5, QColor(255, 188, 36));
    brass.setColorAt(1.0, QColor(226, 112, 0));

    painter.setPen(QPen(rim, 1));
    painter.setBrush(brass);
    painter.drawRect(QRectF(4.5, 5.5, 5, 7));
    const QPolygonF cone{{9.5, 5.5}, {16.5, 0.5}, {16.5, 17.5}, {9.5, 12.5}};
    painter.drawPolygon(cone);

    // Sound leaving the cone.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(240, 140, 10), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (qreal radius : {4.0, 7.5, 11.0}) {
        const QRectF circle(16 - radius, 9 - radius, 2 * radius, 2 * radius);
        painter.drawArc(circle, -40 * 16, 80 * 16);
    }
}

}  // namespace

QImage PaintDiscIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    PaintDisc(painter);
    PaintLoudspeaker(painter);
    return icon;
}
