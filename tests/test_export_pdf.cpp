// PDF export, checked by independent readers (poppler's pdfinfo, pdftoppm
// and pdftotext): the page is the canvas at true size, the figures look as
// in the PNG, the text stays text, and the printer's page grid is the one
// printing uses.
#include "export_testing.h"

#include "document/mydrevikdoc.h"
#include "figures/measure.h"
#include "figures/text.h"
#include "view/export/exportdrawing.h"
#include "view/export/exportpdf.h"
#include "view/printpages.h"
#include "view/render.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>

namespace {

QString Poppler(const char* pszTool)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(pszTool));
}

#define REQUIRE_POPPLER(tool)                                                                  \
    const QString strTool = Poppler(tool);                                                     \
    if (strTool.isEmpty())                                                                     \
    GTEST_SKIP() << tool << " (poppler-utils) is not installed"

bool WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Page count and page size in millimetres as pdfinfo reads them; the
// reader's complaints, if any, in strError.
struct PdfInfo {
    int nPages = 0;
    QSizeF sizeMm;
    QString strError;
};
PdfInfo ReadPdfInfo(const QString& strPdf, int nPage = 1)
{
    PdfInfo info;
    const QByteArray out = RunReader(Poppler("pdfinfo"), {QStringLiteral("-f"), QString::number(nPage),
                                                          QStringLiteral("-l"), QString::number(nPage), strPdf},
                                     &info.strError);
    const QString str = QString::fromUtf8(out);
    const auto matchPages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(str);
    const auto matchSize =
        QRegularExpression(QStringLiteral("Page\\s+\\d*\\s*size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(str);
    if (matchPages.hasMatch())
        info.nPages = matchPages.captured(1).toInt();
    if (matchSize.hasMatch())
        info.sizeMm = QSizeF(matchSize.captured(1).toDouble() / 72 * 25.4, matchSize.captured(2).toDouble() / 72 * 25.4);
    return info;
}

// Page nPage drawn by pdftoppm, at a resolution or scaled to a size.
QImage RenderPage(const QString& strPdf, int nPage, const QStringList& listSize)
{
    const QString strBase = strPdf + QStringLiteral("-page");
    QStringList args{QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                     QString::number(nPage), QStringLiteral("-l"), QString::number(nPage)};
    args << listSize << strPdf << strBase;
    QString strError;
    if (RunReader(Poppler("pdftoppm"), args, &strError).isNull())
        return QImage();
    return QImage(strBase + QStringLiteral(".png"));
}

// Page 1 at the screen's size, antialiased or, like the screen, not.
QImage RenderLikeScreen(const QString& strPdf, bool bAntialiased = true)
{
    QStringList listArgs{QStringLiteral("-scale-to-x"), QStringLiteral("1024"), QStringLiteral("-scale-to-y"),
                         QStringLiteral("768")};
    if (!bAntialiased)
        listArgs << QStringLiteral("-aa") << QStringLiteral("no") << QStringLiteral("-aaVector") << QStringLiteral("no");
    return RenderPage(strPdf, 1, listArgs);
}

int ColourDistance(QRgb p, QRgb q)
{
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// Whether image has a pixel like rgb at pt or next to it.
bool HasLikeNear(const QImage& image, QPoint pt, QRgb rgb)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint ptNear = pt + QPoint(dx, dy);
            if (image.rect().contains(ptNear) && ColourDistance(image.pixel(ptNear), rgb) <= 100)
                return true;
        }
    return false;
}

// Of the pixels inked clearly in either image, the share with no like
// pixel in the other one pixel around: a shape drawn elsewhere, the other
// way round or not at all misses on most of its pixels; a line a pixel
// off on none, and an antialiased edge is too faint to count.
double InkMismatch(const QImage& a, const QImage& b)
{
    const QImage sa = a.convertToFormat(QImage::Format_RGB32), sb = b.convertToFormat(QImage::Format_RGB32);
    qint64 nInk = 0, nMissed = 0;
    for (int y = 0; y < sa.height(); ++y)
        for (int x = 0; x < sa.width(); ++x) {
            const QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            const bool bInkA = ColourDistance(p, qRgb(255, 255, 255)) > 96;
            const bool bInkB = ColourDistance(q, qRgb(255, 255, 255)) > 96;
            nInk += bInkA || bInkB;
            nMissed += (bInkA && !HasLikeNear(sb, {x, y}, p)) || (bInkB && !HasLikeNear(sa, {x, y}, q));
        }
    return nInk == 0 ? 1.0 : double(nMissed) / nInk;
}

class PdfFixture : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes, const char* pszName = "a.pdf")
    {
        const QString strPath = m_dir.filePath(QString::fromLatin1(pszName));
        EXPECT_TRUE(WriteFile(strPath, bytes));
        return strPath;
    }
    QTemporaryDir m_dir;
    CMyDrevikDoc m_doc;
};

}  // namespace

