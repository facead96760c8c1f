// Exports: the context's sink hears every primitive a figure draws, and the
// SVG, drawn back by an independent reader, looks like the PNG.
#include "export_testing.h"
#include "figure_samples.h"

#include "document/mydrevikdoc.h"
#include "platform/dc.h"
#include "platform/dcsink.h"
#include "view/export/exportdrawing.h"
#include "view/export/svgsink.h"
#include "view/render.h"

#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Writes down the kind of each primitive and the colour it is drawn in.
class CRecordingSink : public CDCSink {
public:
    void Line(const CDCSinkState& s, CPoint, CPoint) override { Add("Line", s.pen.color); }
    void Rectangle(const CDCSinkState& s, const CRect&) override { Add("Rectangle", s.pen.color); }
    void RoundRect(const CDCSinkState& s, const CRect&, CSize) override { Add("RoundRect", s.pen.color); }
    void Ellipse(const CDCSinkState& s, const CRect&) override { Add("Ellipse", s.pen.color); }
    void ArcShape(const CDCSinkState& s, CDCArcKind kind, const CRect&, CPoint, CPoint) override
    {
        Add(kind == CDCArcKind::Arc ? "Arc" : kind == CDCArcKind::Chord ? "Chord" : "Pie", s.pen.color);
    }
    void Bezier(const CDCSinkState& s, const std::vector<CPoint>& v) override
    {
        if (v.size() == 4)
            Add("Bezier", s.pen.color);
    }
    void Polygon(const CDCSinkState& s, const std::vector<CPoint>&) override { Add("Polygon", s.pen.color); }
    void Pixel(const CDCSinkState&, CPoint, COLORREF color) override
    {
        Add("Pixel", color);
    }
    void Text(const CDCSinkState& s, CPoint, const QString& str, const QFont&) override
    {
        Add("Text", s.colorText);
        m_strText += str;
    }
    void FloodFill(const CDCSinkState& s, const QImage& image, QPoint ptDevice) override
    {
        m_nFilled = 0;
        COLORREF colorFirst = CLR_INVALID;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0) {
                    m_setFilled.insert(QPoint(x, y) + ptDevice);
                    if (m_nFilled++ == 0)
                        colorFirst = ToColorRef(image.pixel(x, y));
                }
        Add("FloodFill", s.brush.type == BrushData::Type::Solid ? s.brush.color : colorFirst);
    }

    QStringList m_listKinds;
    QList<COLORREF> m_listColours;
    QString m_strText;
    qint64 m_nFilled = -1;
    QSet<QPoint> m_setFilled;  // device pixels

private:
    // Runs of one kind count once: an arrowhead's strokes, a curve's pixels.
    void Add(const char* pszKind, COLORREF color)
    {
        if (!m_listKinds.isEmpty() && m_listKinds.last() == QLatin1String(pszKind))
            return;
        m_listKinds << QString::fromLatin1(pszKind);
        m_listColours << color;
    }
};

struct SinkCase {
    const char* pszClass;
    int nIndex;  // in MakeOneOfEachClass
    const char* pszKinds;
    COLORREF color;  // CLR_INVALID: a pattern, checked on its own
};
void PrintTo(const SinkCase& c, std::ostream* pOut) { *pOut << c.pszClass; }

class SinkHearsEachClass : public ::testing::TestWithParam<SinkCase> {};

}  // namespace

