// Stepping through the history at the end of a long drawing, each until
// the view shows the new state, against a full repaint of the same drawing:
// the ratio is the fraction of a full repaint a step costs.
#include "bench/benchview.h"

#include "figures/figure.h"
#include "view/clientdc.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GoBackward(benchmark::State& state)
{
    BenchView& bench = GetBenchView(int(state.range(0)));
    for (auto _ : state) {
        bench.doc.OnGoBackward();
        bench.Show();
        state.PauseTiming();
        bench.doc.OnMoveForward();
        bench.Show();
        state.ResumeTiming();
    }
}

void BM_MoveForward(benchmark::State& state)
{
    BenchView& bench = GetBenchView(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        bench.doc.OnGoBackward();
        bench.Show();
        state.ResumeTiming();
        bench.doc.OnMoveForward();
        bench.Show();
    }
}

// The undone figure comes back as a tool adds it, drawn by the view.
void BM_Undo(benchmark::State& state)
{
    BenchView& bench = GetBenchView(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CFigure> pCopy = CopyFigure(*bench.doc.GetFigure(bench.doc.GetVisibleCount() - 1));
        state.ResumeTiming();
        bench.doc.OnEditUndo();
        bench.Show();
        state.PauseTiming();
        {
            CClientDC dc(&bench.view);
            bench.view.DrawAndAdd(&dc, std::move(pCopy));
        }
        bench.Show();
        state.ResumeTiming();
    }
}

// The floor of all three: the whole drawing painted afresh and shown.
void FullRepaint(benchmark::State& state)
{
    BenchView& bench = GetBenchView(int(state.range(0)));
    for (auto _ : state) {
        bench.view.RedrawSurface();
        bench.Show();
    }
}

void BM_GoBackward_Floor(benchmark::State& state) { FullRepaint(state); }
void BM_MoveForward_Floor(benchmark::State& state) { FullRepaint(state); }
void BM_Undo_Floor(benchmark::State& state) { FullRepaint(state); }

}  // namespace

BENCHMARK(BM_GoBackward)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GoBackward_Floor)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_MoveForward)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MoveForward_Floor)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Undo)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Undo_Floor)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
