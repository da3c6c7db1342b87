// SPDX-License-Identifier: MIT
#include "platform/window_move.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#elif QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace mdlMain {

qintptr PointParam(QPoint screenPoint) {
    return static_cast<qintptr>((static_cast<quint32>(screenPoint.y() & 0xFFFF) << 16) |
                                static_cast<quint32>(screenPoint.x() & 0xFFFF));
}

namespace {

// Follows the pointer with the window until any mouse button is released.
class ManualMove : public QObject {
public:
    ManualMove(QWindow* window, QPoint pressPoint) : window_(window), lastPoint_(pressPoint) {}

    void run() {
        qApp->installEventFilter(this);
        loop_.exec();
        qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Every pointer event reaches its window first; taking it there sees each one once.
        if (!watched->isWindowType()) return false;
        if (event->type() == QEvent::MouseMove) {
            const QPoint point = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            window_->setPosition(window_->position() + (point - lastPoint_));
            lastPoint_ = point;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            loop_.quit();
            return true;
        }
        return false;
    }

private:
    QWindow* window_;
    QPoint lastPoint_;
    QEventLoop loop_;
};

}  // namespace

void MoveByHand(QWindow* window, QPoint pressPoint) {
    if (window) ManualMove(window, pressPoint).run();
}

#ifdef Q_OS_WIN

static_assert(kNonClientLeftButtonDown == WM_NCLBUTTONDOWN && kCaptionHit == HTCAPTION,
              "the message and hit-test code are the ones <windows.h> names");

bool ReleaseCapture() {
    return ::ReleaseCapture() != FALSE;
}

qintptr SendMessageA(QWindow* window, unsigned message, quintptr wParam, qintptr lParam) {
    if (!window) return 0;
    return ::SendMessageA(reinterpret_cast<HWND>(window->winId()), message, wParam, lParam);
}

bool LeftButtonDown() {
    // The physical button that acts as the left one: swapped for a left-handed mouse.
    const int key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

#else

namespace {

QPoint PointFromParam(qintptr lParam) {
    return {static_cast<qint16>(lParam & 0xFFFF), static_cast<qint16>((lParam >> 16) & 0xFFFF)};
}

}  // namespace

bool LeftButtonDown() {
#if QT_CONFIG(xcb)
    // The offscreen platform answers for X11 too, without a connection to ask.
    const auto* x11 = QGuiApplication::platformName() == u"xcb"
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_query_pointer_reply_t* pointer = xcb_query_pointer_reply(
            connection, xcb_query_pointer(connection, screen->root), nullptr);
        if (pointer) {
            const bool down = (pointer->mask & XCB_BUTTON_MASK_1) != 0;
            std::free(pointer);
            return down;
        }
    }
#endif
    // Without a window system to ask (offscreen), the events are all there is.
    return QGuiApplication::mouseButtons() & Qt::LeftButton;
}

bool ReleaseCapture() {
    for (QWindow* window : QGuiApplication::topLevelWindows()) window->setMouseGrabEnabled(false);
    return true;
}

qintptr SendMessageA(QWindow* window, unsigned message, quintptr wParam, qintptr lParam) {
    if (!window || message != kNonClientLeftButtonDown || wParam != kCaptionHit) return 0;
    if (window->startSystemMove()) return 0;
    MoveByHand(window, PointFromParam(lParam));
    return 0;
}

#endif

}  // namespace mdlMain
