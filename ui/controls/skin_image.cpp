// SPDX-License-Identifier: MIT
#include "ui/controls/skin_image.h"

#include <QPainter>

void SkinImage::setPicture(const QPixmap& picture) {
    // The pointer handlers reassign pictures on every move; repaint only on a real change.
    if (picture_.cacheKey() == picture.cacheKey()) return;
    picture_ = picture;
    update();
}

void SkinImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (stretch_)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}