TEST_P(SinkHearsEachClass, primitivesAndColour)
{
    const SinkCase& c = GetParam();
    const FigureArray figures = MakeOneOfEachClass();
    CFigure* pFigure = figures[std::size_t(c.nIndex)].get();
    ASSERT_STREQ(pFigure->GetRuntimeClass()->m_lpszClassName, c.pszClass);
    // One logical unit per pixel: the samples are a few units across.
    QImage image(1200, 2200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage imageBefore = image;
    CDC dc(&image, 1.0);
    dc.SetViewportOrg(50, 50);
    BeginFigurePainting(&dc);
    CRecordingSink sink;
    dc.SetSink(&sink);
    pFigure->Draw(&dc);
    EXPECT_EQ(sink.m_listKinds.join(u' ').toStdString(), c.pszKinds);
    ASSERT_FALSE(sink.m_listColours.isEmpty());
    if (c.color != CLR_INVALID) {
        EXPECT_EQ(sink.m_listColours.first(), c.color);
    }

    // The pixels are the same as without a sink.
    QImage imagePlain = imageBefore;
    CDC dcPlain(&imagePlain, 1.0);
    dcPlain.SetViewportOrg(50, 50);
    BeginFigurePainting(&dcPlain);
    pFigure->Draw(&dcPlain);
    dc.Detach();
    dcPlain.Detach();
    EXPECT_TRUE(image == imagePlain);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, SinkHearsEachClass,
    ::testing::Values(SinkCase{"CLine", 0, "Line", 0x0000FF}, SinkCase{"CRectangle", 1, "Rectangle Line", 0x00FF00},
                      SinkCase{"CRectRound", 2, "RoundRect", 0xFF0000}, SinkCase{"CCircle", 3, "Ellipse Line", 0x123456},
                      SinkCase{"CArc", 7, "Arc Line", 0x0A0B0C}, SinkCase{"CChord", 8, "Chord", 0x0C0B0A},
                      SinkCase{"CPie", 9, "Pie Line", 0x111111}, SinkCase{"CBezier", 12, "Bezier", 0x444444},
                      SinkCase{"CPolygon", 13, "Polygon", 0x555555}, SinkCase{"CTrigon", 14, "Pixel", 0x666666},
                      SinkCase{"CMeasure", 15, "Line Text Line", 0x777777}, SinkCase{"CText", 16, "Text", 0x888888},
                      SinkCase{"CFloodFill", 17, "FloodFill", CLR_INVALID}),
    [](const ::testing::TestParamInfo<SinkCase>& info) { return std::string(info.param.pszClass); });

TEST(SinkHears, filledShapesCarryTheirBrush)
{
    const FigureArray figures = MakeOneOfEachClass();
    QImage image(600, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, 1.0);
    dc.SetViewportOrg(50, 50);
    struct BrushSink : CRecordingSink {
        void Rectangle(const CDCSinkState& s, const CRect&) override { m_brushes << s.brush; }
        QList<BrushData> m_brushes;
    } sink;
    dc.SetSink(&sink);
    figures[4]->Draw(&dc);  // CRectFill, fill style 7: a hatch
    dc.Detach();
    ASSERT_EQ(sink.m_brushes.size(), 1);
    EXPECT_EQ(sink.m_brushes[0].type, BrushData::Type::Hatch);
    EXPECT_EQ(sink.m_brushes[0].color, COLORREF(0x654321));
}

TEST(SinkHears, floodFillIsExactlyItsPixels)
{
    // The fill's image holds the pixels turned green, and only those.
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, 1.0);
    BeginFigurePainting(&dc);
    CRecordingSink sink;
    CRectangle frame(10, -10, 110, -60, 0x000000, 1, FALSE, PS_SOLID);
    frame.Draw(&dc);
    dc.SetSink(&sink);
    CFloodFill fill(50, -30, 0, 0, 0x000000, 0x00FF00, 1);
    fill.Draw(&dc);
    dc.Detach();
    EXPECT_EQ(sink.m_listKinds.join(u' ').toStdString(), "FloodFill");
    qint64 nGreen = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool bGreen = image.pixel(x, y) == qRgb(0, 0xFF, 0);
            nGreen += bGreen;
            ASSERT_EQ(bGreen, sink.m_setFilled.contains(QPoint(x, y))) << x << ", " << y;
        }
    EXPECT_GT(nGreen, 1000);
    EXPECT_EQ(sink.m_nFilled, nGreen);
}


