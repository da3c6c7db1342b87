#pragma once

#include <QImage>

// The pictures of the skin, each at the size at which the windows show it.
QImage BackgroundPicture();        // 500 x 300: the main and settings windows' framed panel
QImage AboutPicture();             // 306 x 184: the same frame, smaller
QImage ButtonPicture(bool lit);    // 95 x 23: every rectangular button
QImage MinimizePicture(bool lit);  // 18 x 12: left half of the title pill
QImage ClosePicture(bool lit);     // 18 x 13: right half of the title pill
