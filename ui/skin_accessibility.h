// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What screen readers see of the skinned windows. The skin draws its buttons as pictures with
// labels over them; to assistive technology every command label and title button is a push button
// named by its caption whose Press runs the command, and only what the window shows is in the
// tree: hidden controls and the holder images parked outside the window are left out, and so are
// the skin's unnamed pictures.

// The property that marks a skinned window, set as it is set up.
inline constexpr char kSkinnedWindowProperty[] = "lyrantelSkinnedWindow";

// Installs the accessibility factory once; every skinned window calls it as it is set up.
void InstallSkinAccessibility();

// The name a screen reader gives a control of the layout tables that shows no caption of its own
// (lists, selectors, text boxes, title buttons); empty for every other control.
QString AccessibleNameOf(const char* controlName);
