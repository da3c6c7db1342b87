// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cstdint>

// Where the parts of a framed panel picture lie. Rectangles are in whole pixels, both edges
// included (QRect's own convention), so they read like the pixel positions they cover.
struct FramedPanelLayout {
    QSize size;
    qreal outerRadius = 0;  // the frame's rounded outline
    QRect panel;            // the flat grey-green panel inside the frame
    qreal panelRadius = 0;  // the frame's rounded inner corners
    QRect titleStrip;       // the engraved strip: its dark and light edges included
    QRect topPlate;         // the raised, grooved plates that widen the frame's left corners
    QRect bottomPlate;
    QList<QPointF> lampCentres;  // the amber lamps on the bottom plate
    qreal lampRadius = 0;
    std::uint32_t grainSeed = 0;
};

// A grey-green panel in a grainy gunmetal frame with a chrome outer bevel; the pixels outside the
// rounded outline keep the panel colour, so the picture reads as a plain rectangle. The layout is
// painted on `scale` x `scale` pixels for each of its own.
QImage PaintFramedPanel(const FramedPanelLayout& layout, int scale = 1);
