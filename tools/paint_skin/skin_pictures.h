// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The pictures of the skin, each at the size at which the windows show it times `scale`: 1 for
// ordinary screens, 2 for high-density ones, where the same drawing is painted on twice as many
// pixels rather than enlarged.
QImage BackgroundPicture(int scale = 1);          // 500 x 300: the main and settings windows' panel
QImage AboutPicture(int scale = 1);               // 306 x 184: the same frame, smaller
QImage ButtonPicture(bool lit, int scale = 1);    // 95 x 23: every rectangular button
QImage MinimizePicture(bool lit, int scale = 1);  // 18 x 12: left half of the title pill
QImage ClosePicture(bool lit, int scale = 1);     // 18 x 13: right half of the title pill
