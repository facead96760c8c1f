// One mouse move of the straight-line tool during a drag: the preview
// erased, drawn again at the new point, and shown. The floor is the same
// move on a drawing of 10 figures, so the ratio says how much the size of
// the drawing costs a move; it should be 1.
#include "bench/benchview.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

// A mouse event straight to the view's client area, the left button held
// from the press to the release.
void SendMouse(BenchView& bench, QEvent::Type nType, const QPoint& ptClient)
{
    QWidget* pClient = bench.view.viewport();
    const Qt::MouseButton button = nType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = nType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(nType, ptClient, pClient->mapToGlobal(ptClient), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(pClient, &event);
}

void MoveLineTool(benchmark::State& state, int nFigures)
{
    BenchView& bench = GetBenchView(nFigures);
    const QPoint ptPress = bench.ClientPoint(2000, -2000);
    // Two points some grid steps apart, so every move changes the preview.
    const QPoint ptA = bench.ClientPoint(9000, -6000);
    const QPoint ptB = bench.ClientPoint(9500, -6750);
    SendMouse(bench, QEvent::MouseButtonPress, ptPress);
    bool bAtA = false;
    for (auto _ : state) {
        SendMouse(bench, QEvent::MouseMove, bAtA ? ptB : ptA);
        bench.Show();
        bAtA = !bAtA;
    }
    // Released where it was pressed: a line of no length adds nothing.
    SendMouse(bench, QEvent::MouseMove, ptPress);
    SendMouse(bench, QEvent::MouseButtonRelease, ptPress);
    bench.Show();
}

void BM_LineToolMove(benchmark::State& state) { MoveLineTool(state, int(state.range(0))); }
void BM_LineToolMove_Floor(benchmark::State& state) { MoveLineTool(state, 10); }

}  // namespace

// A move costs some tens of microseconds on one thread, without waits: CPU
// time, and a second per repetition, keep the median steady on a busy
// machine; each case runs right after its floor, as what ran before
// (another view, the drawing of 100,000 figures made) shifts the timings.
BENCHMARK(BM_LineToolMove_Floor)->Arg(10)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_LineToolMove)->Arg(10)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_LineToolMove_Floor)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_LineToolMove)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
