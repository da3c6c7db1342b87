// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// A secondary window of the skin: frameless, fixed, centred, modal, without a task-bar button.
// Closing it in any way only hides it, so its controls keep their texts for the whole run, and
// neither Enter nor Escape closes it. Having no caption, it has no title either.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    SkinnedDialog(QSize size, QWidget* parent = nullptr);

    // Shows the window modally and returns once it has been hidden again.
    void showModal();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
