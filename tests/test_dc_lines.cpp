// Lines through the device context: which pixels a pen covers, caps, dashes,
// zero-length segments and coordinates from damaged files.
#include "dctesting.h"
#include "colortesting.h"

#include <climits>

TEST(DcLines, onePixelLineLeavesItsLastPixel)
{
    CDcCanvas canvas;
    canvas->MoveTo(2, -3);
    EXPECT_TRUE(canvas->LineTo(9, -3));
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), BoxOf(2, 3, 8, 3, kBlack)), "");
    EXPECT_EQ(canvas->GetCurrentPosition(), CPoint(9, -3));

    CDcCanvas diagonal;
    diagonal->MoveTo(0, 0);
    diagonal->LineTo(4, -4);
    EXPECT_EQ(FirstWrongPixel(diagonal.Image(), [](int x, int y) { return x == y && x < 4 ? kBlack : kWhite; }), "");
}

TEST(DcLines, zeroLengthSegmentDrawsNothingButMoves)
{
    for (int nWidth : {0, 1, 7}) {
        CDcCanvas canvas;
        CPen pen(PS_SOLID, nWidth, RGB(0, 0, 0));
        canvas->SelectObject(&pen);
        canvas->MoveTo(20, -20);
        canvas->LineTo(20, -20);
        EXPECT_EQ(canvas.CountOf(kWhite), 64 * 64) << "width " << nWidth;
        canvas->LineTo(30, -20);
        EXPECT_GT(canvas.CountOf(kBlack), 0) << "width " << nWidth;
    }
}

TEST(DcLines, polylineUnderNotMeetsEveryJointOnce)
{
    CDcCanvas canvas;
    canvas->SetROP2(R2_NOT);
    canvas->MoveTo(5, -5);
    canvas->LineTo(25, -5);
    canvas->LineTo(25, -25);
    canvas->LineTo(5, -5);
    // Had a joint been inverted twice it would be white again.
    EXPECT_COLOR_EQ(canvas.At(25, 5), kBlack);
    EXPECT_COLOR_EQ(canvas.At(25, 25), kBlack);
    EXPECT_COLOR_EQ(canvas.At(5, 5), kBlack);
    EXPECT_EQ(canvas.CountOf(kBlack), 20 + 20 + 20);
}

TEST(DcLines, widePenCoversItsWidthWithRoundCaps)
{
    CDcCanvas canvas;
    CPen pen(PS_SOLID, 5, RGB(0, 0, 0));
    canvas->SelectObject(&pen);
    canvas->MoveTo(10, -20);
    canvas->LineTo(40, -20);
    // Five rows across (18 to 22), the ends rounded off beyond the points.
    for (int x = 10; x <= 40; ++x)
        for (int y = 15; y <= 25; ++y)
            ASSERT_COLOR_EQ(canvas.At(x, y), y >= 18 && y <= 22 ? kBlack : kWhite) << x << ", " << y;
    EXPECT_COLOR_EQ(canvas.At(8, 20), kBlack);
    EXPECT_COLOR_EQ(canvas.At(42, 20), kBlack);
    EXPECT_COLOR_EQ(canvas.At(7, 20), kWhite);
    EXPECT_COLOR_EQ(canvas.At(43, 20), kWhite);
    EXPECT_COLOR_EQ(canvas.At(8, 18), kWhite);  // round, where a square cap would reach
    EXPECT_COLOR_EQ(canvas.At(42, 22), kWhite);
}

TEST(DcLines, onePixelDashesRunTheirLengths)
{
    struct Case {
        int nStyle;
        std::vector<int> vecRuns;
    };
    const Case cases[] = {{PS_DASH, {18, 6}}, {PS_DOT, {3, 3}}, {PS_DASHDOT, {9, 6, 3, 6}},
                          {PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3}}};
    for (const Case& c : cases) {
        CDcCanvas canvas(100, 4);
        CPen pen(c.nStyle, 1, RGB(0, 0, 0));
        canvas->SelectObject(&pen);
        canvas->SetBkMode(TRANSPARENT);
        canvas->MoveTo(0, -1);
        canvas->LineTo(100, -1);
        int x = 0;
        for (std::size_t nRun = 0; x < 100; ++nRun)
            for (int i = 0; i < c.vecRuns[nRun % c.vecRuns.size()] && x < 100; ++i, ++x)
                ASSERT_COLOR_EQ(canvas.At(x, 1), nRun % 2 == 0 ? kBlack : kWhite) << "style " << c.nStyle << " x " << x;
    }
}

