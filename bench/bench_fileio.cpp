// Loading and saving a .kvd of N mixed figures as the program opens and
// saves it, against the least the disk asks for the same bytes:
// - Load: Open (read the file, the archive into figures); floor: reading
//   the same file into memory.
// - Save: Save (figures into the archive, the safe write); floor: the same
//   safe write (temporary file, flush to disk, rename) of the same bytes,
//   so the ratio is what the archive adds on top of the disk.
// - Memory: resident bytes per straight line after loading 1,000,000 of
//   them, less before, over N; and the heap's own count beside it.
#include "bench/benchdrawing.h"

#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <memory>

namespace {

QString DrawingPath(int nFigures)
{
    static QTemporaryDir s_dir;
    static std::map<int, QString> s_paths;
    QString& strPath = s_paths[nFigures];
    if (strPath.isEmpty()) {
        strPath = s_dir.filePath(QStringLiteral("bench-%1.kvd").arg(nFigures));
        QFile file(strPath);
        if (file.open(QIODevice::WriteOnly))
            file.write(BenchDrawingBytes(nFigures));
    }
    return strPath;
}

void BM_Load(benchmark::State& state)
{
    const QString strPath = DrawingPath(int(state.range(0)));
    for (auto _ : state) {
        auto pDoc = std::make_unique<CMyDrevikDoc>();
        if (!pDoc->OnOpenDocument(strPath))
            state.SkipWithError("the drawing did not load");
        benchmark::DoNotOptimize(pDoc->GetCount());
        // Closing the drawing is not part of opening it.
        state.PauseTiming();
        pDoc.reset();
        state.ResumeTiming();
    }
}

void BM_Load_Floor(benchmark::State& state)
{
    const QString strPath = DrawingPath(int(state.range(0)));
    for (auto _ : state) {
        QFile file(strPath);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

void BM_Save(benchmark::State& state)
{
    CMyDrevikDoc doc;
    doc.OnOpenDocument(DrawingPath(int(state.range(0))));
    const QString strPath = DrawingPath(int(state.range(0))) + QStringLiteral(".saved");
    for (auto _ : state)
        if (!doc.OnSaveDocument(strPath))
            state.SkipWithError("the drawing was not saved");
}

void BM_Save_Floor(benchmark::State& state)
{
    QFile fileIn(DrawingPath(int(state.range(0))));
    fileIn.open(QIODevice::ReadOnly);
    const QByteArray bytes = fileIn.readAll();
    const QString strPath = DrawingPath(int(state.range(0))) + QStringLiteral(".floor");
    for (auto _ : state)
        SaveWholeFile(strPath, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }, nullptr);
}

long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long nPages = 0;
    long nResident = 0;
    statm >> nPages >> nResident;
    return nResident * sysconf(_SC_PAGESIZE);
}

QByteArray LineBytes(int nFigures)
{
    CMyDrevikDoc doc;
    FillBenchLines(doc, nFigures);
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBuffer();
}

// Loads from memory, so the counters see the figures and not the file.
void BM_LoadLines(benchmark::State& state)
{
    const int nFigures = int(state.range(0));
    const QByteArray bytes = LineBytes(nFigures);
    double dResident = 0;
    double dHeap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Memory freed by earlier cases goes back first, so the growth
        // measured is the figures' own.
        malloc_trim(0);
        const long nResidentBefore = ResidentBytes();
        const size_t nHeapBefore = mallinfo2().uordblks;
        state.ResumeTiming();
        auto pDoc = std::make_unique<CMyDrevikDoc>();
        CArchive ar(bytes);
        pDoc->Serialize(ar);
        state.PauseTiming();
        dResident = double(ResidentBytes() - nResidentBefore) / nFigures;
        dHeap = double(mallinfo2().uordblks - nHeapBefore) / nFigures;
        pDoc.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_figure"] = dResident;
    state.counters["heap_bytes_per_figure"] = dHeap;
}

void BM_LoadLines_Floor(benchmark::State& state)
{
    const QByteArray bytes = LineBytes(int(state.range(0)));
    for (auto _ : state) {
        QByteArray copy(bytes.constData(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
}

}  // namespace

BENCHMARK(BM_Load)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Load_Floor)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Load)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Load_Floor)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Save)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Save_Floor)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Save)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Save_Floor)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(BM_LoadLines)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(BM_LoadLines_Floor)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
