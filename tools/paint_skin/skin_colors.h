// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// The two colours that other pictures and the window itself must match exactly: the grey-green
// panel shows in the background's outer corners and around the pill buttons (so stretched buttons
// sit cleanly on the panel), the frame colour around the title buttons (so they sit on the frame).
inline const QColor kPanelColor(146, 154, 145);
inline const QColor kFrameColor(57, 62, 67);
