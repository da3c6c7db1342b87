#include "ui/output_buffer.h"

OutputBuffer::OutputBuffer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}
