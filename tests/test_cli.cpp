// korvada-cli run as scripts run it: exit statuses, the one-line messages
// on standard error, and no output file left behind on failure.
#include "figure_samples.h"

#include "platform/archive.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliResult {
    int nExit = -1;
    QByteArray out;
    QByteArray err;
};

CliResult RunCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(KORVADA_CLI_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

class Cli : public ::testing::Test {
protected:
    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromLatin1(pszName)); }
    QString Write(const char* pszName, const QByteArray& bytes) const
    {
        QFile file(Path(pszName));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // The directory holds exactly these files: no output, no temporary left.
    void ExpectFiles(const QStringList& names) const
    {
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(Cli, usageErrorsExitWithOne)
{
    const QString strDrawing = Write("a.kvd", RedLineDrawing());
    const QStringList cases[] = {
        {},
        {QStringLiteral("paint"), strDrawing},
        {QStringLiteral("dump")},
        {QStringLiteral("pack"), strDrawing},
        {QStringLiteral("render"), strDrawing, Path("a.png"), QStringLiteral("--step"), QStringLiteral("x")},
        {QStringLiteral("render"), strDrawing, Path("a.png"), QStringLiteral("--step=-2")},
        {QStringLiteral("dump"), strDrawing, QStringLiteral("--grid")},
        {QStringLiteral("dump"), strDrawing, QStringLiteral("--colour")},
    };
    for (const QStringList& args : cases) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.nExit, 1) << args.join(u' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.constData();
    }
    ExpectFiles({QStringLiteral("a.kvd")});

    const CliResult version = RunCli({QStringLiteral("--version")});
    EXPECT_EQ(version.nExit, 0);
    EXPECT_EQ(version.out, "korvada-cli 3.0\n");
    const CliResult help = RunCli({QStringLiteral("--help")});
    EXPECT_EQ(help.nExit, 0);
    EXPECT_TRUE(help.out.contains("render FILE.kvd OUT.png"));
}

TEST_F(Cli, unreadableInputExitsWithTwo)
{
    const QString strNotDrawing = Write("notes.kvd", "just some text\n");
    for (const QString& strCommand : {QStringLiteral("dump"), QStringLiteral("render")}) {
        QStringList args = {strCommand, strNotDrawing};
        if (strCommand == QStringLiteral("render"))
            args << Path("out.png");
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.nExit, 2);
        EXPECT_EQ(result.err, "Unexpected file format.\n");
        EXPECT_TRUE(result.out.isEmpty());
        args[1] = Path("missing.kvd");
        EXPECT_EQ(RunCli(args).nExit, 2);
    }
    const CliResult pack = RunCli({QStringLiteral("pack"), QStringLiteral("-"), Path("out.kvd")},
                                  R"({"figures":[{"class":"CLine"}]})");
    EXPECT_EQ(pack.nExit, 2);
    EXPECT_EQ(pack.err, "figure 0 (CLine): field \"m_x1\" is missing\n");
    EXPECT_EQ(RunCli({QStringLiteral("pack"), Path("missing.json"), Path("out.kvd")}).nExit, 2);
    ExpectFiles({QStringLiteral("notes.kvd")});
}

TEST_F(Cli, unwritableOutputExitsWithThree)
{
    const QString strDrawing = Write("a.kvd", RedLineDrawing());
    const QString strJson = Write("a.json", R"({"figures":[]})");
    const QString strNoDir = Path("no/such/dir/out");
    for (const QStringList& args : {QStringList{QStringLiteral("pack"), strJson, strNoDir},
                                    QStringList{QStringLiteral("render"), strDrawing, strNoDir}}) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.nExit, 3) << args.first().toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.constData();
    }
    ExpectFiles({QStringLiteral("a.json"), QStringLiteral("a.kvd")});
}

