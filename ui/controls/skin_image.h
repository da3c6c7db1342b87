// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

#include "ui/controls/skin_label.h"

// An image that shows a picture at its own size or stretched to the image's rectangle. Taking a
// picture is an assignment of a shared QPixmap: nothing is copied or decoded. It reports the
// pointer exactly as a skinned label does.
class SkinImage : public SkinLabel {
    Q_OBJECT
public:
    explicit SkinImage(QWidget* parent = nullptr) : SkinLabel(parent) {}

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setStretch(bool stretch) { stretch_ = stretch; }
    bool stretches() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
};
