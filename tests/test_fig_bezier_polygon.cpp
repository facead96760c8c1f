// Bezier curves and slanted polygons: the order of the curve's points, its
// mirror and zoom, the polygon's corner table and damaged modes.
#include "curvepixels.h"
#include "figures/bezier.h"
#include "figures/polygon.h"
#include "colortesting.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

std::array<CPoint, 4> PointsOf(const CBezier& bezier)
{
    return {CPoint(bezier.m_x1, bezier.m_y1), CPoint(bezier.m_x2, bezier.m_y2), bezier.m_pt3,
            bezier.m_pt4};
}

}  // namespace

TEST(FigBezier, curveRunsThroughItsPointsInOrder)
{
    // The middle of the curve is (P1 + 3 P2 + 3 P3 + P4) / 8: (0, 120) here,
    // (0, 80) were the third and fourth points swapped.
    CCurveCanvas canvas(301, 301, 150, 200);
    CBezier(-100, 0, -100, 160, 100, 160, 100, 0, 0, 1, FALSE, PS_SOLID).Draw(canvas.DC());
    EXPECT_COLOR_EQ(canvas.At(-100, 0), kBlack) << "start";
    EXPECT_COLOR_EQ(canvas.At(100, 0), kBlack) << "end";
    EXPECT_COLOR_EQ(canvas.At(0, 120), kBlack) << "middle of the curve";
    EXPECT_COLOR_NE(canvas.At(0, 80), kBlack) << "inside the curve";
    EXPECT_COLOR_NE(canvas.At(-100, 160), kBlack) << "first control point";
}

TEST(FigBezier, transformMirrorsAndZoomsAllFourPoints)
{
    const CBezier original(1, 2, 3, -3, 5, 6, -7, 8, 0xFF, 2, TRUE, PS_DASH);
    CBezier bezier = original;
    bezier.Transform(1000, 0, 0);
    EXPECT_EQ(PointsOf(bezier), (std::array<CPoint, 4>{{{999, 2}, {997, -3}, {995, 6}, {1007, 8}}}));
    bezier.Transform(1000, 0, 0);
    bezier.Transform(0, -20396, 1);
    EXPECT_EQ(bezier.m_pt4, CPoint(-7, -20404));
    bezier.Transform(0, -20396, 1);
    EXPECT_EQ(PointsOf(bezier), PointsOf(original));

    // Truncation: 3 -> 3 -> 2, -3 -> -3 -> -2, 6 -> 7 -> 5, 8 -> 10 -> 8.
    bezier.Transform(0, 0, 2);
    bezier.Transform(0, 0, 3);
    EXPECT_EQ(PointsOf(bezier), (std::array<CPoint, 4>{{{0, 1}, {2, -2}, {4, 5}, {-6, 8}}}));
}

TEST(FigPolygon, cornersFollowTheDirectionPoint)
{
    using Corners = std::array<CPoint, 4>;
    // Facing along the axis every mode gives the rectangle back: right of
    // the centre for modes 1 to 3, left for mode 4, whose edge swings the
    // other way round.
    for (int nMode = 1; nMode <= 4; ++nMode) {
        const auto corners = SlantedPolygonCorners(-100, 60, 100, -60, CPoint(nMode == 4 ? -1000 : 1000, 0), nMode);
        ASSERT_TRUE(corners) << nMode;
        for (const CPoint& pt : *corners)
            EXPECT_TRUE(std::abs(pt.x) == 100 && std::abs(pt.y) == 60) << nMode << ": " << pt.x << ", " << pt.y;
    }
    // Mode 2 facing straight up folds flat onto y1, shifted left by the height.
    EXPECT_EQ(SlantedPolygonCorners(0, 0, 200, -100, CPoint(100, 5000), 2),
              (Corners{{{0, 0}, {200, 0}, {100, 0}, {-100, 0}}}));
    // Mode 1 at 45 degrees: the right edge swings up by W / sqrt 2.
    EXPECT_EQ(SlantedPolygonCorners(0, 0, 200, -100, CPoint(1100, 950), 1),
              (Corners{{{0, 0}, {141, 141}, {141, 41}, {0, -100}}}));
    // x2 < x1 with y2 >= y1 keeps L = x1, R = x2 (W negative) ...
    EXPECT_EQ(SlantedPolygonCorners(100, 0, -100, 50, CPoint(5000, 25), 1),
              (Corners{{{100, 0}, {-100, 0}, {-100, 50}, {100, 50}}}));
    // ... while x2 < x1 with y2 < y1 swaps the x values only.
    EXPECT_EQ(SlantedPolygonCorners(100, 50, -100, 0, CPoint(5000, 25), 2),
              (Corners{{{-100, 50}, {100, 50}, {100, 0}, {-100, 0}}}));
}

TEST(FigPolygon, modeTwoFacingRightIsDrawnAsTheRectangle)
{
    CCurveCanvas canvas(401, 301, 200, 150);
    CPolygon(-100, 60, 100, -60, 1000, 0, 0, 1, PS_SOLID, 2).Draw(canvas.DC());
    EXPECT_COLOR_EQ(canvas.At(-100, 0), kBlack) << "left edge";
    EXPECT_COLOR_EQ(canvas.At(100, 0), kBlack) << "right edge";
    EXPECT_COLOR_EQ(canvas.At(0, 60), kBlack) << "top edge";
    EXPECT_COLOR_EQ(canvas.At(0, -60), kBlack) << "bottom edge";
    EXPECT_COLOR_EQ(canvas.At(0, 0), kWhite) << "inside";
    EXPECT_COLOR_EQ(canvas.At(-140, 0), kWhite) << "left of it";
    EXPECT_COLOR_EQ(canvas.At(0, -100), kWhite) << "below it";
}

TEST(FigPolygon, damagedModesAndHugeCornersStayDefined)
{
    for (int nMode : {0, 5, 7, -1, INT_MIN})
        EXPECT_FALSE(SlantedPolygonCorners(0, 0, 100, 100, CPoint(0, 0), nMode)) << nMode;
    CCurveCanvas canvas(101, 101, 50, 50);
    CPolygon(-40, 40, 40, -40, 0, 1000, 0, 1, PS_SOLID, 7).Draw(canvas.DC());
    EXPECT_EQ(canvas.Count(kBlack), 0);

    // The whole int range swung straight up (the centre is at (-1, 0)).
    const auto huge = SlantedPolygonCorners(INT_MIN, INT_MAX, INT_MAX, INT_MIN, CPoint(-1, INT_MAX), 2);
    ASSERT_TRUE(huge);
    EXPECT_EQ((*huge)[2], CPoint(0, INT_MAX));
    EXPECT_EQ((*huge)[3], CPoint(INT_MIN, INT_MAX));
    CPolygon(INT_MIN, INT_MAX, INT_MAX, INT_MIN, 0, 0, 0, INT_MAX, PS_SOLID, 2).Draw(canvas.DC());
    CPolygon(INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MAX, 7, 0, 1, PS_SOLID, 4).Draw(canvas.DC());
}
