// What the view paints on its surface: figures in order up to the step
// pointer, grid dots on top, the area of a figure added in another view,
// the centre mark, and flood fills whatever the scroll position.
#include "figures/floodfill.h"
#include "viewtesting.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using viewtest::CountPixels;
using viewtest::FirstDifference;
using viewtest::GridDotCount;
using viewtest::kBlack;
using viewtest::kWhite;
using viewtest::Line;
using viewtest::PixelAt;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr QRgb kRgbRed = 0xFFFF0000;
constexpr QRgb kRgbBlue = 0xFF0000FF;

// Two thick lines crossing at (5000, -5000), drawn in the order given.
void AddCross(CMyDrevikDoc* pDoc, COLORREF colorFirst, COLORREF colorSecond)
{
    pDoc->AddFigure(Line(2000, -5000, 8000, -5000, colorFirst, 8));
    pDoc->AddFigure(Line(5000, -2000, 5000, -8000, colorSecond, 8));
}

TEST(ViewPaint, laterFiguresCoverEarlierOnesAndStepBackPaintsFewer)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    view.m_bGridShow = false;
    AddCross(&doc, kRed, kBlue);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(PixelAt(view, 5000, -5000), kRgbBlue);
    EXPECT_EQ(PixelAt(view, 3000, -5000), kRgbRed);

    CMyDrevikDoc docReversed;
    CMyDrevikView viewReversed(&docReversed);
    viewReversed.m_bGridShow = false;
    AddCross(&docReversed, kBlue, kRed);
    docReversed.UpdateAllViews(nullptr);
    EXPECT_EQ(PixelAt(viewReversed, 5000, -5000), kRgbRed);

    doc.m_nStep = 0;
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(PixelAt(view, 5000, -5000), kRgbRed);
    EXPECT_EQ(PixelAt(view, 5000, -3000), kWhite);
    EXPECT_EQ(CountPixels(view.GetSurface(), kRgbBlue), 0);
}

TEST(ViewPaint, emptyDocumentShowsOnlyTheGrid)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    const QImage& image = view.GetSurface();
    EXPECT_EQ(CountPixels(image, kBlack), GridDotCount(250));
    EXPECT_EQ(CountPixels(image, kWhite), image.width() * image.height() - GridDotCount(250));
}

TEST(ViewPaint, gridDotsStayBlackOnBlackAndOnWhite)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    // A wide black band along y = -2500 and a red one along y = -5000.
    doc.AddFigure(Line(0, -2500, 10000, -2500, RGB(0, 0, 0), 10));
    doc.AddFigure(Line(0, -5000, 10000, -5000, kRed, 10));
    doc.UpdateAllViews(nullptr);
    for (int x = 250; x < 10000; x += 250) {
        EXPECT_EQ(PixelAt(view, x, -2500), kBlack) << "dot on black at x " << x;
        EXPECT_EQ(PixelAt(view, x, -5000), kBlack) << "dot on red at x " << x;
        EXPECT_EQ(PixelAt(view, x, -7500), kBlack) << "dot on white at x " << x;
        EXPECT_EQ(PixelAt(view, x + 125, -7500), kWhite) << "between dots at x " << x + 125;
        EXPECT_EQ(PixelAt(view, x + 125, -5000), kRgbRed) << "between dots at x " << x + 125;
    }
}

// A figure added in another view repaints only its bounding rectangle
// here: a figure added before it without notice stays unseen.
TEST(ViewPaint, figureFromAnotherViewRepaintsOnlyItsRectangle)
{
    CMyDrevikDoc doc;
    CMyDrevikView viewSender(&doc);
    CMyDrevikView view(&doc);
    view.m_bGridShow = false;
    doc.UpdateAllViews(nullptr);
    const QImage imageBefore = view.GetSurface();

    doc.AddFigure(Line(15000, -15000, 20000, -18000, kBlue, 1));
    doc.AddFigure(Line(2000, -2000, 6000, -4000, kRed, 1));
    CFigure* pAdded = doc.GetFigure(1);
    doc.UpdateAllViews(&viewSender, 0, pAdded);

    const QRect rectRepainted = view.LogicalToSurfaceRect(pAdded->GetBoundRect());
    EXPECT_GT(CountPixels(view.GetSurface(), kRgbRed), 100);
    EXPECT_EQ(CountPixels(view.GetSurface(), kRgbRed, rectRepainted),
              CountPixels(view.GetSurface(), kRgbRed));
    EXPECT_EQ(CountPixels(view.GetSurface(), kRgbBlue), 0);
    for (int y = 0; y < imageBefore.height(); ++y) {
        for (int x = 0; x < imageBefore.width(); ++x) {
            if (!rectRepainted.contains(x, y)) {
                ASSERT_EQ(view.GetSurface().pixel(x, y), imageBefore.pixel(x, y))
                    << "changed outside the figure's rectangle at " << x << ", " << y;
            }
        }
    }

    // The sending view drew the figure itself and is not repainted.
    EXPECT_EQ(CountPixels(viewSender.GetSurface(), kRgbRed), 0);
}

