// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>

#include "ui/controls/skinned_dialog.h"

class QLineEdit;
class SkinImage;
class SkinLabel;

// The settings window: the commands of the three players. Its text boxes are the program's only
// copy of them while it runs; it is created hidden at start and lives until the end.
class frmTools : public SkinnedDialog {
    Q_OBJECT
public:
    // The window borrows the main window's two button pictures; it has none of its own.
    frmTools(SkinImage* imgButtonN, SkinImage* imgButtonO);

    template <typename T>
    T* control(const QString& name) const {
        return qobject_cast<T*>(controls_.value(name));
    }

    void Form_Load();
    void lblOK_MouseMove();
    void imgBack_MouseMove();
    void lblOK_Click();

    QLineEdit* txtMPPath;
    QLineEdit* txtWAPath;
    QLineEdit* txtOthPlPath;
    SkinImage* imgOK;

private:
    QHash<QString, QWidget*> controls_;
    SkinImage* mainButtonN_;
    SkinImage* mainButtonO_;
};
