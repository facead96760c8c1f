// korvada-cli render starts a GUI application only for text: a drawing
// with or without text comes out as the program paints it, pixel for
// pixel, and with the same 96 dots per inch in the PNG.
#include "figure_samples.h"

#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "view/render.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct StartCase {
    const char* pszName;
    std::function<FigureArray()> fnFigures;
};

FigureArray LinesAndFills()
{
    FigureArray figures;
    figures.emplace_back(new CLine(500, -500, 20000, -15000, 0x0000FF, 3, PS_DASH));
    figures.emplace_back(new CRectFill(3000, -3000, 9000, -8000, 0x00AA00, 9, FALSE));
    figures.emplace_back(new CCircle(10000, -2000, 16000, -9000, 0xAA0000, 2, TRUE, PS_SOLID));
    return figures;
}

FigureArray WithText()
{
    FigureArray figures = LinesAndFills();
    figures.emplace_back(new CText(2000, -12000, 2000, -12000, 0x000000, QStringLiteral("Bolt 8"), LOGFONT{}));
    return figures;
}

FigureArray WithMeasure()
{
    FigureArray figures = LinesAndFills();
    figures.emplace_back(new CMeasure(1000, -16000, 18000, -16000, 0x000000, PS_SOLID, 1, QStringLiteral("170 mm")));
    return figures;
}

class CliStart : public ::testing::TestWithParam<StartCase> {};

}  // namespace

TEST_P(CliStart, renderGivesTheProgramsPixels)
{
    QTemporaryDir dir;
    FigureArray figures = GetParam().fnFigures();
    CArchive ar;
    SerializeFigures(ar, figures);
    const QString strDrawing = dir.filePath(QStringLiteral("a.kvd"));
    const QString strImage = dir.filePath(QStringLiteral("a.png"));
    {
        QFile file(strDrawing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ar.GetBuffer());
    }
    QProcess process;
    process.start(QStringLiteral(KORVADA_CLI_PATH), {QStringLiteral("render"), strDrawing, strImage});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();

    const QImage image(strImage);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.dotsPerMeterX(), 3780);
    EXPECT_EQ(image.dotsPerMeterY(), 3780);

    // Loaded as the command loads it: a text's font comes from the loading.
    CMyDrevikDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(strDrawing));
    doc.m_nStep = doc.GetCount() - 1;
    const QImage expected = PaintCanvasImage(&doc).convertToFormat(QImage::Format_RGB32);
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), expected.size());
    int nWrong = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (actual.pixel(x, y) == expected.pixel(x, y))
                continue;
            if (nWrong++ == 0)
                ADD_FAILURE() << "first wrong pixel at " << x << ", " << y << ": " << std::hex << actual.pixel(x, y)
                              << " instead of " << expected.pixel(x, y);
        }
    }
    EXPECT_EQ(nWrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Drawings, CliStart,
                         ::testing::Values(StartCase{"linesAndFills", LinesAndFills}, StartCase{"text", WithText},
                                           StartCase{"measuredLine", WithMeasure},
                                           StartCase{"oneOfEachClass", MakeOneOfEachClass}),
                         [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.pszName); });
