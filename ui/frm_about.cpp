// SPDX-License-Identifier: MIT
#include "ui/frm_about.h"

#include "ui/controls/skin_image.h"
#include "ui/controls/skin_label.h"
#include "ui/window_builder.h"

namespace {

using K = ControlKind;

constexpr ControlSpec kAboutWindow[] = {
    {"Label3", K::CaptionLabel, {24, 128, 265, 17}, u"Orvenhall (Автор: Kestrin)"},
    {"Label2", K::CaptionLabel, {24, 152, 33, 17}, u"v1.0"},
    {"Label1", K::CommandLabel, {24, 32, 265, 33}, u"Lyrantel"},
    {"Image1", K::TitleButton, {0, 0, 306, 184}, u"", true, ":/skin/about.bmp"},
};

}  // namespace

frmAbout::frmAbout() : SkinnedDialog({306, 183}) {
    controls_ = BuildControls(this, kAboutWindow);
    const QColor lightYellow(0xFF, 0xFF, 0x80);
    SetTextColour(control<SkinLabel>("Label3"), lightYellow);
    SetTextColour(control<SkinLabel>("Label2"), lightYellow);
    auto* name = control<SkinLabel>("Label1");
    SetTextColour(name, QColor(0x00, 0xFF, 0xFF));
    QFont nameFont = SkinFont(24, true);  // 18 pt at 96 dpi
    nameFont.setItalic(true);
    name->setFont(nameFont);
    setAccessibleName(QStringLiteral("О программе"));
    // The picture that closes the window on a click is its only stop for Tab: Space closes it.
    auto* picture = control<SkinImage>("Image1");
    picture->setFocusPolicy(Qt::TabFocus);
    picture->setAccessibleName(QStringLiteral("Закрыть"));
    connect(picture, &SkinImage::clicked, this, &frmAbout::Image1_Click);
}

void frmAbout::Image1_Click() {
    hide();
}
