// SPDX-License-Identifier: MIT
#include "framed_panel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "grain.h"
#include "skin_colors.h"

namespace {

const QColor kPlateColor(74, 80, 86);
const QColor kEdgeShadow(24, 26, 29);

QRectF Area(const QRect& pixels) {
    return QRectF(pixels.left(), pixels.top(), pixels.width(), pixels.height());
}

// A path traced through the middle of the pixels `inset` pixels in from the picture's edge.
QPainterPath OutlineRing(QSize size, qreal radius, int inset) {
    QPainterPath path;
    const QRectF area =
        QRectF(QPointF(0, 0), size).adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5);
    path.addRoundedRect(area, radius - inset - 0.5, radius - inset - 0.5);
    return path;
}

// Three rings of chrome, lit from the top left: bright outside, then falling into the frame.
void PaintChromeBevel(QPainter& painter, QSize size, qreal radius) {
    struct Ring {
        QColor lit, shaded;
    };
    const Ring rings[] = {{QColor(236, 239, 242), QColor(150, 155, 160)},
                          {QColor(196, 201, 206), QColor(104, 109, 114)},
                          {QColor(112, 118, 124), QColor(34, 37, 40)}};
    for (int inset = 0; inset < 3; ++inset) {
        QLinearGradient light(0, 0, size.width(), size.height());
        light.setColorAt(0.0, rings[inset].lit);
        light.setColorAt(1.0, rings[inset].shaded);
        painter.strokePath(OutlineRing(size, radius, inset), QPen(QBrush(light), 1));
    }
}

// The frame rises above the panel and the light comes from the top left, so the frame's inner
// edge is in shadow along the panel's top and left sides and catches the light along the others.
void PaintRecessedPanel(QPainter& painter, const QPainterPath& panel) {
    painter.fillPath(panel.translated(-2, -2), QColor(40, 43, 46));
    painter.fillPath(panel.translated(-1, -1), kEdgeShadow);
    painter.fillPath(panel.translated(1, 1), QColor(128, 134, 138));
    painter.fillPath(panel, kPanelColor);
}

// `metal` is a texture of the whole picture, so plates and frame share one pixel grid.
void PaintRaisedPlate(QPainter& painter, const QRect& plate, const QBrush& metal) {
    const QRectF area = Area(plate);
    QPainterPath shape;
    shape.addRoundedRect(area, 3, 3);
    painter.fillPath(shape.translated(1, 1), kEdgeShadow);
    painter.fillPath(shape, metal);
    painter.strokePath(shape.translated(0.5, 0.5), QPen(kEdgeShadow, 1));
    QPainterPath rim;
    rim.addRoundedRect(area.adjusted(0.5, 0.5, -1.5, -1.5), 2.5, 2.5);
    QLinearGradient light(area.topLeft(), area.bottomRight());
    light.setColorAt(0.0, QColor(170, 176, 182));
    light.setColorAt(1.0, QColor(60, 65, 70));
    painter.strokePath(rim, QPen(QBrush(light), 1));

    // Vertical grip ridges: a dark groove and its lit far wall, every three pixels.
    const int top = plate.top() + 3;
    const int height = plate.height() - 6;
    for (int x = plate.left() + 4; x + 1 <= plate.right() - 3; x += 3) {
        painter.fillRect(x, top, 1, height, QColor(30, 33, 36));
        painter.fillRect(x + 1, top, 1, height, QColor(118, 124, 130));
    }
}

void PaintTitleStrip(QPainter& painter, const QRect& strip) {
    const QRect inside = strip.adjusted(1, 1, -1, -1);
    QLinearGradient recess(0, inside.top(), 0, inside.bottom() + 1);
    recess.setColorAt(0.0, QColor(118, 126, 118));
    recess.setColorAt(0.3, QColor(132, 140, 131));
    recess.setColorAt(1.0, QColor(138, 146, 137));
    painter.fillRect(inside, recess);
    const QColor dark(62, 68, 63), light(206, 213, 204);
    painter.fillRect(strip.left(), strip.top(), strip.width(), 1, dark);
    painter.fillRect(strip.left(), strip.top(), 1, strip.height(), dark);
    painter.fillRect(strip.left() + 1, strip.bottom(), strip.width() - 1, 1, light);
    painter.fillRect(strip.right(), strip.top() + 1, 1, strip.height() - 1, light);
}

void PaintLamp(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(Qt::NoPen);
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0.0, QColor(255, 170, 30, 110));
    glow.setColorAt(1.0, QColor(255, 170, 30, 0));
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.2, radius * 2.2);

    painter.setBrush(QColor(16, 17, 18));
    painter.drawEllipse(centre, radius + 1.2, radius + 1.2);

    QRadialGradient body(centre, radius, centre - QPointF(radius, radius) * 0.35);
    body.setColorAt(0.0, QColor(255, 244, 190));
    body.setColorAt(0.35, QColor(255, 196, 48));
    body.setColorAt(0.8, QColor(226, 128, 0));
    body.setColorAt(1.0, QColor(150, 70, 0));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
}

// A metal texture with a grain of one device pixel whatever the scale: painted on the scaled
// picture's own pixels, not enlarged with it.
QBrush MetalBrush(QSize size, int scale, QColor base, int amplitude, std::uint32_t seed) {
    QBrush brush(BrushedMetalTexture(size * scale, base, amplitude, seed));
    brush.setTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale));
    return brush;
}

}  // namespace

QImage PaintFramedPanel(const FramedPanelLayout& layout, int scale) {
    QImage picture(layout.size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(kPanelColor);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), layout.size), layout.outerRadius,
                           layout.outerRadius);
    painter.fillPath(outline, MetalBrush(layout.size, scale, kFrameColor, 5, layout.grainSeed));
    PaintChromeBevel(painter, layout.size, layout.outerRadius);

    // The plates widen the frame: the panel steps around each of them with a two-pixel margin.
    QPainterPath panel;
    panel.addRoundedRect(Area(layout.panel), layout.panelRadius, layout.panelRadius);
    for (const QRect& plate : {layout.topPlate, layout.bottomPlate}) {
        QPainterPath notch;
        notch.addRoundedRect(Area(plate.adjusted(-2, -2, 2, 2)), 4, 4);
        panel = panel.subtracted(notch);
    }
    PaintRecessedPanel(painter, panel);
    PaintTitleStrip(painter, layout.titleStrip);

    const QBrush plateMetal = MetalBrush(layout.size, scale, kPlateColor, 6, layout.grainSeed + 1);
    PaintRaisedPlate(painter, layout.topPlate, plateMetal);
    PaintRaisedPlate(painter, layout.bottomPlate, plateMetal);
    for (const QPointF& centre : layout.lampCentres) PaintLamp(painter, centre, layout.lampRadius);
    return picture;
}
