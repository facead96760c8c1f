// Raster operations: inverted previews drawn twice restore the surface, an
// inverting pass meets each pixel once, and R2_MASKPENNOT keeps black dots.
#include "dctesting.h"
#include "colortesting.h"

#include <functional>
#include <string>
#include <vector>

namespace {

struct ShapeCase {
    const char* pszName;
    bool bFilled;  // has an inside for the brush
    std::function<void(CDC&)> draw;
};

const std::vector<ShapeCase>& ShapeCases()
{
    static const std::vector<ShapeCase> s_cases = {
        {"line", false, [](CDC& dc) { dc.MoveTo(3, -60); dc.LineTo(70, -7); dc.LineTo(75, -50); }},
        {"rectangle", true, [](CDC& dc) { dc.Rectangle(6, -6, 70, -52); }},
        {"roundrect", true, [](CDC& dc) { dc.RoundRect(6, -6, 70, -52, 30, 20); }},
        {"ellipse", true, [](CDC& dc) { dc.Ellipse(6, -6, 70, -52); }},
        {"arc", false, [](CDC& dc) { dc.Arc(6, -6, 70, -52, 80, -10, 0, -60); }},
        {"chord", true, [](CDC& dc) { dc.Chord(6, -6, 70, -52, 80, -10, 0, -60); }},
        {"pie", true, [](CDC& dc) { dc.Pie(6, -6, 70, -52, 0, -60, 80, -10); }},
        {"polygon", true, [](CDC& dc) {
             const CPoint pts[5] = {{4, -4}, {74, -30}, {10, -56}, {40, -2}, {60, -58}};
             dc.Polygon(pts, 5);
         }},
        {"bezier", false, [](CDC& dc) {
             const CPoint pts[7] = {{2, -2}, {80, -10}, {-20, -50}, {40, -58}, {60, -60}, {78, -30}, {50, -20}};
             dc.PolyBezier(pts, 7);
         }},
        {"pixel", false, [](CDC& dc) { dc.SetPixel(33, -17, RGB(10, 200, 30)); }},
    };
    return s_cases;
}

struct PenCase {
    const char* pszName;
    int nStyle;
    int nWidth;
};

const PenCase kPens[] = {{"solid", PS_SOLID, 0}, {"dotted", PS_DOT, 1}, {"dashed", PS_DASH, 1},
                         {"dashdotdot", PS_DASHDOTDOT, 0}, {"wide", PS_SOLID, 5},
                         {"wide dashed", PS_DASH, 4}, {"wide dotted", PS_DOT, 3},
                         {"insideframe", PS_INSIDEFRAME, 7}, {"null", PS_NULL, 0}};

// A surface that is not plain: every pixel different from its neighbours.
QImage Speckled(int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 71) & 255, (x * y * 3) & 255));
    return image;
}

// Selects a brush of one of three kinds; kind 0 is the null brush.
void SelectBrush(CDC& dc, CBrush& brush, int nKind)
{
    if (nKind == 0)
        dc.SelectStockObject(NULL_BRUSH);
    else if (nKind == 1)
        brush.CreateSolidBrush(RGB(200, 40, 90));
    else
        brush.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 90, 250));
    if (nKind != 0)
        dc.SelectObject(&brush);
}

}  // namespace

TEST(DcRop, invertingTwiceRestoresEveryPixel)
{
    for (const ShapeCase& shape : ShapeCases())
        for (const PenCase& penCase : kPens)
            for (int nBrush = 0; nBrush < 3; ++nBrush)
                for (int nMode : {TRANSPARENT, OPAQUE}) {
                    SCOPED_TRACE(std::string(shape.pszName) + ", " + penCase.pszName + " pen, brush " +
                                 std::to_string(nBrush) + (nMode == OPAQUE ? ", opaque" : ", transparent"));
                    const QImage imageBefore = Speckled(80, 64);
                    QImage image = imageBefore;
                    CDC dc(&image, 1.0);
                    CPen pen(penCase.nStyle, penCase.nWidth, RGB(255, 0, 0));
                    dc.SelectObject(&pen);
                    CBrush brush;
                    SelectBrush(dc, brush, nBrush);
                    dc.SetBkMode(nMode);
                    dc.SetROP2(R2_NOT);
                    shape.draw(dc);
                    const bool bPixel = std::string(shape.pszName) == "pixel";
                    if (bPixel || penCase.nStyle != PS_NULL || (nBrush != 0 && shape.bFilled)) {
                        EXPECT_NE(FirstDifference(image, imageBefore), "") << "nothing was drawn";
                    }
                    shape.draw(dc);
                    ASSERT_EQ(FirstDifference(image, imageBefore), "");
                }
}