TEST(DcLines, dashGapsShowTheBackgroundOnlyWhenOpaque)
{
    const QRgb rgbBlue = qRgb(0, 0, 255);
    for (int nMode : {OPAQUE, TRANSPARENT}) {
        CDcCanvas canvas(30, 4, rgbBlue);
        CPen pen(PS_DOT, 0, RGB(0, 0, 0));
        canvas->SelectObject(&pen);
        canvas->SetBkMode(nMode);
        canvas->SetBkColor(RGB(255, 0, 0));
        canvas->MoveTo(0, -1);
        canvas->LineTo(30, -1);
        EXPECT_COLOR_EQ(canvas.At(0, 1), kBlack);
        EXPECT_COLOR_EQ(canvas.At(3, 1), nMode == OPAQUE ? qRgb(255, 0, 0) : rgbBlue);
        EXPECT_COLOR_EQ(canvas.At(3, 0), rgbBlue);
    }
}

TEST(DcLines, hugeCoordinatesAndWidthsAreClipped)
{
    CDcCanvas canvas;
    canvas->MoveTo(INT_MIN, -30);
    canvas->LineTo(INT_MAX, -30);
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), BoxOf(0, 30, 63, 30, kBlack)), "");

    CDcCanvas dashed;
    CPen penDash(PS_DASH, 0, RGB(0, 0, 0));
    dashed->SelectObject(&penDash);
    dashed->MoveTo(INT_MIN + 1, INT_MAX);
    dashed->LineTo(INT_MAX, INT_MIN + 1);
    // The diagonal of the image, dashed 18 on and 6 off.
    EXPECT_EQ(dashed.Count([](QRgb rgb) { return rgb != kWhite; }), dashed.CountOf(kBlack));
    int nOnDiagonal = 0;
    for (int i = 0; i < 64; ++i)
        nOnDiagonal += dashed.At(i, i) == kBlack;
    EXPECT_EQ(nOnDiagonal, dashed.CountOf(kBlack));
    EXPECT_GE(nOnDiagonal, 64 * 18 / 24 - 6);
    EXPECT_LE(nOnDiagonal, 64 * 18 / 24 + 6);

    CDcCanvas wide;
    CPen penWide(PS_DASHDOT, INT_MAX, RGB(0, 0, 0));
    wide->SelectObject(&penWide);
    wide->MoveTo(INT_MIN, INT_MAX);
    wide->LineTo(INT_MAX, INT_MIN);
    EXPECT_EQ(wide.CountOf(kBlack), 64 * 64);

    CDcCanvas shapes;
    shapes->SelectStockObject(BLACK_BRUSH);
    shapes->Ellipse(INT_MIN, INT_MAX, INT_MAX, INT_MIN);
    EXPECT_EQ(shapes.CountOf(kBlack), 64 * 64);
    const CPoint pts[4] = {{INT_MIN, 0}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}, {INT_MAX, 0}};
    EXPECT_TRUE(shapes->PolyBezier(pts, 4));
    EXPECT_TRUE(shapes->Pie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, 0, 0, 1));
}

TEST(DcLines, widelyDashedPenShowsOnlyTheRunThatReachesTheSurface)
{
    // A 100-pixel pen dashed 1800 on, 600 off along row 32. From x = -1900
    // the first gap spans -100 .. 500: less its round cap the whole image
    // lies in it.
    CPen pen(PS_DASH, 100, RGB(0, 0, 0));
    CDcCanvas inGap;
    inGap->SelectObject(&pen);
    inGap->MoveTo(-1900, -32);
    inGap->LineTo(5000, -32);
    EXPECT_EQ(inGap.CountOf(kWhite), 64 * 64);

    // From x = -1000 the first dash covers the image, every row within 50
    // pixels of the line; whatever the later runs do, nothing else shows.
    CDcCanvas inDash;
    inDash->SelectObject(&pen);
    inDash->MoveTo(-1000, -32);
    inDash->LineTo(5000, -32);
    inDash->LineTo(5000, -5000);
    EXPECT_EQ(inDash.CountOf(kBlack), 64 * 64);

    // The same runs counted on from an earlier segment far away: 12,000
    // pixels is five whole periods, so the image is again in a gap.
    CDcCanvas carried;
    carried->SelectObject(&pen);
    carried->MoveTo(-13900, -32);
    carried->LineTo(-1900, -32);
    carried->LineTo(5000, -32);
    EXPECT_EQ(carried.CountOf(kWhite), 64 * 64);
}
