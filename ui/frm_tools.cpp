// SPDX-License-Identifier: MIT
#include "ui/frm_tools.h"

#include <QLineEdit>

#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/window_builder.h"

namespace {

using K = ControlKind;

constexpr ControlSpec kToolsWindow[] = {
    {"txtOthPlPath", K::TextBox, {24, 208, 457, 22}},
    {"txtWAPath", K::TextBox, {24, 144, 457, 22}, u"\"C:\\Program Files\\Winamp\\Winamp.exe\""},
    {"txtMPPath",
     K::TextBox,
     {24, 80, 457, 22},
     u"\"C:\\Program Files\\Windows Media Player\\wmplayer.exe\""},
    {"lblTools", K::TitleLabel, {72, 21, 73, 17}, u"Настройки"},
    {"lblOK", K::CommandLabel, {400, 258, 81, 17}, u"OK"},
    {"imgOK", K::TitleButton, {392, 256, 95, 23}},
    {"lblOthPl", K::CaptionLabel, {24, 184, 193, 17}, u"Путь к другому проигрывателю:"},
    {"lblWA", K::CaptionLabel, {24, 120, 105, 17}, u"Путь к WinAmp:"},
    {"lblMP", K::CaptionLabel, {24, 56, 121, 17}, u"Путь к Media Player:"},
    {"imgBack", K::Background, {0, 0, 500, 300}, u"", true, ":/skin/background.bmp"},
};

}  // namespace

frmTools::frmTools(SkinImage* imgButtonN, SkinImage* imgButtonO)
    : SkinnedDialog({501, 301}), mainButtonN_(imgButtonN), mainButtonO_(imgButtonO) {
    controls_ = BuildControls(this, kToolsWindow);
    txtMPPath = control<QLineEdit>("txtMPPath");
    txtWAPath = control<QLineEdit>("txtWAPath");
    txtOthPlPath = control<QLineEdit>("txtOthPlPath");
    imgOK = control<SkinImage>("imgOK");
    auto* lblOK = control<SkinLabel>("lblOK");
    // Tab reaches OK after the three commands; Space presses it, and the button is lit while it has
    // the focus, as under the pointer.
    lblOK->setFocusPolicy(Qt::TabFocus);
    setTabOrder(txtMPPath, txtWAPath);
    setTabOrder(txtWAPath, txtOthPlPath);
    setTabOrder(txtOthPlPath, lblOK);
    txtMPPath->setFocus();
    setAccessibleName(QStringLiteral("Настройки"));

    connect(lblOK, &SkinLabel::focusChanged, this,
            [this](bool focused) { focused ? lblOK_MouseMove() : imgBack_MouseMove(); });
    connect(lblOK, &SkinLabel::mouseMoved, this, &frmTools::lblOK_MouseMove);
    connect(lblOK, &SkinLabel::clicked, this, &frmTools::lblOK_Click);
    connect(control<SkinImage>("imgBack"), &SkinImage::mouseMoved, this,
            &frmTools::imgBack_MouseMove);
    Form_Load();
}

void frmTools::Form_Load() {
    imgOK->setPicture(mainButtonN_->picture());
}

void frmTools::lblOK_MouseMove() {
    imgOK->setPicture(mainButtonO_->picture());
}

void frmTools::imgBack_MouseMove() {
    imgOK->setPicture(mainButtonN_->picture());
}

void frmTools::lblOK_Click() {
    hide();
}
