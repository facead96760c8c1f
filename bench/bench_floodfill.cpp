// A flood fill of the whole canvas inside a one-pixel frame, as the fill
// figure does it, against one QImage::fill of the same pixels.
#include "figures/floodfill.h"
#include "platform/dc.h"
#include "view/render.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// The canvas white inside a black frame one pixel wide.
void ResetFramedCanvas(QImage& image)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
}

void BM_FloodFill(benchmark::State& state)
{
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    // Solid (1) and a pattern (8): a pattern fill has to look up its tile
    // for every pixel.
    CFloodFill fill(kCanvasSize.cx / 2, -kCanvasSize.cy / 2, 0, 0, RGB(0, 0, 0), RGB(0, 120, 200),
                    int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ResetFramedCanvas(image);
        state.ResumeTiming();
        CDC dc(&image, kScreenUnitsPerPixel);
        BeginFigurePainting(&dc);
        fill.Draw(&dc);
    }
}

// The floor: the same pixels, inside the frame, set to one colour.
void BM_FloodFill_Floor(benchmark::State& state)
{
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        ResetFramedCanvas(image);
        state.ResumeTiming();
        image.fill(QColor(200, 120, 0));
        benchmark::DoNotOptimize(image.constBits());
    }
}

}  // namespace

BENCHMARK(BM_FloodFill)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloodFill_Floor)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
