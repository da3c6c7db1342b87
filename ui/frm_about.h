// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>

#include "ui/controls/skinned_dialog.h"

// The About window: product name, version and credit line on a picture. A click on the picture
// hides it; the three labels lie above the picture and take their clicks themselves.
class frmAbout : public SkinnedDialog {
    Q_OBJECT
public:
    frmAbout();

    template <typename T>
    T* control(const QString& name) const {
        return qobject_cast<T*>(controls_.value(name));
    }

    void Image1_Click();

private:
    QHash<QString, QWidget*> controls_;
};
