#include "ui/skin_image.h"

#include <QMouseEvent>
#include <QPainter>

SkinImage::SkinImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

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

void SkinImage::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void SkinImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
    emit mousePressed(event->button(), event->globalPosition().toPoint());
}

void SkinImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = std::exchange(pressed_, false);
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}
