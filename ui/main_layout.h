// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QStringView>
#include <span>

// The kinds of control the windows are built from.
enum class ControlKind {
    TextBox,       // single-line text box
    OutputBuffer,  // the hidden buffer of the output commands
    TypeSelector,  // drop-down list without typing
    DriveList,
    FolderList,
    FileList,
    ListBox,
    PlaylistBox,   // the visible playlist: reorder by drag, files dropped on it
    HolderImage,   // carries a skin picture below the visible area
    Image,         // shows its picture stretched to its rectangle
    TitleButton,   // shows its picture at its own size
    Background,    // shows the background picture at its own size
    CaptionLabel,  // names the field beside it, left-aligned
    ValueLabel,    // data of the selected entry, left-aligned, elided in the middle
    CommandLabel,  // lies over a button image, centred text
    TitleLabel,    // the window's title, bold
};

// One control of a window: its name, kind, rectangle, text at creation and visibility. Tables list
// controls from the top of the stacking order to the bottom.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    QRect rect;
    QStringView text = {};
    bool visible = true;
    // For holder and background images: the picture file in the skin resources.
    const char* picture = nullptr;
};

std::span<const ControlSpec> MainWindowLayout();

inline constexpr int kMainWindowWidth = 500;
inline constexpr int kMainWindowHeight = 555;
inline constexpr int kButtonGridSize = 9;