TEST_F(PdfFixture, canvasPageIsTrueSizeAndReadsCleanly)
{
    REQUIRE_POPPLER("pdfinfo");
    m_doc.m_figures = MakeVisibleShapes();
    m_doc.m_nStep = m_doc.GetCount() - 1;
    const QByteArray pdf = ExportDrawingPdf(&m_doc);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const PdfInfo info = ReadPdfInfo(Write(pdf));
    EXPECT_EQ(info.nPages, 1);
    EXPECT_NEAR(info.sizeMm.width(), 271.95, 0.005);
    EXPECT_NEAR(info.sizeMm.height(), 203.96, 0.005);
    EXPECT_TRUE(info.strError.isEmpty()) << info.strError.toStdString();
}

namespace {

// Figures first to last of MakeVisibleShapes, alone on the canvas.
struct ShapeCase {
    const char* pszName;
    int nFirst, nLast;
    double dMaxMismatch = 0.05;
};
void PrintTo(const ShapeCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class PdfLooksLikePng : public ::testing::TestWithParam<ShapeCase> {};

}  // namespace

TEST_P(PdfLooksLikePng, figureByFigure)
{
    REQUIRE_POPPLER("pdftoppm");
    const ShapeCase& c = GetParam();
    FigureArray figures = MakeVisibleShapes();
    CMyDrevikDoc doc;
    for (int i = c.nFirst; i <= c.nLast; ++i)
        doc.m_figures.push_back(std::move(figures[std::size_t(i)]));
    doc.m_nStep = doc.GetCount() - 1;
    QTemporaryDir dir;
    const QString strPdf = dir.filePath(QStringLiteral("a.pdf"));
    ASSERT_TRUE(WriteFile(strPdf, ExportDrawingPdf(&doc)));
    const QImage imageBack = RenderLikeScreen(strPdf, false);
    const QImage imagePng = ExportDrawingImage(&doc, 1.0);
    ASSERT_EQ(imageBack.size(), imagePng.size());
    EXPECT_LT(InkMismatch(imagePng, imageBack), c.dMaxMismatch) << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PdfLooksLikePng,
    // The screen counts a sloped dash along its pixels, the reader along
    // its length; the reader smooths a pattern's tile; a flood fill's
    // pixels cover a fifth of a pixel of the outline around it, which the
    // reader, drawing both at the screen's size, gives wholly to the fill.
    ::testing::Values(ShapeCase{"thickLine", 0, 0}, ShapeCase{"dashedLine", 1, 1, 0.25}, ShapeCase{"rectangle", 2, 2},
                      ShapeCase{"roundRect", 3, 3}, ShapeCase{"circle", 4, 4}, ShapeCase{"hatchedRect", 5, 5},
                      ShapeCase{"filledRoundRect", 6, 6}, ShapeCase{"patternCircle", 7, 7, 0.4}, ShapeCase{"arc", 8, 8},
                      ShapeCase{"chord", 9, 9}, ShapeCase{"pie", 10, 10}, ShapeCase{"filledChord", 11, 11},
                      ShapeCase{"filledPie", 12, 12}, ShapeCase{"bezier", 13, 13}, ShapeCase{"polygon", 14, 14, 0.1},
                      ShapeCase{"threadCurve", 15, 15}, ShapeCase{"floodFill", 16, 17, 0.6}),
    [](const ::testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.pszName); });

TEST_F(PdfFixture, wholeDrawingMatchesThePngAndStepBackLeavesFiguresOut)
{
    REQUIRE_POPPLER("pdftoppm");
    m_doc.m_figures = MakeVisibleShapes();
    m_doc.m_nStep = m_doc.GetCount() - 1;
    const QImage imageBack = RenderLikeScreen(Write(ExportDrawingPdf(&m_doc)));
    const QImage imagePng = ExportDrawingImage(&m_doc, 1.0);
    ASSERT_EQ(imageBack.size(), imagePng.size());
    EXPECT_LT(ClearlyDifferentShare(imagePng, imageBack, 4), 0.01);

    m_doc.m_nStep = -1;
    const QImage imageEmpty = RenderLikeScreen(Write(ExportDrawingPdf(&m_doc), "empty.pdf"));
    QImage imageWhite(imageEmpty.size(), QImage::Format_RGB32);
    imageWhite.fill(Qt::white);
    EXPECT_EQ(ClearlyDifferentShare(imageWhite, imageEmpty, 1), 0.0);
}

