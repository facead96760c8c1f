// A figure looks the same however it is painted: a full or a partial
// repaint, the animated replay, the printed canvas and the command-line
// renderer all give the pixels of the release, which draws each new figure
// through its preview context, with a transparent background.
#include "cli/clicommands.h"
#include "dctesting.h"
#include "figures/floodfill.h"
#include "figures/measure.h"
#include "figures/rectangles.h"
#include "figures/text.h"
#include "platform/archive.h"
#include "viewtesting.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

using namespace viewtest;

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr int kPrintDpi = 100;

std::unique_ptr<CFigure> DottedLine(int x1, int y1, int x2, int y2)
{
    return std::make_unique<CLine>(x1, y1, x2, y2, RGB(0, 0, 0), 1, PS_DOT);
}

std::unique_ptr<CFigure> Label(int x, int y, const char* pszText)
{
    // The font a drawing file gives every text, so the loaded copy matches.
    return std::make_unique<CText>(x, y, x, y, RGB(0, 0, 160), QString::fromLatin1(pszText),
                                   GetDefaultTextFont());
}

// Texts and dotted lines over a thick line before any figure has set the
// background mode, then over a filled rectangle, after a measured line and
// over a flood fill, so that each of the figures that change the mode comes
// before some of them.
void AddMixedDrawing(CMyDrevikDoc* pDoc)
{
    pDoc->AddFigure(Line(1000, -800, 9000, -800, kRed, 8));
    pDoc->AddFigure(Label(1000, -500, "FIRST"));
    pDoc->AddFigure(DottedLine(3000, -200, 3000, -1500));
    pDoc->AddFigure(std::make_unique<CRectFill>(1000, -2500, 9000, -6000, kBlue, 6, FALSE));
    pDoc->AddFigure(Label(2000, -3000, "ON HATCH"));
    pDoc->AddFigure(DottedLine(1000, -5000, 9000, -3000));
    pDoc->AddFigure(std::make_unique<CMeasure>(11000, -2000, 20000, -2000, kRed, PS_SOLID, 1,
                                               QStringLiteral("9000 ")));
    pDoc->AddFigure(Label(11000, -3500, "AFTER MEASURE"));
    pDoc->AddFigure(DottedLine(11000, -5000, 20000, -6500));
    pDoc->AddFigure(std::make_unique<CRectangle>(2000, -8000, 12000, -14000, RGB(0, 0, 0), 1, FALSE, PS_SOLID));
    pDoc->AddFigure(std::make_unique<CFloodFill>(5000, -10000, 0, 0, RGB(0, 0, 0), kGreen, 1));
    pDoc->AddFigure(Label(3000, -9000, "ON FILL"));
    pDoc->AddFigure(DottedLine(2500, -12000, 11500, -12500));
}

// The release: each figure through a context of its own, left by the
// preview with the copy operation and a transparent background.
QImage PaintAsReleased(CMyDrevikDoc* pDoc, QSize size, double dUnitsPerPixel)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < pDoc->GetVisibleCount(); ++i) {
        CDC dc(&image, dUnitsPerPixel);
        dc.SetMapMode(MM_HIMETRIC);
        dc.SetViewportOrg(0, 0);
        dc.SetROP2(R2_COPYPEN);
        dc.SetBkMode(TRANSPARENT);
        pDoc->GetFigure(i)->Draw(&dc);
    }
    return image;
}

// "" when the two images agree inside rect, else the first difference.
std::string FirstDifferenceIn(const QImage& image, const QImage& imageWanted, const QRect& rect)
{
    return FirstDifference(image.copy(rect), imageWanted.copy(rect));
}

struct PaintingPathsTest : ViewTest {
    void SetUp() override
    {
        view.m_bGridShow = false;
        AddMixedDrawing(&doc);
        m_imageReleased = PaintAsReleased(&doc, view.GetSurface().size(), view.GetUnitsPerPixel());
        // The drawing must show its texts and both fills, or the paths would
        // agree on nothing.
        ASSERT_GT(CountPixels(m_imageReleased, qRgb(0, 160, 0)), 1000);
        ASSERT_GT(CountPixels(m_imageReleased, qRgb(0, 0, 160)), 100);
    }
    QImage m_imageReleased;
};

