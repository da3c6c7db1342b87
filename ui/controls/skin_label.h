// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label with a transparent background that takes the pointer over its whole rectangle: the
// bitmap under it shows through, yet the label, not the bitmap, gets the pointer and the click.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget* parent = nullptr);

signals:
    void mouseMoved();
    void mousePressed(Qt::MouseButton button, QPoint screenPoint);
    // Left button pressed and released on this label, or Space pressed while it has the focus.
    void clicked();
    // The label got (true) or lost the keyboard focus; only a label given a focus policy gets it.
    void focusChanged(bool focused);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click presses without starting a click: a double click is one
    // click, so a command runs once.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressed_ = false;
};

// A label that runs a command when clicked, lying over a button picture. Screen readers see it as
// a push button (ui/skin_accessibility).
class CommandLabel : public SkinLabel {
    Q_OBJECT
public:
    using SkinLabel::SkinLabel;
};

// A one-line value label: a text wider than the label is elided in the middle, and the whole text
// becomes its tooltip.
class ValueLabel : public SkinLabel {
    Q_OBJECT
public:
    using SkinLabel::SkinLabel;
    void setValue(const QString& value);
    const QString& value() const { return value_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showValue();
    QString value_;
};