TEST(SvgExport, readBackMatchesThePng)
{
    const QString strReader = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (strReader.isEmpty())
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    CMyDrevikDoc doc;
    doc.m_figures = MakeVisibleShapes();
    doc.m_nStep = doc.GetCount() - 1;
    const QImage imagePng = ExportDrawingImage(&doc, 1.0);
    QTemporaryDir dir;
    const QString strSvg = dir.filePath(QStringLiteral("a.svg")), strBack = dir.filePath(QStringLiteral("b.png"));
    QFile file(strSvg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ExportDrawingSvg(&doc));
    file.close();
    QProcess reader;
    reader.start(strReader, {QStringLiteral("-w"), QString::number(imagePng.width()), QStringLiteral("-h"),
                             QString::number(imagePng.height()), QStringLiteral("-b"), QStringLiteral("white"),
                             QStringLiteral("-o"), strBack, strSvg});
    ASSERT_TRUE(reader.waitForFinished(60000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().constData();
    const QImage imageBack(strBack);
    ASSERT_EQ(imageBack.size(), imagePng.size());
    EXPECT_LT(ClearlyDifferentShare(imagePng, imageBack, 4), 0.01);

    // Stepping back leaves the later figures out of the export.
    doc.m_nStep = -1;
    const QByteArray svgEmpty = ExportDrawingSvg(&doc);
    EXPECT_FALSE(svgEmpty.contains("<path"));
    EXPECT_FALSE(svgEmpty.contains("<image"));
}

TEST(SvgExport, trueSizeInMillimetres)
{
    CMyDrevikDoc doc;
    const QByteArray svg = ExportDrawingSvg(&doc);
    EXPECT_TRUE(svg.contains("width=\"271.95mm\" height=\"203.96mm\" viewBox=\"0 0 27195 20396\"")) << svg.constData();
}

TEST(PngExport, scaleMultipliesTheCanvas)
{
    CMyDrevikDoc doc;
    doc.m_figures = MakeVisibleShapes();
    doc.m_nStep = doc.GetCount() - 1;
    const QImage image1 = ExportDrawingImage(&doc, 1.0), image2 = ExportDrawingImage(&doc, 2.0);
    EXPECT_EQ(image1.size(), QSize(1024, 768));
    EXPECT_EQ(image2.size(), QSize(2048, 1536));
    EXPECT_LT(ClearlyDifferentShare(image1, image2.scaled(image1.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 4), 0.02);
    EXPECT_TRUE(ExportDrawingImage(&doc, 0.1).isNull());
}

namespace {

struct PixelsCase {
    const char* pszName;
    std::vector<std::pair<CPoint, COLORREF>> vecPixels;
    const char* pszPaths;  // the body's pixel paths, written by hand
};
void PrintTo(const PixelsCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class SvgPixelRuns : public ::testing::TestWithParam<PixelsCase> {};

}  // namespace

// One logical unit per pixel in the pixel mapping: pixel (x, y) is the
// square from x to x + 1.
TEST_P(SvgPixelRuns, eachPixelOnceInOnePathPerColour)
{
    const PixelsCase& c = GetParam();
    CDCSinkState state;
    state.nMapMode = MM_TEXT;
    state.nROP2 = R2_COPYPEN;
    state.dUnitsPerPixel = 1;
    CSvgSink sink;
    for (const auto& [pt, color] : c.vecPixels)
        sink.Pixel(state, pt, color);
    const QByteArray svg = sink.Document(CSize(100, 100));
    const qsizetype nFirst = svg.indexOf("<path");
    ASSERT_GE(nFirst, 0) << svg.constData();
    EXPECT_EQ(svg.mid(nFirst, svg.indexOf("</svg>") - nFirst).toStdString(), c.pszPaths);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SvgPixelRuns,
    ::testing::Values(
        PixelsCase{"setTwiceWrittenOnce",
                   {{CPoint(2, 3), 0}, {CPoint(3, 3), 0}, {CPoint(2, 3), 0}},
                   "<path transform=\"scale(1.000000)\" fill=\"#000000\" d=\"M2 3h1v1h-1zm1 0h1v1h-1z\"/>\n"},
        PixelsCase{"movesRelativeBackAndUp",
                   {{CPoint(5, 5), RGB(255, 0, 0)}, {CPoint(4, 4), RGB(255, 0, 0)}},
                   "<path transform=\"scale(1.000000)\" fill=\"#ff0000\" d=\"M5 5h1v1h-1zm-1 -1h1v1h-1z\"/>\n"},
        PixelsCase{"newColourNewPath",
                   {{CPoint(1, 1), RGB(255, 0, 0)}, {CPoint(2, 1), RGB(0, 0, 255)}, {CPoint(1, 1), RGB(0, 0, 255)}},
                   "<path transform=\"scale(1.000000)\" fill=\"#ff0000\" d=\"M1 1h1v1h-1z\"/>\n"
                   "<path transform=\"scale(1.000000)\" fill=\"#0000ff\" d=\"M2 1h1v1h-1zm-1 0h1v1h-1z\"/>\n"}),
    [](const ::testing::TestParamInfo<PixelsCase>& info) { return std::string(info.param.pszName); });

// A thread curve's thousand pixels go in as one image holding exactly them.
TEST(SvgPixelRunsLong, becomeOneImageOfExactlyThePixels)
{
    CDCSinkState state;
    state.nMapMode = MM_TEXT;
    state.nROP2 = R2_COPYPEN;
    state.dUnitsPerPixel = 1;
    CSvgSink sink;
    QSet<QPoint> setPixels;
    for (int i = 0; i < 300; ++i) {
        const CPoint pt(10 + i / 2, 20 + (i / 2) % 7);  // each pixel twice
        sink.Pixel(state, pt, RGB(0, 128, 255));
        setPixels.insert(QPoint(pt.x, pt.y));
    }
    const QByteArray svg = sink.Document(CSize(400, 400));
    EXPECT_FALSE(svg.contains("<path")) << svg.constData();
    ASSERT_EQ(svg.count("<image"), 1) << svg.constData();
    EXPECT_TRUE(svg.contains("<image x=\"10\" y=\"20\" width=\"150\" height=\"7\"")) << svg.constData();
    const qsizetype nData = svg.indexOf("base64,") + 7;
    const QImage image = QImage::fromData(QByteArray::fromBase64(svg.mid(nData, svg.indexOf('"', nData) - nData)), "PNG");
    ASSERT_EQ(image.size(), QSize(150, 7));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            const bool bSet = setPixels.contains(QPoint(10 + x, 20 + y));
            ASSERT_EQ(qAlpha(rgb) == 255, bSet) << x << ", " << y;
            if (bSet) {
                ASSERT_EQ(rgb, qRgb(0, 128, 255)) << x << ", " << y;
            }
        }
}