TEST_F(PaintingPathsTest, fullRepaintPaintsAsTheRelease)
{
    view.RedrawSurface();
    EXPECT_EQ(FirstDifference(view.GetSurface(), m_imageReleased), "");
}

// Each figure added in another view repaints its own rectangle here.
TEST_F(PaintingPathsTest, partialRepaintsPaintAsTheRelease)
{
    CMyDrevikView viewPartial(&doc);
    viewPartial.m_bGridShow = false;
    QRect rectAll;
    for (int i = 0; i < doc.GetVisibleCount(); ++i) {
        const QRect rect = viewPartial.LogicalToSurfaceRect(doc.GetFigure(i)->GetBoundRect());
        viewPartial.OnUpdate(&view, 0, doc.GetFigure(i));
        EXPECT_EQ(FirstDifferenceIn(viewPartial.GetSurface(), m_imageReleased, rect), "") << "figure " << i;
        rectAll |= rect;
    }
    EXPECT_GT(rectAll.width(), 500);
}

TEST_F(PaintingPathsTest, replayPaintsAsTheRelease)
{
    view.StartAnimation();
    for (int i = 0; i < doc.GetVisibleCount() && view.IsAnimating(); ++i)
        ASSERT_TRUE(QMetaObject::invokeMethod(&view, "OnReplayTick"));
    EXPECT_FALSE(view.IsAnimating());
    EXPECT_EQ(FirstDifference(view.GetSurface(), m_imageReleased), "");
}

// The printed canvas has its border on the right and bottom edges; the
// rest is the release's picture at the printer's scale.
TEST_F(PaintingPathsTest, printedCanvasPaintsAsTheRelease)
{
    const QImage imagePrinted = view.RenderCanvasForPrint(kPrintDpi);
    const QImage imageWanted = PaintAsReleased(&doc, imagePrinted.size(), 2540.0 / kPrintDpi);
    const QRect rectInside(0, 0, imagePrinted.width() - 2, imagePrinted.height() - 2);
    EXPECT_EQ(FirstDifferenceIn(imagePrinted, imageWanted, rectInside), "");
}

TEST_F(PaintingPathsTest, commandLineRenderPaintsAsTheRelease)
{
    QTemporaryDir dir;
    const QString strDrawing = dir.filePath("mixed.kvd");
    const QString strImage = dir.filePath("mixed.png");
    CArchive ar;
    doc.Serialize(ar);
    QFile file(strDrawing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ar.GetBuffer());
    file.close();

    ASSERT_EQ(RenderCommand(strDrawing, strImage, false, std::nullopt), kCliSuccess);
    const QImage imageRendered = QImage(strImage).convertToFormat(QImage::Format_RGB32);
    const QImage imageWanted = PaintAsReleased(&doc, imageRendered.size(), kScreenUnitsPerPixel);
    EXPECT_EQ(FirstDifference(imageRendered, imageWanted), "");
}

// An unrelated filled rectangle added far away leaves a text over a line
// as it was.
TEST(PaintingPaths, aTextDoesNotDependOnAFigureFarBeforeIt)
{
    CMyDrevikDoc docAlone;
    docAlone.AddFigure(Line(500, -1100, 5000, -1100, kRed, 8));
    docAlone.AddFigure(Label(1000, -1000, "BOLT"));
    CMyDrevikDoc docAfterFill;
    docAfterFill.AddFigure(std::make_unique<CRectFill>(20000, -15000, 25000, -19000, kBlue, 1, FALSE));
    docAfterFill.AddFigure(Line(500, -1100, 5000, -1100, kRed, 8));
    docAfterFill.AddFigure(Label(1000, -1000, "BOLT"));
    QImage imageAlone(1024, 768, QImage::Format_RGB32);
    QImage imageAfterFill(1024, 768, QImage::Format_RGB32);
    imageAlone.fill(Qt::white);
    imageAfterFill.fill(Qt::white);
    {
        CDC dcAlone(&imageAlone);
        PaintFigures(&dcAlone, &docAlone, false);
        CDC dcAfterFill(&imageAfterFill);
        PaintFigures(&dcAfterFill, &docAfterFill, false);
    }
    const QRect rectText(0, 0, 500, 300);
    EXPECT_EQ(FirstDifferenceIn(imageAlone, imageAfterFill, rectText), "");
}

}  // namespace
