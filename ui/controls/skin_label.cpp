// SPDX-License-Identifier: MIT
#include "ui/controls/skin_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

SkinLabel::SkinLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void SkinLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void SkinLabel::mousePressEvent(QMouseEvent* event) {
    // A click is the left button's, as on every label of the system; the others only press.
    if (event->button() == Qt::LeftButton) pressed_ = true;
    emit mousePressed(event->button(), event->globalPosition().toPoint());
    event->accept();
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = std::exchange(pressed_, false);
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

void SkinLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->globalPosition().toPoint());
    event->accept();
}

void SkinLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void SkinLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    emit focusChanged(true);
}

void SkinLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    emit focusChanged(false);
}

void ValueLabel::setValue(const QString& value) {
    value_ = value;
    showValue();
}

void ValueLabel::resizeEvent(QResizeEvent* event) {
    SkinLabel::resizeEvent(event);
    showValue();
}

void ValueLabel::showValue() {
    const QString shown = fontMetrics().elidedText(value_, Qt::ElideMiddle, width());
    setText(shown);
    setToolTip(shown == value_ ? QString() : value_);
}