TEST_F(Cli, packAndDumpAreInverse)
{
    // Packing the red line gives the file's bytes; dumping it gives the JSON.
    const QByteArray json =
        R"({"figures":[{"class":"CLine","m_x1":100,"m_y1":-200,"m_x2":300,"m_y2":-400,)"
        R"("m_color":255,"m_nWidth":1,"m_nPenStyle":0}]})";
    const CliResult pack = RunCli({QStringLiteral("pack"), QStringLiteral("-"), Path("line.kvd")}, json);
    ASSERT_EQ(pack.nExit, 0) << pack.err.constData();
    QFile file(Path("line.kvd"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toHex(' '), RedLineDrawing().toHex(' '));

    const CliResult dump = RunCli({QStringLiteral("dump"), Path("line.kvd")});
    EXPECT_EQ(dump.nExit, 0);
    EXPECT_EQ(QJsonDocument::fromJson(dump.out), QJsonDocument::fromJson(json));

    // Every class, through a file on disk.
    FigureArray figures = MakeOneOfEachClass();
    CArchive ar;
    SerializeFigures(ar, figures);
    const CliResult dumpAll = RunCli({QStringLiteral("dump"), Write("all.kvd", ar.GetBuffer())});
    ASSERT_EQ(dumpAll.nExit, 0);
    const QString strJson = Write("all.json", dumpAll.out);
    ASSERT_EQ(RunCli({QStringLiteral("pack"), strJson, Path("again.kvd")}).nExit, 0);
    QFile again(Path("again.kvd"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll().toHex(' '), ar.GetBuffer().toHex(' '));
}

TEST_F(Cli, renderPaintsTheCanvas)
{
    // A thick black horizontal line across the canvas 2655.844 units down,
    // that is on pixel row 100, and the grid on an empty drawing.
    FigureArray figures;
    figures.emplace_back(new CLine(0, -2656, 27000, -2656, 0, 4, PS_SOLID));
    CArchive ar;
    SerializeFigures(ar, figures);
    const QString strDrawing = Write("line.kvd", ar.GetBuffer());
    auto countDark = [](const QImage& image) {
        int nDark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                nDark += qGray(image.pixel(x, y)) < 128;
        return nDark;
    };

    ASSERT_EQ(RunCli({QStringLiteral("render"), strDrawing, Path("all.png")}).nExit, 0);
    const QImage image(Path("all.png"));
    ASSERT_EQ(image.size(), QSize(1024, 768));
    EXPECT_LT(qGray(image.pixel(500, 100)), 128);
    EXPECT_EQ(image.pixel(500, 300), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));

    ASSERT_EQ(RunCli({QStringLiteral("render"), strDrawing, Path("none.png"), QStringLiteral("--step"),
                      QStringLiteral("-1"), QStringLiteral("--grid")}).nExit, 0);
    // Dots every 250 units: 109 columns (0 .. 27000) by 82 rows (0 .. 20250).
    EXPECT_EQ(countDark(QImage(Path("none.png"))), 109 * 82);
}

// knuckle prints the sizes before the scaling, in the joint's order, and
// writes the 56 figures, after those of --into when it is given.
TEST_F(Cli, knucklePrintsSizesAndWritesTheJoint)
{
    const QStringList values = {QStringLiteral("--load"), QStringLiteral("100"), QStringLiteral("--tensile"),
                                QStringLiteral("200"), QStringLiteral("--shear"), QStringLiteral("50"),
                                QStringLiteral("--crushing"), QStringLiteral("200")};
    const CliResult result = RunCli(QStringList{QStringLiteral("knuckle")} + values);
    ASSERT_EQ(result.nExit, 0) << result.err.constData();
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_TRUE(result.out.startsWith("{\"d\": 25.2316972965377"));
    EXPECT_TRUE(result.out.endsWith(", \"d1\": 35, \"d2\": 99, \"d3\": 37, \"d4\": 30, \"t\": 31, \"t1\": 18, "
                                    "\"t2\": 12, \"e6\": 15, \"e8\": 20, \"L1\": 100, \"L2\": 113}\n"))
        << result.out.constData();
    ExpectFiles({});

    const QString strInto = Write("a.kvd", RedLineDrawing());
    const CliResult into = RunCli(QStringList{QStringLiteral("knuckle")} + values
                                  + QStringList{QStringLiteral("-o"), Path("joint.kvd"), QStringLiteral("--into"), strInto});
    ASSERT_EQ(into.nExit, 0) << into.err.constData();
    EXPECT_EQ(into.out, result.out);
    const CliResult dump = RunCli({QStringLiteral("dump"), Path("joint.kvd")});
    const QJsonArray figures = QJsonDocument::fromJson(dump.out)[QStringLiteral("figures")].toArray();
    ASSERT_EQ(figures.size(), 57);
    EXPECT_EQ(figures[0][QStringLiteral("m_x1")].toInt(), 100);  // the red line stays first
    // The joint's centre line: 1.5 L1 = 1.5 x 2600 either side of x 8000.
    EXPECT_EQ(figures[1][QStringLiteral("class")].toString(), "CLine");
    EXPECT_EQ(figures[1][QStringLiteral("m_x1")].toInt(), 4100);
    EXPECT_EQ(figures[1][QStringLiteral("m_x2")].toInt(), 11900);
    EXPECT_EQ(figures[56][QStringLiteral("class")].toString(), "CArc");
}

TEST_F(Cli, knuckleRejectsBadValuesAndUsage)
{
    const auto Args = [](const char* pszLoad, const char* pszTensile, const char* pszShear, const char* pszCrushing) {
        return QStringList{QStringLiteral("knuckle"), QStringLiteral("--load"), pszLoad, QStringLiteral("--tensile"),
                           pszTensile, QStringLiteral("--shear"), pszShear, QStringLiteral("--crushing"), pszCrushing,
                           QStringLiteral("-o"), QStringLiteral("out.kvd")};
    };
    const struct {
        QStringList args;
        int nExit;
        QByteArray err;  // empty: any single line
    } rows[] = {
        {Args("5", "x", "100", "100"), 2, "--load: Please enter a number between 10 and 200.\n"},
        {Args("50", "x", "100", "0"), 2, "--crushing: Please enter a number between 10 and 200.\n"},
        {Args("50", "x", "100", "100"), 2, "--tensile: Please enter a number.\n"},
        {Args("50", "100", "250", "100"), 2, "--shear: Please enter a number between 10 and 200.\n"},
        {{QStringLiteral("knuckle"), QStringLiteral("--load"), QStringLiteral("50")}, 1, {}},
        {{QStringLiteral("dump"), QStringLiteral("a.kvd"), QStringLiteral("--load"), QStringLiteral("50")}, 1, {}},
        {Args("50", "100", "100", "100") + QStringList{QStringLiteral("extra.kvd")}, 1, {}},
    };
    for (const auto& row : rows) {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(KORVADA_CLI_PATH), row.args);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QByteArray err = process.readAllStandardError();
        EXPECT_EQ(process.exitCode(), row.nExit) << row.args.join(u' ').toStdString();
        if (row.err.isEmpty())
            EXPECT_EQ(err.count('\n'), 1) << err.constData();
        else
            EXPECT_EQ(err, row.err);
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    }
    ExpectFiles({});

    const QStringList intoMissing = {QStringLiteral("knuckle"), QStringLiteral("--load"), QStringLiteral("50"),
                                     QStringLiteral("--tensile"), QStringLiteral("100"), QStringLiteral("--shear"),
                                     QStringLiteral("100"), QStringLiteral("--crushing"), QStringLiteral("100"),
                                     QStringLiteral("-o"), Path("out.kvd"), QStringLiteral("--into"), Path("no.kvd")};
    EXPECT_EQ(RunCli(intoMissing).nExit, 2);
    QStringList unwritable = intoMissing.mid(0, 10) + QStringList{Path("no/such/dir/out.kvd")};
    EXPECT_EQ(RunCli(unwritable).nExit, 3);
    ExpectFiles({});
}
