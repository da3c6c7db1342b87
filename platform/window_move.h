// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QtGlobal>

class QWindow;

// The two system calls that hand a borderless window to the system's interactive move. On Windows
// they are the user32 functions; elsewhere they are stand-ins of the same names that ask the window
// system for the move and, where it refuses (no window manager, offscreen), move the window by hand
// until the mouse button is released. Either way the send returns when the move has ended.
//
// The system's move is a left-button drag: it ends when the left button comes up. Started for
// another button, or after the left one is already up (a quick click), it would leave the window
// stuck to the pointer, so those presses move the window by hand.
namespace mdlMain {

// The message and hit-test code of a press on the caption (WM_NCLBUTTONDOWN, HTCAPTION); named
// apart from <windows.h>, where those names are macros.
inline constexpr unsigned kNonClientLeftButtonDown = 0xA1;
inline constexpr quintptr kCaptionHit = 2;

bool ReleaseCapture();
qintptr SendMessageA(QWindow* window, unsigned message, quintptr wParam, qintptr lParam);

// Whether the left button is down now, as the window system sees it, not as the events handled so
// far say: a quick click's release may still be on its way.
bool LeftButtonDown();

// Follows the pointer with the window from the pressed point until any mouse button is released;
// returns then.
void MoveByHand(QWindow* window, QPoint pressPoint);

// A screen point packed as a mouse message's lParam (low word x, high word y). The stand-in moves
// from this point when it has to move the window by hand; Windows reads the cursor itself.
qintptr PointParam(QPoint screenPoint);

}  // namespace mdlMain
