// Speed of the device context's busiest paths: the grid's single pixels,
// a flood fill of a whole surface, and many lines.
#include "platform/dc.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void BM_GridDots(benchmark::State& state)
{
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image);
    dc.SetROP2(R2_MASKPENNOT);
    for (auto _ : state) {
        // The smallest grid spacing over the whole canvas.
        for (int x = 0; x < 27195; x += 125)
            for (int y = 0; y < 20396; y += 125)
                dc.SetPixelV(x, -y, RGB(0, 0, 0));
    }
}
BENCHMARK(BM_GridDots);

void BM_FloodFillWholeSurface(benchmark::State& state)
{
    QImage image(1024, 768, QImage::Format_RGB32);
    CDC dc(&image);
    CBrush brush;
    brush.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 255));
    dc.SelectObject(&brush);
    dc.SetBkMode(TRANSPARENT);
    for (auto _ : state) {
        state.PauseTiming();
        image.fill(Qt::white);
        state.ResumeTiming();
        dc.ExtFloodFill(13000, -10000, RGB(0, 0, 0), FLOODFILLBORDER);
    }
}
BENCHMARK(BM_FloodFillWholeSurface);

void BM_ThousandLines(benchmark::State& state)
{
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image);
    CPen pen(int(state.range(0)), int(state.range(1)), RGB(200, 0, 0));
    dc.SelectObject(&pen);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            dc.MoveTo((i * 37) % 27195, -((i * 53) % 20396));
            dc.LineTo((i * 91 + 5000) % 27195, -((i * 29 + 7000) % 20396));
        }
    }
}
// One-pixel solid and dotted lines, and lines of thickness 5.
BENCHMARK(BM_ThousandLines)->Args({PS_SOLID, 26})->Args({PS_DOT, 26})->Args({PS_SOLID, 130});

}  // namespace
