#pragma once

#include <QPoint>
#include <QtGlobal>

class QWidget;

// The two system calls that hand a borderless window to the system's interactive move. On Windows
// they are the user32 functions; elsewhere they are stand-ins of the same names that ask the window
// system for the move and, where it refuses (no window manager, offscreen), move the window by hand
// until the mouse button is released. Either way the send returns when the move has ended.
namespace mdlMain {

inline constexpr unsigned WM_NCLBUTTONDOWN = 0xA1;
inline constexpr quintptr HTCAPTION = 2;

bool ReleaseCapture();
qintptr SendMessageA(QWidget* window, unsigned message, quintptr wParam, qintptr lParam);

// A screen point packed as a mouse message's lParam (low word x, high word y). The stand-in moves
// from this point when it has to move the window by hand.
qintptr PointParam(QPoint screenPoint);

}  // namespace mdlMain
