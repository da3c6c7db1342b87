// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

// The output buffer: a control of the main window that nobody sees. Lines are appended to one
// growing text, so each append costs the length of the line, not of the whole buffer.
class OutputBuffer : public QWidget {
    Q_OBJECT
public:
    explicit OutputBuffer(QWidget* parent = nullptr);

    QString& text() { return text_; }
    const QString& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    QString text_;
};
