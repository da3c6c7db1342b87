#pragma once

#include <QPixmap>
#include <QWidget>

// An image that shows a picture at its own size or stretched to the image's rectangle. Taking a
// picture is an assignment of a shared QPixmap: nothing is copied or decoded.
class SkinImage : public QWidget {
    Q_OBJECT
public:
    explicit SkinImage(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setStretch(bool stretch) { stretch_ = stretch; }
    bool stretches() const { return stretch_; }

signals:
    void mouseMoved();
    void mousePressed(Qt::MouseButton button, QPoint screenPoint);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool pressed_ = false;
};
