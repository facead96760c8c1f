// Printing: the page grid over the canvas, the page origins, the canvas
// image a raster printer gets, and a whole job written to a PDF file.
#include "figures/rectangles.h"
#include "view/printpages.h"
#include "viewtesting.h"
#include "colortesting.h"

#include <QCoreApplication>
#include <QFile>
#include <QGraphicsView>
#include <QScrollBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using namespace viewtest;

TEST(ViewPrintPages, pageGridCoversTheCanvasAtTheResolution)
{
    const struct {
        const char* pszPrinter;
        int nHorzRes, nVertRes, nDpi, nColumns, nRows;
    } rows[] = {
        {"600 dpi portrait", 4800, 6600, 600, 2, 1},  {"600 dpi landscape", 6400, 4800, 600, 2, 2},
        {"300 dpi portrait", 2400, 3300, 300, 2, 1},  {"1200 dpi portrait", 9600, 13200, 1200, 2, 1},
        {"small pages", 1000, 1000, 600, 7, 5},       {"no printable width", 0, 6600, 600, 1, 1},
        {"negative height", 4800, -5, 600, 2, 1},
    };
    for (const auto& row : rows) {
        const PageGrid grid = ComputePageGrid(kCanvasSize, row.nHorzRes, row.nVertRes, row.nDpi, row.nDpi);
        EXPECT_EQ(CPoint(grid.nColumns, grid.nRows), CPoint(row.nColumns, row.nRows)) << row.pszPrinter;
    }
    EXPECT_EQ(PageViewportOrigin(1, 2, 4800, 6600), CPoint(0, 0));
    EXPECT_EQ(PageViewportOrigin(2, 2, 4800, 6600), CPoint(-4800, 0));
    EXPECT_EQ(PageViewportOrigin(4, 3, 100, 70), CPoint(0, -70)) << "next row after three columns";
    EXPECT_EQ(PageViewportOrigin(6, 3, 100, 70), CPoint(-200, -70));
    EXPECT_EQ(PageViewportOrigin(0, 0, 100, 70), CPoint(0, 0)) << "no page, no columns";
}

TEST_F(ViewTest, rasterPrinterGetsTheBorderAndNoGrid)
{
    doc.AddFigure(Line(2540, -2540, 5080, -2540, kRed, 1));
    // At 100 dpi one inch (2540 units) is 100 pixels.
    const QImage image = view.RenderCanvasForPrint(100);
    ASSERT_EQ(image.size(), QSize(1072, 804));
    EXPECT_COLOR_EQ(image.pixel(150, 100), kRgbRed) << "the line at true scale";

    CDC dcMapping;
    dcMapping.SetUnitsPerPixel(25.4);
    CPoint ptCorner(27195, -20396);
    dcMapping.LPtoDP(&ptCorner);
    const int nColumnBlack = CountPixels(image, kBlack, QRect(ptCorner.x, 0, 1, image.height()));
    const int nRowBlack = CountPixels(image, kBlack, QRect(0, ptCorner.y, image.width(), 1));
    EXPECT_GE(nColumnBlack, ptCorner.y);
    EXPECT_GE(nRowBlack, ptCorner.x);
    // The border is the only black: no grid dot reaches paper.
    const int nCornerBlack = image.pixel(ptCorner.x, ptCorner.y) == kBlack;
    EXPECT_EQ(CountPixels(image, kBlack), nColumnBlack + nRowBlack - nCornerBlack);
}

int PdfPageCount(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST_F(ViewTest, printJobHasEveryPageOfTheGridOrTheRangeAsked)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    doc.AddFigure(Line(1000, -1000, 26000, -19000, RGB(0, 0, 0), 4));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(150);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const QString strPath = dir.filePath(QStringLiteral("job.pdf"));
    printer.setOutputFileName(strPath);

    view.PrintPages(&printer);
    EXPECT_EQ(view.m_nPrintHorzRes, printer.width());
    EXPECT_EQ(view.m_nPrintVertRes, printer.height());
    EXPECT_EQ(CPoint(view.m_nPageColumns, view.m_nPageRows), CPoint(2, 1))
        << "an A4 page at 150 dpi is narrower than the canvas, not lower";
    EXPECT_EQ(PdfPageCount(strPath), 2);

    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    view.PrintPages(&printer);
    EXPECT_EQ(PdfPageCount(strPath), 1);
}

}  // namespace

namespace {

// The most reddish pixels in any one column (bVertical) or row: a side
// of a dashed rectangle, where the dashes survive.
int MostRedInALine(const QImage& image, bool bVertical)
{
    const int nOuter = bVertical ? image.width() : image.height();
    const int nInner = bVertical ? image.height() : image.width();
    int nBest = 0;
    for (int i = 0; i < nOuter; ++i) {
        int nCount = 0;
        for (int j = 0; j < nInner; ++j) {
            const QColor color = image.pixelColor(bVertical ? i : j, bVertical ? j : i);
            nCount += color.red() - color.green() > 40 ? 1 : 0;
        }
        nBest = std::max(nBest, nCount);
    }
    return nBest;
}

}  // namespace

// The preview reduces the page to its zoom; a dashed rectangle, whose pen is
// one printer pixel wide, keeps its sides there at every zoom.
TEST_F(ViewTest, previewKeepsThinLinesWhole)
{
    // Four inches wide, three tall.
    doc.AddFigure(std::make_unique<CRectangle>(2540, -2540, 12700, -10160, kRed, 1, FALSE, PS_DASH));
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(1200);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewWidget preview(&printer);
    view.ConnectPreview(&preview);
    // 0.375 is what the preview window opens at to show a whole page.
    for (const double dZoom : {0.3, 0.375, 0.5, 0.6, 0.75, 1.0, 1.5}) {
        preview.resize(1200, 1000);
        preview.setZoomFactor(dZoom);
        preview.show();
        QCoreApplication::processEvents();
        // The first page's top left, where the rectangle is.
        auto* pPages = preview.findChild<QGraphicsView*>();
        ASSERT_NE(pPages, nullptr);
        pPages->horizontalScrollBar()->setValue(0);
        pPages->verticalScrollBar()->setValue(0);
        QCoreApplication::processEvents();
        const QImage image = preview.grab().toImage();
        // A page at zoom 1 shows an inch as the screen's logical dpi.
        const double dInch = preview.logicalDpiX() * dZoom;
        EXPECT_GE(MostRedInALine(image, false), int(4 * dInch * 0.4)) << "zoom " << dZoom;
        EXPECT_GE(MostRedInALine(image, true), int(3 * dInch * 0.4)) << "zoom " << dZoom;
    }
}

// A PDF file keeps the page pictures without loss: no JPEG in it.
TEST_F(ViewTest, pdfPagesAreStoredLosslessly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    doc.AddFigure(std::make_unique<CRectangle>(2540, -2540, 12700, -10160, kRed, 1, FALSE, PS_DASH));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(150);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString strPath = dir.filePath(QStringLiteral("job.pdf"));
    printer.setOutputFileName(strPath);
    view.PrintPages(&printer);
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("/DCTDecode")) << "a page picture went in as JPEG";
    EXPECT_TRUE(bytes.contains("/Image"));
}
