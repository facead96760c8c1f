// Flood fill: bounded and unbounded areas, seeds that fill nothing, brushes
// whose own pixels are of the border colour, and a large maze.
#include "dctesting.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// A red square outline around pixels 10..29 x 10..29.
void DrawBorder(CDcCanvas& canvas)
{
    CPen pen(PS_SOLID, 0, RGB(255, 0, 0));
    canvas->SelectObject(&pen);
    canvas->SelectStockObject(NULL_BRUSH);
    canvas->Rectangle(10, -10, 30, -30);
    canvas->SelectStockObject(BLACK_PEN);
}

}  // namespace

TEST(DcFloodFill, fillsUpToTheBorderColour)
{
    CDcCanvas canvas;
    DrawBorder(canvas);
    CBrush brush;
    brush.CreateSolidBrush(RGB(0, 0, 255));
    canvas->SelectObject(&brush);
    EXPECT_TRUE(canvas->ExtFloodFill(20, -20, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), [](int x, int y) {
                  if (x >= 11 && x <= 28 && y >= 11 && y <= 28)
                      return kBlue;
                  const bool bBorder = (x == 10 || x == 29) && y >= 10 && y <= 29;
                  return bBorder || ((y == 10 || y == 29) && x >= 10 && x <= 29) ? kRed : kWhite;
              }), "");
    EXPECT_EQ(canvas->GetTouchedRect(), QRect(0, 0, 64, 64) & QRect(QPoint(10, 10), QPoint(29, 29)));
}

TEST(DcFloodFill, openAreaSpreadsOverEverythingReachable)
{
    CDcCanvas canvas;
    CPen pen(PS_SOLID, 0, RGB(255, 0, 0));
    canvas->SelectObject(&pen);
    canvas->MoveTo(0, -40);
    canvas->LineTo(30, -40);  // a wall with a way round it
    canvas->SelectStockObject(BLACK_BRUSH);
    EXPECT_TRUE(canvas->ExtFloodFill(5, -5, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(canvas.CountOf(kBlack), 64 * 64 - 30);
    EXPECT_EQ(canvas.CountOf(kRed), 30);
}

TEST(DcFloodFill, seedOnTheBorderOrOffTheSurfaceFillsNothing)
{
    CDcCanvas canvas;
    DrawBorder(canvas);
    const QImage imageBefore = canvas.Image().copy();
    canvas->SelectStockObject(BLACK_BRUSH);
    EXPECT_FALSE(canvas->ExtFloodFill(10, -20, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_FALSE(canvas->ExtFloodFill(64, -20, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_FALSE(canvas->ExtFloodFill(-1, 0, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_FALSE(canvas->ExtFloodFill(INT_MAX, INT_MIN, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(FirstDifference(canvas.Image(), imageBefore), "");

    CDC none;
    EXPECT_FALSE(none.ExtFloodFill(0, 0, 0, FLOODFILLBORDER));
}

TEST(DcFloodFill, hatchOfTheBorderColourFillsTheWholeArea)
{
    // The hatch is black and so is the border: painting while searching
    // would wall the search in behind the first hatch line.
    CDcCanvas canvas;
    canvas->SelectStockObject(NULL_BRUSH);
    canvas->Rectangle(10, -10, 50, -50);
    CBrush brush;
    brush.CreateHatchBrush(HS_CROSS, RGB(0, 0, 0));
    canvas->SelectObject(&brush);
    canvas->SetBkMode(TRANSPARENT);
    EXPECT_TRUE(canvas->ExtFloodFill(13, -13, RGB(0, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), [](int x, int y) {
                  const bool bBorder = (x == 10 || x == 49 || y == 10 || y == 49) && x >= 10 && x <= 49 &&
                                       y >= 10 && y <= 49;
                  const bool bInside = x > 10 && x < 49 && y > 10 && y < 49;
                  return bBorder || (bInside && (x % 8 == 0 || y % 8 == 0)) ? kBlack : kWhite;
              }), "");
}

TEST(DcFloodFill, surfaceFillTakesThePixelsOfItsColour)
{
    CDcCanvas canvas;
    DrawBorder(canvas);
    canvas->SelectStockObject(BLACK_BRUSH);
    EXPECT_FALSE(canvas->ExtFloodFill(20, -20, RGB(255, 0, 0), FLOODFILLSURFACE));
    EXPECT_TRUE(canvas->ExtFloodFill(10, -10, RGB(255, 0, 0), FLOODFILLSURFACE));
    EXPECT_EQ(canvas.CountOf(kRed), 0);
    EXPECT_EQ(canvas.CountOf(kBlack), 4 * 19);
}

TEST(DcFloodFill, mazeOfTheWholeSurfaceNeedsNoRecursion)
{
    // A serpentine corridor one pixel wide through a 1024 x 768 surface.
    CDcCanvas canvas(1024, 768);
    QImage& image = canvas.Image();
    for (int y = 1; y < 768; y += 2)
        for (int x = 0; x < 1024; ++x)
            if (x != ((y / 2) % 2 ? 0 : 1023))
                image.setPixel(x, y, kRed);
    canvas->SelectStockObject(BLACK_BRUSH);
    EXPECT_TRUE(canvas->ExtFloodFill(500, 0, RGB(255, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(canvas.CountOf(kWhite), 0);
    EXPECT_EQ(canvas.CountOf(kRed), 384 * 1023);
}
