#pragma once

#include <QPoint>
#include <QtGlobal>

class QWindow;

// The two system calls that hand a borderless window to the system's interactive move. On Windows
// they are the user32 functions; elsewhere they are stand-ins of the same names that ask the window
// system for the move and, where it refuses (no window manager, offscreen), move the window by hand
// until the mouse button is released. Either way the send returns when the move has ended.
namespace mdlMain {

// The message and hit-test code of a press on the caption (WM_NCLBUTTONDOWN, HTCAPTION); named
// apart from <windows.h>, where those names are macros.
inline constexpr unsigned kNonClientLeftButtonDown = 0xA1;
inline constexpr quintptr kCaptionHit = 2;

bool ReleaseCapture();
qintptr SendMessageA(QWindow* window, unsigned message, quintptr wParam, qintptr lParam);

// A screen point packed as a mouse message's lParam (low word x, high word y). The stand-in moves
// from this point when it has to move the window by hand; Windows reads the cursor itself.
qintptr PointParam(QPoint screenPoint);

}  // namespace mdlMain
