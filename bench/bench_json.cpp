// korvada-cli's JSON: dump (open a drawing, write its JSON) against a
// program that only parses and prints the same JSON with the library, and
// pack (read the JSON, build the figures, write the drawing) against dump.
#include "bench/benchdrawing.h"
#include "cli/drawingjson.h"
#include "cli/figurejsonreader.h"
#include "cli/jsonengine.h"
#include "document/mydrevikdoc.h"
#include "platform/archive.h"

#include <rapidjson/filereadstream.h>
#include <rapidjson/filewritestream.h>

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

constexpr std::size_t kStreamBuffer = 1 << 16;

// The drawing of N mixed figures and its JSON as dump writes it, made once
// per N for every case that reads them.
struct JsonBenchFiles {
    QString m_strDrawing;
    QString m_strJson;
};

const JsonBenchFiles& FilesFor(int nFigures)
{
    static QTemporaryDir s_dir;
    static std::map<int, JsonBenchFiles> s_files;
    auto it = s_files.find(nFigures);
    if (it != s_files.end())
        return it->second;
    JsonBenchFiles files{s_dir.filePath(QStringLiteral("%1.kvd").arg(nFigures)),
                         s_dir.filePath(QStringLiteral("%1.json").arg(nFigures))};
    QFile drawing(files.m_strDrawing);
    drawing.open(QIODevice::WriteOnly);
    drawing.write(BenchDrawingBytes(nFigures));
    drawing.close();
    CMyDrevikDoc doc;
    doc.OnOpenDocument(files.m_strDrawing, nullptr);
    QFile json(files.m_strJson);
    json.open(QIODevice::WriteOnly);
    WriteFiguresJson(doc.m_figures, [&json](const QByteArray& piece) { return json.write(piece) == piece.size(); });
    return s_files.emplace(nFigures, files).first->second;
}

// Output goes where a script would throw it away, through the same
// buffer size as korvada-cli's standard output.
std::FILE* OpenNull(char* pBuffer)
{
    std::FILE* pFile = std::fopen("/dev/null", "wb");
    std::setvbuf(pFile, pBuffer, _IOFBF, kStreamBuffer);
    return pFile;
}

// What korvada-cli dump does, to /dev/null.
void RunDump(benchmark::State& state, const JsonBenchFiles& files)
{
    std::vector<char> buffer(kStreamBuffer);
    std::FILE* pOut = OpenNull(buffer.data());
    CMyDrevikDoc doc;
    if (!doc.OnOpenDocument(files.m_strDrawing, nullptr))
        state.SkipWithError("the drawing does not open");
    WriteFiguresJson(doc.m_figures, [pOut](const QByteArray& piece) {
        return std::fwrite(piece.constData(), 1, std::size_t(piece.size()), pOut) == std::size_t(piece.size());
    });
    std::fclose(pOut);
}

void BM_Dump(benchmark::State& state)
{
    const JsonBenchFiles& files = FilesFor(int(state.range(0)));
    for (auto _ : state)
        RunDump(state, files);
}

// The floor: the library's reader straight into its indenting writer,
// nothing built in between.
void BM_Dump_Floor(benchmark::State& state)
{
    const QByteArray path = FilesFor(int(state.range(0))).m_strJson.toLocal8Bit();
    std::vector<char> inBuffer(kStreamBuffer);
    std::vector<char> outBuffer(kStreamBuffer);
    for (auto _ : state) {
        std::FILE* pIn = std::fopen(path.constData(), "rb");
        std::FILE* pOut = std::fopen("/dev/null", "wb");
        rapidjson::FileReadStream in(pIn, inBuffer.data(), inBuffer.size());
        rapidjson::FileWriteStream out(pOut, outBuffer.data(), outBuffer.size());
        rapidjson::PrettyWriter<rapidjson::FileWriteStream> writer(out);
        writer.SetIndent(' ', 4);
        rapidjson::Reader reader;
        if (reader.Parse(in, writer).IsError())
            state.SkipWithError("the JSON does not parse");
        out.Flush();
        std::fclose(pIn);
        std::fclose(pOut);
    }
}

// What korvada-cli pack does, the drawing's bytes to /dev/null.
void BM_Pack(benchmark::State& state)
{
    const JsonBenchFiles& files = FilesFor(int(state.range(0)));
    for (auto _ : state) {
        QFile json(files.m_strJson);
        json.open(QIODevice::ReadOnly);
        FigureArray figures;
        QString strError;
        if (ReadFiguresJson(json, figures, &strError) != JsonReadStatus::Done)
            state.SkipWithError("the JSON does not pack");
        CArchive ar;
        SerializeFigures(ar, figures);
        QFile out(QStringLiteral("/dev/null"));
        out.open(QIODevice::WriteOnly);
        out.write(ar.GetBuffer());
    }
}

// Pack's measure is dump of the same drawing: reading figures back should
// cost no more than a few times writing them out.
void BM_Pack_Floor(benchmark::State& state)
{
    const JsonBenchFiles& files = FilesFor(int(state.range(0)));
    for (auto _ : state)
        RunDump(state, files);
}

}  // namespace

BENCHMARK(BM_Dump)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dump_Floor)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pack)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pack_Floor)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
