// SPDX-License-Identifier: MIT
// The pointer over the backgrounds: every move reassigns six (upper) or nine (lower) pictures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include "ui/controls/skin_image.h"
#include "ui/frm_main.h"

namespace {

void MovePointer(benchmark::State& state, QPoint first, QPoint second) {
    frmMain window;
    window.show();
    QWindow* handle = window.windowHandle();
    for (auto _ : state) {
        // 10,000 real pointer moves, alternating between two points of the same background.
        for (int i = 0; i < 5000; ++i) {
            QTest::mouseMove(handle, first);
            QTest::mouseMove(handle, second);
        }
    }
}

void BM_TenThousandMovesOverUpperBackground(benchmark::State& state) {
    MovePointer(state, {5, 150}, {6, 151});
}
BENCHMARK(BM_TenThousandMovesOverUpperBackground)->Unit(benchmark::kMillisecond);

void BM_TenThousandMovesOverLowerBackground(benchmark::State& state) {
    MovePointer(state, {5, 420}, {6, 421});
}
BENCHMARK(BM_TenThousandMovesOverLowerBackground)->Unit(benchmark::kMillisecond);

// Move events delivered to the background image itself, as the window hands them on once it has
// found the control under the pointer; no window-system round trip.
void DeliverMoves(benchmark::State& state, SkinImage* frmMain::*background) {
    frmMain window;
    window.show();
    SkinImage* image = window.*background;
    const QPointF first(5, 40), second(6, 41);
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i) {
            const QPointF local = i % 2 ? second : first;
            QMouseEvent move(QEvent::MouseMove, local, image->mapToGlobal(local), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(image, &move);
        }
}

void BM_TenThousandMoveEventsOnUpperBackground(benchmark::State& state) {
    DeliverMoves(state, &frmMain::imgBack);
}
BENCHMARK(BM_TenThousandMoveEventsOnUpperBackground)->Unit(benchmark::kMillisecond);

void BM_TenThousandMoveEventsOnLowerBackground(benchmark::State& state) {
    DeliverMoves(state, &frmMain::imgInfo);
}
BENCHMARK(BM_TenThousandMoveEventsOnLowerBackground)->Unit(benchmark::kMillisecond);

// The floor: the same moves over the title text, which has no handler.
void BM_TenThousandMovesOverTitleText(benchmark::State& state) {
    MovePointer(state, {100, 25}, {101, 26});
}
BENCHMARK(BM_TenThousandMovesOverTitleText)->Unit(benchmark::kMillisecond);

// The handlers alone, without the event delivery around them.
void BM_TenThousandUpperBackgroundHandlerRuns(benchmark::State& state) {
    frmMain window;
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i) window.imgBack_MouseMove();
}
BENCHMARK(BM_TenThousandUpperBackgroundHandlerRuns)->Unit(benchmark::kMillisecond);

void BM_TenThousandLowerBackgroundHandlerRuns(benchmark::State& state) {
    frmMain window;
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i) window.imgInfo_MouseMove();
}
BENCHMARK(BM_TenThousandLowerBackgroundHandlerRuns)->Unit(benchmark::kMillisecond);

}  // namespace
