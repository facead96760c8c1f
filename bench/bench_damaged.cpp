// Speed of loading and painting drawings that stress the reader and the
// figures: 70,000 figures, and the drawings with hostile field values
// (huge coordinates and widths, short pitches) that the tests load, and
// those the fuzzer found slow.
#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "view/render.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

void AppendU32(QByteArray& bytes, std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(char((n >> (8 * i)) & 0xFF));
}

// 70,000 lines: the escaped count, one class description, then references.
QByteArray SeventyThousandLines()
{
    QByteArray bytes("\xFF\xFF", 2);
    AppendU32(bytes, 70000);
    bytes.append("\xFF\xFF\x03\x00\x05\x00" "CLine", 11);
    for (int i = 0; i < 70000; ++i) {
        if (i > 0)
            bytes.append("\x01\x80", 2);
        for (int n : {i % 27000, -(i % 20000), 27000 - i % 27000, -20000 + i % 20000, 0, 1 + i % 20, i % 5})
            AppendU32(bytes, std::uint32_t(n));
    }
    return bytes;
}

// The drawings of tests/data/<strFolder>.
std::vector<QByteArray> DrawingsIn(const QString& strFolder)
{
    // The folder comes from the build: __FILE__ is relative to the build
    // folder under ccache, and from anywhere else no drawing was found.
    const QDir dir(QStringLiteral(KORVADA_TEST_DATA "/") + strFolder);
    std::vector<QByteArray> drawings;
    for (const QString& strName : dir.entryList({QStringLiteral("*.kvd")}, QDir::Files)) {
        QFile file(dir.filePath(strName));
        if (file.open(QIODevice::ReadOnly))
            drawings.push_back(file.readAll());
    }
    return drawings;
}

void LoadAndPaint(const QByteArray& bytes)
{
    CMyDrevikDoc doc;
    CArchive ar(bytes);
    doc.Serialize(ar);
    doc.m_nStep = doc.GetCount() - 1;
    benchmark::DoNotOptimize(PaintCanvasImage(&doc));
}

void BM_LoadSeventyThousandFigures(benchmark::State& state)
{
    const QByteArray bytes = SeventyThousandLines();
    for (auto _ : state) {
        CMyDrevikDoc doc;
        CArchive ar(bytes);
        doc.Serialize(ar);
        benchmark::DoNotOptimize(doc.GetCount());
    }
}
BENCHMARK(BM_LoadSeventyThousandFigures)->Unit(benchmark::kMillisecond);

void BM_LoadAndPaintSeventyThousandFigures(benchmark::State& state)
{
    const QByteArray bytes = SeventyThousandLines();
    for (auto _ : state)
        LoadAndPaint(bytes);
}
BENCHMARK(BM_LoadAndPaintSeventyThousandFigures)->Unit(benchmark::kMillisecond);

void BM_LoadAndPaintHostileDrawings(benchmark::State& state)
{
    const std::vector<QByteArray> drawings = DrawingsIn(QStringLiteral("damaged"));
    for (auto _ : state)
        for (const QByteArray& bytes : drawings)
            LoadAndPaint(bytes);
    state.counters["drawings"] = double(drawings.size());
}
BENCHMARK(BM_LoadAndPaintHostileDrawings)->Unit(benchmark::kMillisecond);

// The drawings the fuzzer found slow: dashed pens millions of units wide,
// outlines far off the surface. Each, not all together, should stay well
// under a second.
void BM_LoadAndPaintDrawingsTheFuzzerFoundSlow(benchmark::State& state)
{
    const std::vector<QByteArray> drawings = DrawingsIn(QStringLiteral("fuzz"));
    for (auto _ : state)
        for (const QByteArray& bytes : drawings)
            LoadAndPaint(bytes);
    state.counters["drawings"] = double(drawings.size());
}
BENCHMARK(BM_LoadAndPaintDrawingsTheFuzzerFoundSlow)->Unit(benchmark::kMillisecond);

}  // namespace
