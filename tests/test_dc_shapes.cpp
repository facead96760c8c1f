// Closed shapes and curves: the device box convention, PS_INSIDEFRAME, the
// direction of arcs and where their rays meet the ellipse, fills.
#include "dctesting.h"
#include "colortesting.h"

#include <cmath>

namespace {

// True when every non-white pixel lies in [x0, x1] x [y0, y1].
bool AllInside(const QImage& image, int x0, int y0, int x1, int y1)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite && (x < x0 || x > x1 || y < y0 || y > y1)) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the box";
                return false;
            }
    return true;
}

}  // namespace

TEST(DcShapes, rectangleCoversItsBoxWithoutRightAndBottom)
{
    // Any corner order gives the same device box: pixels 0..9 both ways.
    const int corners[][4] = {{0, 0, 10, -10}, {10, -10, 0, 0}, {0, -10, 10, 0}};
    for (const auto& c : corners) {
        CDcCanvas canvas;
        canvas->SelectStockObject(BLACK_BRUSH);
        canvas->Rectangle(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(FirstWrongPixel(canvas.Image(), BoxOf(0, 0, 9, 9, kBlack)), "");
    }
    CDcCanvas outline;
    outline->SelectStockObject(NULL_BRUSH);
    outline->Rectangle(0, 0, 10, -10);
    EXPECT_EQ(outline.CountOf(kBlack), 36);
    EXPECT_COLOR_EQ(outline.At(5, 5), kWhite);

    CDcCanvas noPen;
    noPen->SelectStockObject(NULL_PEN);
    noPen->SelectStockObject(BLACK_BRUSH);
    noPen->Rectangle(0, 0, 10, -10);
    EXPECT_EQ(FirstWrongPixel(noPen.Image(), BoxOf(0, 0, 9, 9, kBlack)), "");

    CDcCanvas empty;
    empty->Rectangle(0, 0, 0, -10);
    EXPECT_EQ(empty.CountOf(kWhite), 64 * 64);
}

TEST(DcShapes, ellipseTouchesEverySideOfItsBox)
{
    CDcCanvas canvas;
    canvas->SelectStockObject(NULL_BRUSH);
    canvas->Ellipse(0, 0, 20, -10);
    EXPECT_TRUE(AllInside(canvas.Image(), 0, 0, 19, 9));
    int nLeft = 0, nRight = 0, nTop = 0, nBottom = 0;
    for (int i = 0; i < 20; ++i) {
        nLeft += canvas.At(0, i) == kBlack;
        nRight += canvas.At(19, i) == kBlack;
        nTop += canvas.At(i, 0) == kBlack;
        nBottom += canvas.At(i, 9) == kBlack;
    }
    EXPECT_GT(nLeft * nRight * nTop * nBottom, 0);
    EXPECT_COLOR_EQ(canvas.At(0, 0), kWhite);
    EXPECT_COLOR_EQ(canvas.At(10, 5), kWhite);
}

TEST(DcShapes, insideFramePenStaysInsideTheBox)
{
    using Draw = std::function<void(CDC&)>;
    const Draw shapes[] = {
        [](CDC& dc) { dc.Rectangle(10, -10, 50, -40); },
        [](CDC& dc) { dc.Ellipse(10, -10, 50, -40); },
        [](CDC& dc) { dc.RoundRect(10, -10, 50, -40, 12, 12); },
        [](CDC& dc) { dc.Chord(10, -10, 50, -40, 60, -25, 30, 0); },
        [](CDC& dc) { dc.Pie(10, -10, 50, -40, 60, -25, 30, 0); },
    };
    for (const Draw& draw : shapes) {
        CDcCanvas inside;
        CPen penInside(PS_INSIDEFRAME, 6, RGB(0, 0, 0));
        inside->SelectObject(&penInside);
        inside->SelectStockObject(NULL_BRUSH);
        draw(inside.DC());
        EXPECT_TRUE(AllInside(inside.Image(), 10, 10, 49, 39));
        EXPECT_COLOR_EQ(inside.At(49, 25), kBlack);

        CDcCanvas centred;
        CPen penCentred(PS_SOLID, 6, RGB(0, 0, 0));
        centred->SelectObject(&penCentred);
        centred->SelectStockObject(NULL_BRUSH);
        draw(centred.DC());
        EXPECT_COLOR_EQ(centred.At(50, 25), kBlack) << "a plain wide pen is centred on the box";
    }
    CDcCanvas rectangle;
    CPen pen(PS_INSIDEFRAME, 6, RGB(0, 0, 0));
    rectangle->SelectObject(&pen);
    rectangle->SelectStockObject(NULL_BRUSH);
    rectangle->Rectangle(10, -10, 50, -40);
    for (int x = 8; x <= 18; ++x)
        EXPECT_COLOR_EQ(rectangle.At(x, 25), x >= 10 && x <= 15 ? kBlack : kWhite) << x;
}

TEST(DcShapes, arcsRunCounterClockwiseOnTheScreen)
{
    // From the ray to the right to the ray upward: the upper right quarter.
    CDcCanvas quarter;
    quarter->Arc(0, 0, 41, -41, 100, -20, 20, 100);
    EXPECT_TRUE(AllInside(quarter.Image(), 20, 0, 40, 20));
    EXPECT_COLOR_EQ(quarter.At(40, 20), kBlack);
    EXPECT_GT(quarter.CountOf(kBlack), 25);

    // The same rays the other way round: the other three quarters.
    CDcCanvas rest;
    rest->Arc(0, 0, 41, -41, 20, 100, 100, -20);
    EXPECT_COLOR_EQ(rest.At(0, 20), kBlack);
    EXPECT_COLOR_EQ(rest.At(20, 40), kBlack);
    for (int y = 0; y < 19; ++y)
        for (int x = 22; x <= 40; ++x)
            ASSERT_COLOR_EQ(rest.At(x, y), kWhite) << x << ", " << y;

    // Equal rays: the whole ellipse.
    CDcCanvas whole;
    whole->Arc(0, 0, 41, -41, 100, -20, 100, -20);
    for (QPoint pt : {QPoint(40, 20), QPoint(20, 0), QPoint(0, 20), QPoint(20, 40)})
        EXPECT_COLOR_EQ(whole.At(pt.x(), pt.y()), kBlack) << pt.x() << ", " << pt.y();
}

TEST(DcShapes, arcEndsWhereItsRayMeetsTheEllipse)
{
    // A 200 x 100 ellipse, end ray at 45 degrees: it meets the curve at
    // (144.7, 5.3) from the box corner, the parameter 63.4 degrees.
    CDcCanvas canvas(210, 110);
    canvas->Arc(0, 0, 201, -101, 300, -50, 150, 0);
    bool bReachesRay = false;
    for (int y = 4; y <= 7; ++y)
        for (int x = 143; x <= 146; ++x)
            bReachesRay |= canvas.At(x, y) == kBlack;
    EXPECT_TRUE(bReachesRay);
    EXPECT_TRUE(AllInside(canvas.Image(), 143, 0, 200, 50));
}

TEST(DcShapes, chordAndPieFillTheirParts)
{
    CDcCanvas pie;
    pie->SelectStockObject(NULL_PEN);
    pie->SelectStockObject(BLACK_BRUSH);
    pie->Pie(0, 0, 41, -41, 100, -20, 20, 100);
    EXPECT_COLOR_EQ(pie.At(30, 10), kBlack);
    EXPECT_COLOR_EQ(pie.At(25, 15), kBlack);
    EXPECT_COLOR_EQ(pie.At(10, 10), kWhite);
    EXPECT_COLOR_EQ(pie.At(30, 30), kWhite);
    EXPECT_COLOR_EQ(pie.At(38, 2), kWhite);  // outside the circle

    CDcCanvas chord;
    chord->SelectStockObject(NULL_PEN);
    chord->SelectStockObject(BLACK_BRUSH);
    chord->Chord(0, 0, 41, -41, 100, -20, 20, 100);
    EXPECT_COLOR_EQ(chord.At(32, 8), kBlack);
    EXPECT_COLOR_EQ(chord.At(25, 15), kWhite);  // beyond the chord, towards the centre
}

TEST(DcShapes, polygonRoundRectAndBezier)
{
    CDcCanvas triangle;
    triangle->SelectStockObject(BLACK_BRUSH);
    const CPoint pts[3] = {{5, -5}, {45, -5}, {5, -45}};
    triangle->Polygon(pts, 3);
    EXPECT_COLOR_EQ(triangle.At(20, 20), kBlack);
    EXPECT_COLOR_EQ(triangle.At(30, 30), kWhite);
    EXPECT_TRUE(AllInside(triangle.Image(), 5, 5, 45, 45));
    EXPECT_FALSE(triangle->Polygon(pts, 1));

    CDcCanvas round;
    round->SelectStockObject(NULL_BRUSH);
    round->RoundRect(0, 0, 40, -30, 20, 20);
    EXPECT_COLOR_EQ(round.At(0, 0), kWhite);
    EXPECT_COLOR_EQ(round.At(39, 29), kWhite);
    for (QPoint pt : {QPoint(20, 0), QPoint(0, 15), QPoint(39, 15), QPoint(20, 29)})
        EXPECT_COLOR_EQ(round.At(pt.x(), pt.y()), kBlack) << pt.x() << ", " << pt.y();
    CDcCanvas square, plain;
    square->RoundRect(0, 0, 40, -30, 0, 0);
    plain->Rectangle(0, 0, 40, -30);
    EXPECT_EQ(FirstDifference(square.Image(), plain.Image()), "");

    // Control points on a line: the straight segment, last pixel left out.
    CDcCanvas bezier;
    const CPoint ctrl[4] = {{2, -10}, {10, -10}, {20, -10}, {30, -10}};
    EXPECT_TRUE(bezier->PolyBezier(ctrl, 4));
    EXPECT_EQ(FirstWrongPixel(bezier.Image(), BoxOf(2, 10, 29, 10, kBlack)), "");
    EXPECT_FALSE(bezier->PolyBezier(ctrl, 3));
}
