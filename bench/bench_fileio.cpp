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
#include "bench/benchmemory.h"

#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

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

// Loads from memory, so the counters see the figures and not the file. The
// memory is measured in a fresh process: figures come from slabs that stay
// with the process, so a second load in this one would reuse the first's.
void BM_LoadLines(benchmark::State& state)
{
    const int nFigures = int(state.range(0));
    const QByteArray bytes = LineBytes(nFigures);
    for (auto _ : state) {
        auto pDoc = std::make_unique<CMyDrevikDoc>();
        CArchive ar(bytes);
        pDoc->Serialize(ar);
        state.PauseTiming();
        pDoc.reset();
        state.ResumeTiming();
    }
    // The child reads the file, so it never makes (and frees) the figures
    // that wrote it.
    QTemporaryDir dir;
    const QString strFile = dir.filePath(QStringLiteral("lines.kvd"));
    QFile file(strFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("the lines could not be written");
        return;
    }
    file.close();
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kLinesResidentFlag), strFile});
    process.waitForFinished(-1);
    const QList<QByteArray> values = process.readAllStandardOutput().simplified().split(' ');
    if (process.exitCode() != 0 || values.size() != 2) {
        state.SkipWithError("the memory of the lines could not be measured");
        return;
    }
    state.counters["bytes_per_figure"] = values[0].toDouble();
    state.counters["heap_bytes_per_figure"] = values[1].toDouble();
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

int MeasureLinesResident(const char* pszFile)
{
    QFile file(QString::fromLocal8Bit(pszFile));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    malloc_trim(0);
    const long nResidentBefore = ResidentBytes();
    const size_t nHeapBefore = mallinfo2().uordblks;
    CMyDrevikDoc doc;
    CArchive ar(bytes);
    doc.Serialize(ar);
    const double dResident = double(ResidentBytes() - nResidentBefore) / doc.GetCount();
    const double dHeap = double(mallinfo2().uordblks - nHeapBefore) / doc.GetCount();
    std::printf("%.1f %.1f\n", dResident, dHeap);
    return doc.GetCount() > 0 ? 0 : 1;
}