// The fill goes in without loss: every pixel it painted on the screen has
// its exact colour when the page is read back at the screen's size.
TEST_F(PdfFixture, floodFillKeepsItsExactPixels)
{
    REQUIRE_POPPLER("pdftoppm");
    FigureArray figures = MakeVisibleShapes();
    m_doc.m_figures.push_back(std::move(figures[16]));  // the frame
    m_doc.m_figures.push_back(std::move(figures[17]));  // the fill inside it
    m_doc.m_nStep = 1;
    const QByteArray pdf = ExportDrawingPdf(&m_doc);
    EXPECT_FALSE(pdf.contains("/DCTDecode"));
    const QImage imageBack = RenderLikeScreen(Write(pdf), false).convertToFormat(QImage::Format_RGB32);
    const QImage imagePng = ExportDrawingImage(&m_doc, 1.0);
    ASSERT_EQ(imageBack.size(), imagePng.size());
    const QRgb rgbFill = qRgb(0xEF, 0xCD, 0xAB);
    qint64 nFilled = 0, nKept = 0;
    for (int y = 0; y < imagePng.height(); ++y)
        for (int x = 0; x < imagePng.width(); ++x)
            if (imagePng.pixel(x, y) == rgbFill) {
                ++nFilled;
                nKept += imageBack.pixel(x, y) == rgbFill;
            }
    EXPECT_GT(nFilled, 10000);
    EXPECT_EQ(nKept, nFilled);
}

TEST_F(PdfFixture, textStaysText)
{
    REQUIRE_POPPLER("pdftotext");
    LOGFONT lf;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    m_doc.m_figures.emplace_back(new CText(2000, -2000, 2100, -2100, RGB(0, 0, 0), QStringLiteral("Bolt M12 x 40"), lf));
    m_doc.m_figures.emplace_back(
        new CMeasure(2000, -6000, 12000, -6000, RGB(0, 0, 255), PS_SOLID, 1, QStringLiteral("100 mm")));
    m_doc.m_nStep = m_doc.GetCount() - 1;
    const QString strPdf = Write(ExportDrawingPdf(&m_doc));
    const QString strText =
        QString::fromUtf8(RunReader(Poppler("pdftotext"), {strPdf, QStringLiteral("-")})).simplified();
    EXPECT_TRUE(strText.contains(QStringLiteral("Bolt M12 x 40"))) << strText.toStdString();
    EXPECT_TRUE(strText.contains(QStringLiteral("100 mm"))) << strText.toStdString();
}

