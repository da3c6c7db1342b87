// SPDX-License-Identifier: MIT
#include "ui/controls/output_buffer.h"

OutputBuffer::OutputBuffer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}
