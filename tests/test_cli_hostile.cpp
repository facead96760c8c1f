// korvada-cli against hostile drawings and hostile surroundings: a full
// standard output, thousands of back references to one long text or one
// costly figure, and input that asks for more memory than there is.
#include "backrefs.h"
#include "cli/drawingjson.h"
#include "figures/archive/figurestream.h"
#include "figure_samples.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/resource.h>

namespace {

struct CliRun {
    int nExit = -1;
    QByteArray err;
};

// AddressSanitizer reserves terabytes of address space for its shadow
// memory, so a program built with it cannot start under a limit on its
// address space.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceLimitWorks = false;
#else
constexpr bool kAddressSpaceLimitWorks = true;
#endif

// korvada-cli with standard output to strOut (when given) and its address
// space limited to nMemoryLimit bytes (when given).
CliRun RunCli(const QStringList& args, const QString& strOut = QString(), rlim_t nMemoryLimit = RLIM_INFINITY,
              const QByteArray& input = QByteArray())
{
    QProcess process;
    if (!strOut.isEmpty())
        process.setStandardOutputFile(strOut);
    process.setChildProcessModifier([nMemoryLimit] {
        const rlimit limit{nMemoryLimit, nMemoryLimit};
        if (nMemoryLimit != RLIM_INFINITY)
            setrlimit(RLIMIT_AS, &limit);
    });
    process.start(QStringLiteral(KORVADA_CLI_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(300000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

QString WriteFile(const QTemporaryDir& dir, const char* pszName, const QByteArray& bytes)
{
    QFile file(dir.filePath(QString::fromLatin1(pszName)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QByteArray LinesDrawing(int nLines)
{
    FigureArray figures;
    for (int i = 0; i < nLines; ++i)
        figures.push_back(std::make_unique<CLine>(i, -i, i + 100, -i - 100, COLORREF(i), 1, PS_SOLID));
    CArchive ar;
    SerializeFigures(ar, figures);
    return ar.GetBuffer();
}

}  // namespace

// Whatever the size of the JSON, a standard output that cannot take it is
// exit 3 with the reason in words.
TEST(CliHostile, dumpToAFullOutputFailsWithThree)
{
    QTemporaryDir dir;
    for (int nLines : {1, 200}) {
        const QString strDrawing = WriteFile(dir, "lines.kvd", LinesDrawing(nLines));
        const CliRun run = RunCli({QStringLiteral("dump"), strDrawing}, QStringLiteral("/dev/full"));
        EXPECT_EQ(run.nExit, 3) << nLines << " lines: " << run.err.constData();
        EXPECT_TRUE(QString::fromLocal8Bit(run.err).contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
            << nLines << " lines: " << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    }
}

// The JSON comes one figure at a time: the same document as the whole
// writer's, in pieces no larger than one figure.
TEST(CliHostile, jsonIsWrittenOneFigureAtATime)
{
    FigureArray figures = MakeOneOfEachClass();
    QJsonArray array;
    qsizetype nLargestFigure = 0;
    for (const auto& pFigure : figures) {
        FigureArray one;
        one.push_back(CopyFigure(*pFigure));
        const QJsonObject object = QJsonDocument::fromJson(FiguresToJson(one)).object()["figures"][0].toObject();
        nLargestFigure = std::max(nLargestFigure, QJsonDocument(object).toJson().size());
        array.append(object);
    }
    qsizetype nLargestPiece = 0;
    QByteArray json;
    ASSERT_TRUE(WriteFiguresJson(figures, [&](const QByteArray& piece) {
        nLargestPiece = std::max(nLargestPiece, piece.size());
        json += piece;
        return true;
    }));
    EXPECT_EQ(json, QJsonDocument(QJsonObject{{"figures", array}}).toJson(QJsonDocument::Indented));
    // Each figure sits two levels deep: 8 spaces more on each of its lines.
    EXPECT_LE(nLargestPiece, 2 * nLargestFigure);
    FigureArray none;
    EXPECT_EQ(FiguresToJson(none), QJsonDocument(QJsonObject{{"figures", QJsonArray()}}).toJson());
    // A refused piece stops the writer.
    int nPieces = 0;
    EXPECT_FALSE(WriteFiguresJson(figures, [&nPieces](const QByteArray&) { return ++nPieces < 3; }));
    EXPECT_EQ(nPieces, 3);
}

// 2,500 back references to one text of 65,535 characters: 160 MB of JSON,
// dumped within 256 MB of address space, most of which the program and its
// libraries take before the first figure.
TEST(CliHostile, dumpOfSharedLongTextsStaysSmallInMemory)
{
    if (!kAddressSpaceLimitWorks)
        GTEST_SKIP() << "korvada-cli is built with AddressSanitizer, which needs more address space than the limit";
    QTemporaryDir dir;
    const QString strDrawing = WriteFile(
        dir, "texts.kvd",
        BackReferenceDrawing(new CText(0, 0, 0, 0, 0, QString(65535, u'x'), LOGFONT{}), 2500));
    const CliRun run = RunCli({QStringLiteral("dump"), strDrawing}, QStringLiteral("/dev/null"), rlim_t(256) << 20);
    EXPECT_EQ(run.nExit, 0) << run.err.constData();
}

// Past the time limit render gives up with exit 2 and writes nothing; a
// drawing that paints in time is written as usual.
TEST(CliHostile, renderTimeoutExitsWithTwoAndNoImage)
{
    QTemporaryDir dir;
    const QString strCostly = WriteFile(
        dir, "fills.kvd", BackReferenceDrawing(new CFloodFill(1000, -1000, 0, 0, 0, RGB(0, 128, 0), 1), 50000));
    const QString strImage = dir.filePath(QStringLiteral("out.png"));
    const CliRun slow = RunCli({QStringLiteral("render"), strCostly, strImage, QStringLiteral("--timeout"),
                                QStringLiteral("0.5")});
    EXPECT_EQ(slow.nExit, 2) << slow.err.constData();
    EXPECT_TRUE(slow.err.contains("took longer than 0.5 seconds")) << slow.err.constData();
    EXPECT_EQ(slow.err.count('\n'), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fills.kvd")});

    const QString strQuick = WriteFile(dir, "line.kvd", RedLineDrawing());
    const CliRun quick = RunCli({QStringLiteral("render"), strQuick, strImage, QStringLiteral("--timeout"),
                                 QStringLiteral("600")});
    EXPECT_EQ(quick.nExit, 0) << quick.err.constData();
    EXPECT_TRUE(QFile::exists(strImage));
    for (const char* pszBad : {"0", "-1", "soon"}) {
        const CliRun bad = RunCli({QStringLiteral("render"), strQuick, strImage, QStringLiteral("--timeout"),
                                   QString::fromLatin1(pszBad)});
        EXPECT_EQ(bad.nExit, 1) << pszBad;
    }
}

// Input too large for the memory there is: exit 2 and "out of memory",
// never an abort.
TEST(CliHostile, runningOutOfMemoryIsExitTwo)
{
    if (!kAddressSpaceLimitWorks)
        GTEST_SKIP() << "korvada-cli is built with AddressSanitizer, which needs more address space than the limit";
    QTemporaryDir dir;
    QByteArray json = R"({"figures":[{"class":"CText","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":0,"m_strText":")";
    json += QByteArray(300 << 20, 'x');
    json += R"("}]})";
    const QString strJson = WriteFile(dir, "big.json", json);
    json.clear();
    json.squeeze();
    const CliRun run = RunCli({QStringLiteral("pack"), strJson, dir.filePath(QStringLiteral("out.kvd"))}, QString(),
                              rlim_t(768) << 20);
    EXPECT_EQ(run.nExit, 2) << run.err.constData();
    EXPECT_TRUE(run.err.contains("out of memory")) << run.err.constData();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.kvd"))));
}

// pack reads its text a block at a time: a JSON larger than all the memory
// the program may have packs all the same, and so does one that comes
// through a pipe in many pieces.
TEST(CliHostile, packReadsItsTextInBlocks)
{
    if (!kAddressSpaceLimitWorks)
        GTEST_SKIP() << "korvada-cli is built with AddressSanitizer, which needs more address space than the limit";
    QTemporaryDir dir;
    const QByteArray line =
        R"({"class":"CLine","m_x1":100,"m_y1":-200,"m_x2":300,"m_y2":-400,"m_color":255,"m_nWidth":1,"m_nPenStyle":0})";
    QByteArray json = R"({"figures":[)" + line;
    json += QByteArray(300 << 20, ' ');
    json += "]}";
    const QString strJson = WriteFile(dir, "spacious.json", json);
    json.clear();
    json.squeeze();
    const QString strOut = dir.filePath(QStringLiteral("out.kvd"));
    const CliRun big = RunCli({QStringLiteral("pack"), strJson, strOut}, QString(), rlim_t(256) << 20);
    EXPECT_EQ(big.nExit, 0) << big.err.constData();
    QFile out(strOut);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), RedLineDrawing());

    QByteArray lines = R"({"figures":[)" + line;
    for (int i = 1; i < 20000; ++i)
        lines += ",\n" + line;
    lines += "]}";
    const QString strFromFile = dir.filePath(QStringLiteral("file.kvd"));
    const QString strFromPipe = dir.filePath(QStringLiteral("pipe.kvd"));
    EXPECT_EQ(RunCli({QStringLiteral("pack"), WriteFile(dir, "lines.json", lines), strFromFile}).nExit, 0);
    const CliRun piped = RunCli({QStringLiteral("pack"), QStringLiteral("-"), strFromPipe}, QString(), RLIM_INFINITY, lines);
    EXPECT_EQ(piped.nExit, 0) << piped.err.constData();
    QFile fromFile(strFromFile);
    QFile fromPipe(strFromPipe);
    ASSERT_TRUE(fromFile.open(QIODevice::ReadOnly) && fromPipe.open(QIODevice::ReadOnly));
    const QByteArray bytes = fromFile.readAll();
    EXPECT_GT(bytes.size(), 20000 * 28);
    EXPECT_EQ(fromPipe.readAll(), bytes);
}
