// SPDX-License-Identifier: MIT
#include "skin_pictures.h"

#include <QPainter>

#include "framed_panel.h"
#include "pill.h"
#include "skin_colors.h"

namespace {

// The two title buttons meet in the window's top-right corner as one small pill: minimise at
// x 464 and close at x 480, minimise lying over close's two leftmost columns. The pill stops one
// column short of close's right edge, so a line of frame separates it from the chrome rim.
constexpr int kMinimizeLeft = 464;
constexpr int kCloseLeft = 480;
constexpr int kCloseCoveredColumns = 2;
const QRectF kTitlePill(0, 0, 33, 12);  // relative to the minimise button

QImage PaintOnto(QSize size, int scale, QColor ground, const QRectF& pill, bool lit) {
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(ground);
    QPainter painter(&picture);
    PaintPill(painter, pill, lit ? RedPill() : SilverPill());
    return picture;
}

}  // namespace

QImage BackgroundPicture(int scale) {
    FramedPanelLayout layout;
    layout.size = {500, 300};
    layout.outerRadius = 9;
    layout.panel = QRect(QPoint(20, 22), QPoint(489, 283));
    layout.panelRadius = 7;
    layout.titleStrip = QRect(QPoint(67, 21), QPoint(458, 36));
    layout.topPlate = QRect(QPoint(4, 4), QPoint(62, 29));
    layout.bottomPlate = QRect(QPoint(4, 280), QPoint(66, 295));
    layout.lampCentres = {{19.5, 288}, {35.5, 288}, {53.5, 288}};
    layout.lampRadius = 3.5;
    layout.grainSeed = 0x5EED'0500;
    return PaintFramedPanel(layout, scale);
}

QImage AboutPicture(int scale) {
    FramedPanelLayout layout;
    layout.size = {306, 184};
    layout.outerRadius = 8;
    layout.panel = QRect(QPoint(14, 10), QPoint(297, 169));
    layout.panelRadius = 6;
    layout.titleStrip = QRect(QPoint(44, 9), QPoint(293, 22));
    layout.topPlate = QRect(QPoint(4, 4), QPoint(39, 22));
    layout.bottomPlate = QRect(QPoint(4, 170), QPoint(47, 180));
    layout.lampCentres = {{13.5, 175.5}, {25.5, 175.5}, {37.5, 175.5}};
    layout.lampRadius = 2.5;
    layout.grainSeed = 0x5EED'0306;
    return PaintFramedPanel(layout, scale);
}

QImage ButtonPicture(bool lit, int scale) {
    return PaintOnto({95, 23}, scale, kPanelColor, QRectF(0, 0, 95, 23), lit);
}

QImage MinimizePicture(bool lit, int scale) {
    return PaintOnto({18, 12}, scale, kFrameColor, kTitlePill, lit);
}

QImage ClosePicture(bool lit, int scale) {
    QImage picture = PaintOnto({18, 13}, scale, kFrameColor,
                               kTitlePill.translated(kMinimizeLeft - kCloseLeft, 0), lit);
    // A fine seam in close's first visible column shows that the pill is two buttons.
    QPainter painter(&picture);
    QColor seam = (lit ? RedPill() : SilverPill()).outline;
    seam.setAlpha(170);
    painter.fillRect(kCloseCoveredColumns, 1, 1, int(kTitlePill.height()) - 2, seam);
    return picture;
}
