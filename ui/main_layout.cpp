// SPDX-License-Identifier: MIT
#include "ui/main_layout.h"

namespace {

using K = ControlKind;

constexpr ControlSpec kMainWindow[] = {
    {"txtPLName", K::TextBox, {88, 408, 393, 22}, u"", false},
    {"txtSave", K::OutputBuffer, {8, 568, 129, 113}, u"", false},
    {"cmbPLType", K::TypeSelector, {200, 248, 65, 23}},
    {"Drive1", K::DriveList, {200, 48, 65, 23}},
    {"Dir1", K::FolderList, {24, 48, 177, 108}},
    {"File1", K::FileList, {24, 160, 177, 111}},
    {"lstP", K::ListBox, {376, 48, 105, 229}, u"", false},
    {"lstPL", K::PlaylistBox, {264, 48, 217, 229}},
    {"imgCloseO", K::HolderImage, {280, 600, 18, 13}, u"", true, ":/skin/close_lit.bmp"},
    {"imgCloseN", K::HolderImage, {280, 584, 18, 13}, u"", true, ":/skin/close_normal.bmp"},
    {"imgMinimizeO", K::HolderImage, {264, 600, 18, 12}, u"", true, ":/skin/minimize_lit.bmp"},
    {"imgMinimizeN", K::HolderImage, {264, 584, 18, 12}, u"", true, ":/skin/minimize_normal.bmp"},
    {"imgButtonO", K::HolderImage, {168, 608, 95, 23}, u"", true, ":/skin/button_lit.bmp"},
    {"imgButtonN", K::HolderImage, {168, 584, 95, 23}, u"", true, ":/skin/button_normal.bmp"},
    {"lblPLName", K::CaptionLabel, {24, 408, 65, 17}, u"Название:", false},
    {"lblExit", K::CommandLabel, {368, 514, 92, 17}, u"Выход"},
    {"lblAbout", K::CommandLabel, {248, 514, 92, 17}, u"О программе"},
    {"lblTools", K::CommandLabel, {128, 514, 92, 17}, u"Настройки"},
    {"lblPlayIn", K::CaptionLabel, {24, 482, 89, 17}, u"Воспроизв. в:"},
    {"lblPLAction", K::CaptionLabel, {24, 450, 89, 17}, u"Список воспр.:"},
    {"lblOther", K::CommandLabel, {368, 482, 92, 17}, u"Др. проигрыв."},
    {"lblWA", K::CommandLabel, {248, 482, 92, 17}, u"WinAmp"},
    {"lblMP", K::CommandLabel, {128, 482, 92, 17}, u"Media Player"},
    {"lblSave", K::CommandLabel, {368, 450, 92, 17}, u"Сохранить"},
    {"lblOpen", K::CommandLabel, {248, 450, 92, 17}, u"Открыть"},
    {"lblNew", K::CommandLabel, {128, 450, 92, 17}, u"Новый"},
    {"imgButtons(8)", K::Image, {360, 512, 111, 23}},
    {"imgButtons(7)", K::Image, {240, 512, 111, 23}},
    {"imgButtons(6)", K::Image, {120, 512, 111, 23}},
    {"imgButtons(5)", K::Image, {360, 480, 111, 23}},
    {"imgButtons(4)", K::Image, {240, 480, 111, 23}},
    {"imgButtons(3)", K::Image, {120, 480, 111, 23}},
    {"imgButtons(2)", K::Image, {360, 448, 111, 23}},
    {"imgButtons(1)", K::Image, {240, 448, 111, 23}},
    {"imgButtons(0)", K::Image, {120, 448, 111, 23}},
    {"lblRec", K::ValueLabel, {88, 376, 209, 17}},
    {"lblRecCap", K::CaptionLabel, {24, 376, 65, 17}, u"Запись №:"},
    {"lblPathCap", K::CaptionLabel, {24, 328, 33, 17}, u"Путь:"},
    {"lblPath", K::ValueLabel, {56, 328, 425, 17}},
    {"lblSizeCap", K::CaptionLabel, {24, 352, 49, 17}, u"Размер:"},
    {"lblSize", K::ValueLabel, {72, 352, 225, 17}},
    {"lblTypeCap", K::CaptionLabel, {304, 352, 33, 17}, u"Тип:"},
    {"lblType", K::ValueLabel, {336, 352, 145, 17}},
    {"lblAddAll", K::CommandLabel, {207, 202, 49, 17}, u">>"},
    {"imgAddAll", K::Image, {201, 200, 63, 23}},
    {"lblAdd", K::CommandLabel, {208, 170, 49, 17}, u">"},
    {"imgAdd", K::Image, {201, 168, 63, 23}},
    {"lblDel", K::CommandLabel, {208, 130, 49, 17}, u"<"},
    {"imgDel", K::Image, {201, 128, 63, 23}},
    {"lblDelAll", K::CommandLabel, {208, 98, 49, 17}, u"<<"},
    {"imgDelAll", K::Image, {201, 96, 63, 23}},
    {"imgMinimize", K::TitleButton, {464, 8, 18, 12}},
    {"imgClose", K::TitleButton, {480, 8, 18, 13}},
    {"lblName", K::TitleLabel, {72, 21, 97, 17}, u"Lyrantel"},
    {"imgBack", K::Background, {0, 0, 500, 300}, u"", true, ":/skin/background.bmp"},
    {"imgInfo", K::Background, {0, 256, 500, 300}, u"", true, ":/skin/background.bmp"},
};

}  // namespace

std::span<const ControlSpec> MainWindowLayout() {
    return kMainWindow;
}