namespace {

struct PagesCase {
    const char* pszName;
    QPageSize::PageSizeId nPaper;
    QPageLayout::Orientation nOrientation;
    double dMarginMm;
    int nDpi;
    int nPages;       // as printing counts them
    int nSquarePage;  // the page of the square at the top right corner
};
void PrintTo(const PagesCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class PdfOnPrinterPages : public ::testing::TestWithParam<PagesCase> {};

}  // namespace

// A solid square at the canvas's top right corner lands on one page, at the
// place the printer's grid gives it, and on no other page.
TEST_P(PdfOnPrinterPages, samePagesAndPlacesAsPrinting)
{
    REQUIRE_POPPLER("pdftoppm");
    const PagesCase& c = GetParam();
    const PrinterPages pages{QPageLayout(QPageSize(c.nPaper), c.nOrientation,
                                         QMarginsF(c.dMarginMm, c.dMarginMm, c.dMarginMm, c.dMarginMm),
                                         QPageLayout::Millimeter),
                             c.nDpi};
    const QRect rectPrintable = pages.layout.paintRectPixels(c.nDpi);
    const PageGrid grid = ComputePageGrid(kCanvasSize, rectPrintable.width(), rectPrintable.height(), c.nDpi, c.nDpi);
    CMyDrevikDoc doc;
    // Fill style 1 is solid.
    doc.m_figures.emplace_back(new CRectFill(26200, -400, 27000, -1200, RGB(255, 0, 0), 1, FALSE));
    doc.m_nStep = 0;
    QTemporaryDir dir;
    const QString strPdf = dir.filePath(QStringLiteral("p.pdf"));
    ASSERT_TRUE(WriteFile(strPdf, ExportDrawingPdfPages(&doc, pages)));

    const PdfInfo info = ReadPdfInfo(strPdf);
    EXPECT_EQ(grid.PageCount(), c.nPages);
    EXPECT_EQ(info.nPages, c.nPages);
    const QSizeF sizePaper = pages.layout.fullRect(QPageLayout::Millimeter).size();
    EXPECT_NEAR(info.sizeMm.width(), sizePaper.width(), 0.5);
    EXPECT_NEAR(info.sizeMm.height(), sizePaper.height(), 0.5);

    // The square's centre, in millimetres from its page's corner.
    const int nLast = c.nSquarePage;
    const CPoint ptOrigin = PageViewportOrigin(nLast, grid.nColumns, rectPrintable.width(), rectPrintable.height());
    const double dX = c.dMarginMm + 266.0 + ptOrigin.x * 25.4 / c.nDpi;
    const double dY = c.dMarginMm + 8.0 + ptOrigin.y * 25.4 / c.nDpi;
    constexpr int kDpi = 50;
    for (int nPage = 1; nPage <= c.nPages; ++nPage) {
        const QImage image = RenderPage(strPdf, nPage, {QStringLiteral("-r"), QString::number(kDpi)});
        ASSERT_FALSE(image.isNull());
        const QPoint ptSquare(int(dX / 25.4 * kDpi), int(dY / 25.4 * kDpi));
        const bool bRed = image.rect().contains(ptSquare) && image.pixel(ptSquare) == qRgb(255, 0, 0);
        EXPECT_EQ(bRed, nPage == nLast) << "page " << nPage;
        qint64 nRed = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                nRed += image.pixel(x, y) == qRgb(255, 0, 0);
        EXPECT_EQ(nRed > 0, nPage == nLast) << "page " << nPage;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Papers, PdfOnPrinterPages,
    ::testing::Values(PagesCase{"a4Portrait", QPageSize::A4, QPageLayout::Portrait, 10, 1200, 2, 2},
                      PagesCase{"a4Landscape", QPageSize::A4, QPageLayout::Landscape, 10, 600, 2, 1},
                      PagesCase{"a3LandscapeOnePage", QPageSize::A3, QPageLayout::Landscape, 5, 300, 1, 1},
                      PagesCase{"a5PortraitWideMargins", QPageSize::A5, QPageLayout::Portrait, 25, 1200, 6, 3},
                      PagesCase{"letterPortrait", QPageSize::Letter, QPageLayout::Portrait, 6.35, 600, 2, 2}),
    [](const ::testing::TestParamInfo<PagesCase>& info) { return std::string(info.param.pszName); });

namespace {

// A thousand figures drawn from a mix, each moved a little from the last
// of its kind.
struct SizeCase {
    const char* pszName;
    bool bLongThreadCurves;  // every eighth figure a thread curve across 190 mm
};
void PrintTo(const SizeCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class VectorExportSize : public ::testing::TestWithParam<SizeCase> {};

}  // namespace

// A thousand figures of every class but the flood fill stay small in both
// vector formats.
TEST_P(VectorExportSize, thousandFiguresUnderOneMegabyte)
{
    const FigureArray shapes = MakeVisibleShapes();
    const CTrigon trigonLong(1000, -1000, 20000, -4000, RGB(0, 0, 0), 10, FALSE);
    CMyDrevikDoc doc;
    for (int i = 0; doc.GetCount() < 1000; ++i) {
        const CFigure& figure = GetParam().bLongThreadCurves && i % 8 == 0
                                    ? static_cast<const CFigure&>(trigonLong)
                                    : *shapes[std::size_t(i) % (shapes.size() - 1)];
        doc.m_figures.push_back(figure.CopyMoved(CSize((i % 7) * 100, -(i % 5) * 100)));
    }
    doc.m_nStep = doc.GetCount() - 1;
    const QByteArray pdf = ExportDrawingPdf(&doc), svg = ExportDrawingSvg(&doc);
    EXPECT_GT(pdf.size(), 10000);
    EXPECT_LT(pdf.size(), 1000 * 1000) << "PDF of a thousand figures";
    EXPECT_GT(svg.size(), 10000);
    EXPECT_LT(svg.size(), 1000 * 1000) << "SVG of a thousand figures";
}

INSTANTIATE_TEST_SUITE_P(Mixes, VectorExportSize,
                         ::testing::Values(SizeCase{"everyClass", false}, SizeCase{"longThreadCurves", true}),
                         [](const ::testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.pszName); });
