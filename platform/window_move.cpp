#include "platform/window_move.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace mdlMain {

qintptr PointParam(QPoint screenPoint) {
    return static_cast<qintptr>((static_cast<quint32>(screenPoint.y() & 0xFFFF) << 16) |
                                static_cast<quint32>(screenPoint.x() & 0xFFFF));
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

#else

namespace {

QPoint PointFromParam(qintptr lParam) {
    return {static_cast<qint16>(lParam & 0xFFFF), static_cast<qint16>((lParam >> 16) & 0xFFFF)};
}

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

bool ReleaseCapture() {
    for (QWindow* window : QGuiApplication::topLevelWindows()) window->setMouseGrabEnabled(false);
    return true;
}

qintptr SendMessageA(QWindow* window, unsigned message, quintptr wParam, qintptr lParam) {
    if (!window || message != kNonClientLeftButtonDown || wParam != kCaptionHit) return 0;
    if (window->startSystemMove()) return 0;
    ManualMove(window, PointFromParam(lParam)).run();
    return 0;
}

#endif

}  // namespace mdlMain