// A damaged file can put a figure anywhere in the int range; its area is
// cut to the surface.
TEST(ViewPaint, figureFarOffTheCanvasRepaintsWithinTheSurface)
{
    CMyDrevikDoc doc;
    CMyDrevikView viewSender(&doc);
    CMyDrevikView view(&doc);
    doc.AddFigure(Line(INT_MIN, INT_MAX, INT_MAX, INT_MIN, kRed, 1));
    doc.AddFigure(Line(2100, -2100, 2100, -3100, kBlue, 2));
    doc.UpdateAllViews(&viewSender, 0, doc.GetFigure(0));
    EXPECT_EQ(view.LogicalToSurfaceRect(doc.GetFigure(0)->GetBoundRect()), view.GetSurface().rect());
    EXPECT_EQ(PixelAt(view, 2100, -2600), kRgbBlue);
    const QRect rectOff = view.LogicalToSurfaceRect(CRect(-90000, 90000, -80000, 80000));
    EXPECT_TRUE(rectOff.isEmpty());
}

TEST(ViewPaint, centreMarkFollowsItsModesAndErasesItself)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    const QImage imageClean = view.GetSurface();
    auto same = [&] { return FirstDifference(imageClean, view.GetSurface()) == QPoint(-1, -1); };

    // The cross reaches 130 units (about 5 pixels) around the box centre.
    view.DrawCentreMark(1000, -1000, 9000, -7000, 0);
    const QPoint ptCentre = viewtest::SurfacePixel(view, 5000, -4000);
    const QRect rectChanged = viewtest::DifferenceBounds(imageClean, view.GetSurface());
    EXPECT_TRUE(QRect(ptCentre - QPoint(6, 6), QSize(13, 13)).contains(rectChanged))
        << "changed " << rectChanged.x() << ", " << rectChanged.y() << " " << rectChanged.width()
        << " x " << rectChanged.height();
    EXPECT_GE(rectChanged.width(), 8);
    EXPECT_GE(rectChanged.height(), 8);
    view.DrawCentreMark(1000, -1000, 9000, -7000, 0);
    const QPoint ptWrong = FirstDifference(imageClean, view.GetSurface());
    EXPECT_EQ(ptWrong, QPoint(-1, -1)) << "not restored at " << ptWrong.x() << ", " << ptWrong.y();

    view.DrawCentreMark(4000, -1000, 4000, -7000, 0);
    EXPECT_TRUE(same()) << "mode 0 over a box of zero width";
    view.DrawCentreMark(1000, -4000, 9000, -4000, 1);
    EXPECT_FALSE(same()) << "mode 1 over a horizontal line";
    view.DrawCentreMark(1000, -4000, 9000, -4000, 1);
    EXPECT_TRUE(same());
    view.DrawCentreMark(1000, -1000, 9000, -7000, 2);
    EXPECT_TRUE(same()) << "unknown mode";
    view.m_bCentre = false;
    view.DrawCentreMark(1000, -1000, 9000, -7000, 0);
    EXPECT_TRUE(same()) << "centre marks off";
}

// The surface holds the whole canvas, so a fill seeded far outside the
// visible part still spreads over all of its area.
TEST(ViewPaint, floodFillDoesNotDependOnTheScrollPosition)
{
    CMyDrevikDoc doc;
    CMyDrevikView viewTopLeft(&doc);
    CMyDrevikView viewScrolled(&doc);
    viewTopLeft.resize(200, 150);
    viewScrolled.resize(200, 150);
    viewScrolled.show();
    viewScrolled.ScrollToPosition(QPoint(800, 600));
    ASSERT_EQ(viewScrolled.GetScrollPosition(), QPoint(800, 600));

    const COLORREF colorEdge = RGB(0, 128, 0);
    doc.AddFigure(Line(1000, -1000, 12000, -1000, colorEdge, 2));
    doc.AddFigure(Line(12000, -1000, 12000, -9000, colorEdge, 2));
    doc.AddFigure(Line(12000, -9000, 1000, -9000, colorEdge, 2));
    doc.AddFigure(Line(1000, -9000, 1000, -1000, colorEdge, 2));
    doc.AddFigure(std::make_unique<CFloodFill>(6000, -5000, 0, 0, colorEdge, kBlue, 1));
    doc.UpdateAllViews(nullptr);

    // Points off the grid dots: inside the box, near its far corner, outside.
    EXPECT_EQ(PixelAt(viewScrolled, 6100, -5100), kRgbBlue);
    EXPECT_EQ(PixelAt(viewScrolled, 1600, -8400), kRgbBlue);
    EXPECT_EQ(PixelAt(viewScrolled, 13100, -5100), kWhite);
    const QPoint ptWrong = FirstDifference(viewTopLeft.GetSurface(), viewScrolled.GetSurface());
    EXPECT_EQ(ptWrong, QPoint(-1, -1)) << "surfaces differ at " << ptWrong.x() << ", " << ptWrong.y();
}

}  // namespace
