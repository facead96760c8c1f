// Brushes and the selection of drawing objects: hatch and pattern pixels on
// the surface's grid, background modes, objects that fail to be created.
#include "dctesting.h"
#include "colortesting.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// Fills the rectangle of pixels 3..36 x 5..34 (not a multiple of 8 away
// from the origin) with the brush and no outline.
void FillBox(CDcCanvas& canvas, CBrush& brush)
{
    canvas->SelectStockObject(NULL_PEN);
    canvas->SelectObject(&brush);
    canvas->Rectangle(3, -5, 37, -35);
}

}  // namespace

TEST(DcBrushes, hatchLinesLieOnTheSurfaceGrid)
{
    struct Case {
        int nHatch;
        std::function<bool(int, int)> onLine;
    };
    const Case cases[] = {
        {HS_HORIZONTAL, [](int, int y) { return y % 8 == 0; }},
        {HS_VERTICAL, [](int x, int) { return x % 8 == 0; }},
        {HS_FDIAGONAL, [](int x, int y) { return (x - y + 64) % 8 == 0; }},
        {HS_BDIAGONAL, [](int x, int y) { return (x + y) % 8 == 7; }},
        {HS_CROSS, [](int x, int y) { return x % 8 == 0 || y % 8 == 0; }},
        {HS_DIAGCROSS, [](int x, int y) { return (x - y + 64) % 8 == 0 || (x + y) % 8 == 7; }},
    };
    for (const Case& c : cases) {
        for (int nMode : {TRANSPARENT, OPAQUE}) {
            CDcCanvas canvas(48, 48, kBlue);
            CBrush brush;
            ASSERT_TRUE(brush.CreateHatchBrush(c.nHatch, RGB(255, 0, 0)));
            canvas->SetBkMode(nMode);
            canvas->SetBkColor(RGB(255, 255, 255));
            FillBox(canvas, brush);
            const QRgb rgbGap = nMode == OPAQUE ? kWhite : kBlue;
            EXPECT_EQ(FirstWrongPixel(canvas.Image(), [&](int x, int y) {
                          const bool bInside = x >= 3 && x <= 36 && y >= 5 && y <= 34;
                          return !bInside ? kBlue : c.onLine(x, y) ? kRed : rgbGap;
                      }), "")
                << "hatch " << c.nHatch << (nMode == OPAQUE ? " opaque" : " transparent");
        }
    }
    CBrush bad;
    EXPECT_FALSE(bad.CreateHatchBrush(6, RGB(0, 0, 0)));
    EXPECT_FALSE(bad.GetSafeHandle());
}

TEST(DcBrushes, patternTileRepeatsFromTheSurfaceOrigin)
{
    QImage tile(16, 15, QImage::Format_RGB32);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, qRgb(x * 16, y * 17, (x + y) % 2 ? 192 : 255));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(tile));
    CBrush brush;
    ASSERT_TRUE(brush.CreatePatternBrush(&bitmap));
    CDcCanvas canvas(48, 48);
    canvas->SetBkMode(TRANSPARENT);
    FillBox(canvas, brush);
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), [&](int x, int y) {
                  const bool bInside = x >= 3 && x <= 36 && y >= 5 && y <= 34;
                  return bInside ? tile.pixel(x % 16, y % 15) : kWhite;
              }), "");
    CBitmap empty;
    EXPECT_FALSE(brush.CreatePatternBrush(&empty));
}

TEST(DcBrushes, objectThatFailsLeavesTheCurrentOneSelected)
{
    CDcCanvas canvas;
    CPen penRed(PS_SOLID, 0, RGB(255, 0, 0));
    CPen* pDefault = canvas->SelectObject(&penRed);
    EXPECT_EQ(pDefault, GetStockGdiObject(BLACK_PEN));

    CPen penDamaged(77, 0, RGB(0, 0, 255));
    EXPECT_FALSE(penDamaged.GetSafeHandle());
    EXPECT_EQ(canvas->SelectObject(&penDamaged), nullptr);
    canvas->MoveTo(0, -1);
    canvas->LineTo(10, -1);
    EXPECT_COLOR_EQ(canvas.At(5, 1), kRed);

    // The previous object comes back, so a figure can put it back.
    EXPECT_EQ(canvas->SelectObject(pDefault), &penRed);
    CBrush brushNone;
    EXPECT_EQ(canvas->SelectObject(&brushNone), nullptr);
    EXPECT_EQ(canvas->SelectStockObject(NULL_BRUSH), GetStockGdiObject(WHITE_BRUSH));
    EXPECT_EQ(canvas->SelectStockObject(12345), nullptr);
}

TEST(DcBrushes, stockObjectsLastAndDeletedObjectsLeaveNoTrace)
{
    CGdiObject* pStock = GetStockGdiObject(BLACK_BRUSH);
    ASSERT_NE(pStock, nullptr);
    EXPECT_FALSE(pStock->DeleteObject());
    EXPECT_TRUE(pStock->GetSafeHandle());

    // A context copies what it selects: deleting the object later changes
    // nothing it draws.
    CDcCanvas canvas;
    {
        CBrush brush;
        brush.CreateSolidBrush(RGB(0, 0, 255));
        canvas->SelectObject(&brush);
        EXPECT_TRUE(brush.DeleteObject());
        EXPECT_FALSE(brush.DeleteObject());
    }
    canvas->SelectStockObject(NULL_PEN);
    canvas->Rectangle(0, 0, 4, -4);
    EXPECT_COLOR_EQ(canvas.At(2, 2), kBlue);
}