TEST(DcRop, invertingPassMeetsEachPixelOnce)
{
    // On white, inverting once gives black exactly where copying black does:
    // a pixel inverted twice would be white again.
    for (const ShapeCase& shape : ShapeCases())
        for (const PenCase& penCase : kPens)
            for (int nBrush : {0, 2}) {
                SCOPED_TRACE(std::string(shape.pszName) + ", " + penCase.pszName + " pen, brush " +
                             std::to_string(nBrush));
                CDcCanvas inverted(80, 64), copied(80, 64);
                for (CDcCanvas* pCanvas : {&inverted, &copied}) {
                    CPen pen(penCase.nStyle, penCase.nWidth, RGB(0, 0, 0));
                    pCanvas->DC().SelectObject(&pen);
                    CBrush brush;
                    if (nBrush == 0)
                        pCanvas->DC().SelectStockObject(NULL_BRUSH);
                    else if (brush.CreateHatchBrush(HS_CROSS, RGB(0, 0, 0)))
                        pCanvas->DC().SelectObject(&brush);
                    pCanvas->DC().SetBkMode(TRANSPARENT);
                    pCanvas->DC().SetROP2(pCanvas == &inverted ? R2_NOT : R2_COPYPEN);
                    shape.draw(pCanvas->DC());
                }
                // SetPixel inverts nothing twice either; its colour is not the
                // pen's. Separate wide LineTo calls overlap at their round
                // joint, as they do on any device.
                const std::string strName = shape.pszName;
                if (strName == "pixel" || (strName == "line" && penCase.nWidth > 1))
                    continue;
                ASSERT_EQ(FirstDifference(inverted.Image(), copied.Image()), "");
            }
}

TEST(DcRop, maskPenNotKeepsBlackDotsOnAnyBackground)
{
    // Pen AND (NOT screen), for black and white pens on black and white.
    struct Case {
        QRgb rgbScreen;
        COLORREF colorPen;
        QRgb rgbWanted;
    };
    const Case cases[] = {{kWhite, RGB(0, 0, 0), kBlack},
                          {kBlack, RGB(0, 0, 0), kBlack},
                          {kWhite, RGB(255, 255, 255), kBlack},
                          {kBlack, RGB(255, 255, 255), kWhite}};
    for (const Case& c : cases) {
        CDcCanvas canvas(16, 16, c.rgbScreen);
        canvas->SetROP2(R2_MASKPENNOT);
        canvas->SetPixelV(3, -4, c.colorPen);
        EXPECT_COLOR_EQ(canvas.At(3, 4), c.rgbWanted);
        CPen pen(PS_SOLID, 0, c.colorPen);
        canvas->SelectObject(&pen);
        canvas->MoveTo(0, -8);
        canvas->LineTo(10, -8);
        EXPECT_COLOR_EQ(canvas.At(5, 8), c.rgbWanted);
        EXPECT_COLOR_EQ(canvas.At(5, 9), c.rgbScreen);
    }
}

TEST(DcRop, fillUnderNotInvertsTheInsideAndNullBrushLeavesIt)
{
    CDcCanvas canvas;
    canvas->SetROP2(R2_NOT);
    canvas->SelectStockObject(NULL_PEN);
    canvas->SelectStockObject(WHITE_BRUSH);  // the colour does not matter to R2_NOT
    canvas->Rectangle(0, 0, 10, -10);
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), BoxOf(0, 0, 9, 9, kBlack)), "");

    CDcCanvas hollow;
    hollow->SetROP2(R2_NOT);
    hollow->SelectStockObject(NULL_BRUSH);
    hollow->Rectangle(0, 0, 10, -10);
    EXPECT_COLOR_EQ(hollow.At(5, 5), kWhite);
    EXPECT_EQ(hollow.CountOf(kBlack), 36);
}
