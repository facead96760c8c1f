// korvada-cli export: its exit statuses, and files of the asked format or
// none at all.
#include "figure_samples.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ExportCase {
    const char* pszName;
    QStringList args;  // after "export"; %D is the drawing, %O the output folder
    int nExit;
    const char* pszOutput;  // the file that must exist afterwards, or null
};
void PrintTo(const ExportCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class CliExport : public ::testing::TestWithParam<ExportCase> {};

}  // namespace

TEST_P(CliExport, exitStatusAndOutput)
{
    const ExportCase& c = GetParam();
    QTemporaryDir dir;
    const QString strDrawing = dir.filePath(QStringLiteral("a.kvd"));
    QFile file(strDrawing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RedLineDrawing());
    file.close();
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    QStringList args{QStringLiteral("export")};
    for (QString str : c.args)
        args << str.replace(QStringLiteral("%D"), strDrawing).replace(QStringLiteral("%O"), dir.filePath(QStringLiteral("out")));
    QProcess process;
    process.start(QStringLiteral(KORVADA_CLI_PATH), args);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), c.nExit) << process.readAllStandardError().constData();
    const QStringList listOut = QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden);
    if (!c.pszOutput) {
        EXPECT_TRUE(listOut.isEmpty()) << listOut.join(u' ').toStdString();
        return;
    }
    ASSERT_EQ(listOut, QStringList{QString::fromLatin1(c.pszOutput)});
    QFile out(dir.filePath(QStringLiteral("out/")) + QString::fromLatin1(c.pszOutput));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    if (QString::fromLatin1(c.pszOutput).endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive)) {
        EXPECT_TRUE(bytes.startsWith("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n")) << bytes.left(80).constData();
        // The red line, in true colour, unless the step leaves it out.
        EXPECT_EQ(bytes.contains("\nLINE\n"), !c.args.contains(QStringLiteral("-1")));
        EXPECT_EQ(bytes.contains("\n420\n16711680\n"), !c.args.contains(QStringLiteral("-1")));
    } else if (QByteArray(c.pszOutput).endsWith(".pdf")) {
        EXPECT_TRUE(bytes.startsWith("%PDF-")) << bytes.left(16).constData();
        // One page object per page: the canvas's, or the printer's grid.
        EXPECT_EQ(bytes.count("/Type /Page\n"), c.args.contains(QStringLiteral("--pages")) ? 2 : 1);
    } else if (QByteArray(c.pszOutput).endsWith(".svg")) {
        EXPECT_TRUE(bytes.startsWith("<?xml")) << bytes.left(80).constData();
        // The red line is there unless the step leaves it out.
        EXPECT_EQ(bytes.contains("stroke=\"#ff0000\""), !c.args.contains(QStringLiteral("-1")));
    } else {
        const QImage image = QImage::fromData(bytes, "PNG");
        const double dScale = c.args.contains(QStringLiteral("--scale")) ? c.args.last().toDouble() : 1.0;
        EXPECT_EQ(image.width(), int(std::ceil(1024 * dScale - 1e-9))) << c.pszName;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliExport,
    ::testing::Values(
        ExportCase{"svg", {QStringLiteral("%D"), QStringLiteral("%O/a.svg")}, 0, "a.svg"},
        ExportCase{"svgStepNone", {QStringLiteral("%D"), QStringLiteral("%O/a.svg"), QStringLiteral("--step"), QStringLiteral("-1")}, 0, "a.svg"},
        ExportCase{"dxf", {QStringLiteral("%D"), QStringLiteral("%O/a.dxf")}, 0, "a.dxf"},
        ExportCase{"dxfStepNone", {QStringLiteral("%D"), QStringLiteral("%O/a.DXF"), QStringLiteral("--step"), QStringLiteral("-1")}, 0, "a.DXF"},
        ExportCase{"png", {QStringLiteral("%D"), QStringLiteral("%O/a.PNG")}, 0, "a.PNG"},
        ExportCase{"pngScale2", {QStringLiteral("%D"), QStringLiteral("%O/a.png"), QStringLiteral("--scale"), QStringLiteral("2")}, 0, "a.png"},
        ExportCase{"pdf", {QStringLiteral("%D"), QStringLiteral("%O/a.pdf")}, 0, "a.pdf"},
        ExportCase{"pdfOnPrinterPages", {QStringLiteral("%D"), QStringLiteral("%O/a.pdf"), QStringLiteral("--pages")}, 0, "a.pdf"},
        ExportCase{"pagesNeedPdf", {QStringLiteral("%D"), QStringLiteral("%O/a.svg"), QStringLiteral("--pages")}, 1, nullptr},
        ExportCase{"unknownType", {QStringLiteral("%D"), QStringLiteral("%O/a.bmp")}, 1, nullptr},
        ExportCase{"oneFile", {QStringLiteral("%D")}, 1, nullptr},
        ExportCase{"scaleTooBig", {QStringLiteral("%D"), QStringLiteral("%O/a.png"), QStringLiteral("--scale"), QStringLiteral("9")}, 1, nullptr},
        ExportCase{"scaleNotNumber", {QStringLiteral("%D"), QStringLiteral("%O/a.png"), QStringLiteral("--scale"), QStringLiteral("x")}, 1, nullptr},
        ExportCase{"gridIsRenders", {QStringLiteral("%D"), QStringLiteral("%O/a.png"), QStringLiteral("--grid")}, 1, nullptr},
        ExportCase{"badStep", {QStringLiteral("%D"), QStringLiteral("%O/a.svg"), QStringLiteral("--step"), QStringLiteral("-2")}, 1, nullptr},
        ExportCase{"missingDrawing", {QStringLiteral("%O/none.kvd"), QStringLiteral("%O/a.svg")}, 2, nullptr},
        ExportCase{"unwritable", {QStringLiteral("%D"), QStringLiteral("%O/no/such/a.svg")}, 3, nullptr}),
    [](const ::testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.pszName); });

TEST(CliExportScale, belongsToExportOnly)
{
    for (const char* pszOption : {"--scale", "--pages"}) {
        QStringList args{QStringLiteral("render"), QStringLiteral("a.kvd"), QStringLiteral("a.png"),
                         QString::fromLatin1(pszOption)};
        if (args.last() == QStringLiteral("--scale"))
            args << QStringLiteral("2");
        QProcess process;
        process.start(QStringLiteral(KORVADA_CLI_PATH), args);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1) << pszOption;
    }
}

TEST(CliExportNames, errorListsEveryFormat)
{
    QProcess process;
    process.start(QStringLiteral(KORVADA_CLI_PATH), {QStringLiteral("export"), QStringLiteral("a.kvd"), QStringLiteral("a.bmp")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const QString strError = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(strError.contains(QStringLiteral("the name must end in .png, .pdf, .svg or .dxf"))) << strError.toStdString();
}
