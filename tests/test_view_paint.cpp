// What the view paints on its surface: figures in order up to the step
// pointer, grid dots on top, the area of a figure added in another view,
// the centre mark, and flood fills whatever the scroll position.
#include "figures/floodfill.h"
#include "viewtesting.h"
#include "colortesting.h"

namespace {

using namespace viewtest;

TEST_F(ViewTest, laterFiguresCoverEarlierOnesAndStepBackPaintsFewer)
{
    view.m_bGridShow = false;
    doc.AddFigure(Line(2000, -5000, 8000, -5000, kRed, 8));
    doc.AddFigure(Line(5000, -2000, 5000, -8000, kBlue, 8));
    doc.UpdateAllViews(nullptr);
    EXPECT_COLOR_EQ(PixelAt(view, 5000, -5000), kRgbBlue);
    EXPECT_COLOR_EQ(PixelAt(view, 3000, -5000), kRgbRed);

    doc.m_nStep = 0;
    doc.UpdateAllViews(nullptr);
    EXPECT_COLOR_EQ(PixelAt(view, 5000, -5000), kRgbRed);
    EXPECT_EQ(CountPixels(view.GetSurface(), kRgbBlue), 0);
}

TEST_F(ViewTest, gridDotsStayBlackOnBlackOnRedAndOnWhite)
{
    doc.AddFigure(Line(0, -2500, 10000, -2500, RGB(0, 0, 0), 10));
    doc.AddFigure(Line(0, -5000, 10000, -5000, kRed, 10));
    doc.UpdateAllViews(nullptr);
    for (int x = 250; x < 10000; x += 250) {
        EXPECT_COLOR_EQ(PixelAt(view, x, -2500), kBlack) << "dot on black at x " << x;
        EXPECT_COLOR_EQ(PixelAt(view, x, -5000), kBlack) << "dot on red at x " << x;
        EXPECT_COLOR_EQ(PixelAt(view, x, -7500), kBlack) << "dot on white at x " << x;
        EXPECT_COLOR_EQ(PixelAt(view, x + 125, -5000), kRgbRed) << "between dots at x " << x + 125;
    }
}

// A figure added in another view repaints only its bounding rectangle
// here: a figure added before it without notice stays unseen.
TEST_F(ViewTest, figureFromAnotherViewRepaintsOnlyItsRectangle)
{
    CMyDrevikView viewSender(&doc);
    const QImage imageBefore = view.GetSurface();
    doc.AddFigure(Line(15000, -15000, 20000, -18000, kBlue, 1));
    doc.AddFigure(Line(2000, -2000, 6000, -4000, kRed, 1));
    CFigure* pAdded = doc.GetFigure(1);
    doc.UpdateAllViews(&viewSender, 0, pAdded);

    const QRect rectRepainted = view.LogicalToSurfaceRect(pAdded->GetBoundRect());
    EXPECT_GT(CountPixels(view.GetSurface(), kRgbRed, rectRepainted), 100);
    EXPECT_TRUE(rectRepainted.contains(DifferenceBounds(imageBefore, view.GetSurface())));
    EXPECT_EQ(CountPixels(view.GetSurface(), kRgbBlue), 0);
    EXPECT_EQ(CountPixels(viewSender.GetSurface(), kRgbRed), 0) << "the sender drew it itself";

    // A damaged file can put a figure anywhere in the int range.
    doc.AddFigure(Line(INT_MIN, INT_MAX, INT_MAX, INT_MIN, kRed, 1));
    EXPECT_EQ(view.LogicalToSurfaceRect(doc.GetFigure(2)->GetBoundRect()), view.GetSurface().rect());
    EXPECT_TRUE(view.LogicalToSurfaceRect(CRect(-90000, 90000, -80000, 80000)).isEmpty());
}

TEST_F(ViewTest, centreMarkFollowsItsModesAndErasesItself)
{
    const QImage imageClean = view.GetSurface();
    auto changed = [&] { return DifferenceBounds(imageClean, view.GetSurface()); };

    // The cross reaches 130 units (about 5 pixels) around the box centre.
    view.DrawCentreMark(1000, -1000, 9000, -7000, 0);
    const QPoint ptCentre = SurfacePixel(view, 5000, -4000);
    const QRect rectChanged = changed();
    EXPECT_TRUE(QRect(ptCentre - QPoint(6, 6), QSize(13, 13)).contains(rectChanged));
    EXPECT_GE(rectChanged.width(), 8);
    EXPECT_GE(rectChanged.height(), 8);
    view.DrawCentreMark(1000, -1000, 9000, -7000, 0);
    EXPECT_TRUE(changed().isNull()) << "drawn twice restores the surface";

    view.DrawCentreMark(4000, -1000, 4000, -7000, 0);
    EXPECT_TRUE(changed().isNull()) << "mode 0 over a box of zero width";
    view.DrawCentreMark(1000, -4000, 9000, -4000, 1);
    EXPECT_FALSE(changed().isNull()) << "mode 1 over a horizontal line";
    view.DrawCentreMark(1000, -4000, 9000, -4000, 1);
    view.DrawCentreMark(1000, -1000, 9000, -7000, 2);
    EXPECT_TRUE(changed().isNull()) << "unknown mode";
    doc.m_bCentre = false;
    view.DrawCentreMark(1000, -1000, 9000, -7000, 0);
    EXPECT_TRUE(changed().isNull()) << "centre marks off";
}

// The surface holds the whole canvas, so a fill seeded far outside the
// visible part still spreads over all of its area.
TEST_F(ViewTest, floodFillDoesNotDependOnTheScrollPosition)
{
    CMyDrevikView viewScrolled(&doc);
    viewScrolled.resize(200, 150);
    viewScrolled.show();
    viewScrolled.ScrollToPosition(QPoint(800, 600));
    ASSERT_EQ(viewScrolled.GetScrollPosition(), QPoint(800, 600));

    const COLORREF colorEdge = RGB(0, 128, 0);
    const CPoint corners[] = {{1000, -1000}, {12000, -1000}, {12000, -9000}, {1000, -9000}};
    for (int i = 0; i < 4; ++i)
        doc.AddFigure(Line(corners[i].x, corners[i].y, corners[(i + 1) % 4].x, corners[(i + 1) % 4].y,
                           colorEdge, 2));
    doc.AddFigure(std::make_unique<CFloodFill>(6000, -5000, 0, 0, colorEdge, kBlue, 1));
    doc.UpdateAllViews(nullptr);

    // Points off the grid dots: inside the box, near its far corner, outside.
    EXPECT_COLOR_EQ(PixelAt(viewScrolled, 6100, -5100), kRgbBlue);
    EXPECT_COLOR_EQ(PixelAt(viewScrolled, 1600, -8400), kRgbBlue);
    EXPECT_COLOR_EQ(PixelAt(viewScrolled, 13100, -5100), kWhite);
    EXPECT_TRUE(DifferenceBounds(view.GetSurface(), viewScrolled.GetSurface()).isNull());
}

}  // namespace
