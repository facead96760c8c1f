// Bezier curves and slanted polygons: the points a curve runs through, the
// corner table of the polygon, mirror and zoom of all four Bezier points,
// copies and records.
#include "curvepixels.h"
#include "figures/bezier.h"
#include "figures/polygon.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

std::vector<CPoint> PointsOf(const CBezier& bezier)
{
    return {CPoint(bezier.m_x1, bezier.m_y1), CPoint(bezier.m_x2, bezier.m_y2), bezier.m_pt3,
            bezier.m_pt4};
}

}  // namespace

TEST(FigBezier, curveRunsFromStartToEndThroughTheControlPointsInOrder)
{
    // The middle of the curve is (P1 + 3 P2 + 3 P3 + P4) / 8: (0, 120) here,
    // (0, 80) if the third and fourth points were taken the other way round.
    CCurveCanvas canvas(301, 301, 150, 200);
    CBezier(-100, 0, -100, 160, 100, 160, 100, 0, 0, 1, FALSE, PS_SOLID).Draw(canvas.DC());
    ExpectCurvePixels(canvas, {{-100, 0, kBlack, true, "start"},
                               {100, 0, kBlack, true, "end"},
                               {0, 120, kBlack, true, "middle of the curve"},
                               {0, 80, kBlack, false, "inside the curve"},
                               {-100, 160, kBlack, false, "first control point"},
                               {100, 160, kBlack, false, "second control point"}});
}

TEST(FigBezier, fourPointsOnALineDrawAStraightSegment)
{
    CCurveCanvas canvas(301, 101, 150, 50);
    CBezier(-100, 0, -30, 0, 40, 0, 100, 0, 0, 1, FALSE, PS_SOLID).Draw(canvas.DC());
    ASSERT_GT(canvas.Count(kBlack), 200 * 20);
    // The pen is 26 units wide: nothing lies further than its half from the line.
    for (const QPoint& pt : canvas.Inked()) {
        ASSERT_LE(std::abs(pt.y()), 14) << "ink off the line at (" << pt.x() << ", " << pt.y() << ")";
        ASSERT_LE(std::abs(pt.x()), 114) << "ink past the ends at (" << pt.x() << ", " << pt.y() << ")";
    }
}

TEST(FigBezier, transformMirrorsAndZoomsAllFourPoints)
{
    const CBezier original(1, 2, 3, -3, 5, 6, -7, 8, 0xFF, 2, TRUE, PS_DASH);

    CBezier bezier = original;
    bezier.Transform(1000, 0, 0);
    EXPECT_EQ(PointsOf(bezier),
              (std::vector<CPoint>{{999, 2}, {997, -3}, {995, 6}, {1007, 8}}));
    bezier.Transform(1000, 0, 0);
    EXPECT_EQ(PointsOf(bezier), PointsOf(original));

    bezier.Transform(0, -20396, 1);
    EXPECT_EQ(PointsOf(bezier),
              (std::vector<CPoint>{{1, -20398}, {3, -20393}, {5, -20402}, {-7, -20404}}));
    bezier.Transform(0, -20396, 1);
    EXPECT_EQ(PointsOf(bezier), PointsOf(original));

    // Truncation: 3 -> 3 -> 2, -3 -> -3 -> -2, 6 -> 7 -> 5, 8 -> 10 -> 8.
    bezier.Transform(0, 0, 2);
    bezier.Transform(0, 0, 3);
    EXPECT_EQ(PointsOf(bezier), (std::vector<CPoint>{{0, 1}, {2, -2}, {4, 5}, {-6, 8}}));

    bezier = original;
    bezier.Transform(123, 456, 4);
    EXPECT_EQ(PointsOf(bezier), PointsOf(original));

    // Coordinates at the ends of the int range saturate instead of wrapping.
    CBezier far(INT_MAX, INT_MIN, 0, 0, INT_MAX, INT_MIN, 0, 0, 0, 1, FALSE, PS_SOLID);
    far.Transform(0, 0, 2);
    EXPECT_EQ(far.m_pt3, CPoint(INT_MAX, INT_MIN));
    far.Transform(-10, 10, 0);
    far.Transform(-10, 10, 1);
    EXPECT_EQ(far.m_pt3, CPoint(INT_MIN, INT_MAX));
}

TEST(FigBezier, copyMovesEveryPointAndKeepsTheRest)
{
    const CBezier bezier(1, 2, 3, 4, 5, 6, 7, 8, 0x123456, 3, TRUE, PS_DOT);
    const auto pCopy = bezier.CopyMoved(CSize(10, -20));
    const auto* pBezier = dynamic_cast<const CBezier*>(pCopy.get());
    ASSERT_NE(pBezier, nullptr);
    EXPECT_EQ(PointsOf(*pBezier),
              (std::vector<CPoint>{{11, -18}, {13, -16}, {15, -14}, {17, -12}}));
    EXPECT_EQ(pBezier->m_color, 0x123456u);
    EXPECT_EQ(pBezier->m_nWidth, 3);
    EXPECT_EQ(pBezier->m_bCentre, TRUE);
    EXPECT_EQ(pBezier->m_nPenStyle, PS_DOT);
    EXPECT_EQ(bezier.CopyWithPoints(0, 0, 1, 1), nullptr);
}

TEST(FigBezier, recordHoldsTheExtraPointsThenWidthCentreAndStyle)
{
    const QByteArray bytes = QByteArray::fromHex(
        "01000000 feffffff 03000000 04000000 56341200"   // the figure part
        "05000000 06000000 07000000 f8ffffff"            // third and fourth points
        "02000000 01000000 03000000");                   // width, centre, pen style
    CArchive out;
    CBezier(1, -2, 3, 4, 5, 6, 7, -8, 0x123456, 2, TRUE, PS_DASHDOT).Serialize(out);
    EXPECT_EQ(out.GetBuffer().toHex(), bytes.toHex());

    CArchive in(bytes);
    CBezier loaded;
    loaded.Serialize(in);
    EXPECT_FALSE(in.IsBad());
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(PointsOf(loaded), (std::vector<CPoint>{{1, -2}, {3, 4}, {5, 6}, {7, -8}}));
    EXPECT_EQ(loaded.m_nWidth, 2);
    EXPECT_EQ(loaded.m_bCentre, 1);
    EXPECT_EQ(loaded.m_nPenStyle, PS_DASHDOT);

    CArchive cut(bytes.left(44));
    CBezier partial;
    partial.Serialize(cut);
    EXPECT_TRUE(cut.IsBad());
}

// Every mode with the direction point straight right of the centre keeps
// the rectangle itself: the swung edge lands on the opposite one.
class FigPolygonModes : public ::testing::TestWithParam<int> {};

TEST_P(FigPolygonModes, directionRightOfTheCentreGivesTheRectangle)
{
    const auto corners = SlantedPolygonCorners(-100, 60, 100, -60, CPoint(1000, 0), GetParam());
    ASSERT_TRUE(corners.has_value());
    for (const CPoint& pt : *corners) {
        EXPECT_TRUE(pt.x == -100 || pt.x == 100) << pt.x << ", " << pt.y;
        EXPECT_TRUE(pt.y == 60 || pt.y == -60) << pt.x << ", " << pt.y;
    }
}

INSTANTIATE_TEST_SUITE_P(AllModes, FigPolygonModes, ::testing::Values(1, 2, 3, 4));

TEST(FigPolygon, cornerTableFollowsTheDirectionPoint)
{
    // Mode 2, direction straight above: the polygon folds flat onto y1,
    // shifted left by the height.
    const auto flat = SlantedPolygonCorners(0, 0, 200, -100, CPoint(100, 5000), 2);
    ASSERT_TRUE(flat);
    EXPECT_EQ(*flat, (std::array<CPoint, 4>{{{0, 0}, {200, 0}, {100, 0}, {-100, 0}}}));

    // Mode 1 at 45 degrees: the right edge swings up by W / sqrt 2.
    const auto slanted = SlantedPolygonCorners(0, 0, 200, -100, CPoint(1100, 950), 1);
    ASSERT_TRUE(slanted);
    EXPECT_EQ(*slanted, (std::array<CPoint, 4>{{{0, 0}, {141, 141}, {141, 41}, {0, -100}}}));

    // x2 < x1 with y2 >= y1 keeps L = x1 and R = x2: W is negative.
    const auto reversed = SlantedPolygonCorners(100, 0, -100, 50, CPoint(5000, 25), 1);
    ASSERT_TRUE(reversed);
    EXPECT_EQ(*reversed, (std::array<CPoint, 4>{{{100, 0}, {-100, 0}, {-100, 50}, {100, 50}}}));

    // x2 < x1 and y2 < y1 swaps the x values only.
    const auto swapped = SlantedPolygonCorners(100, 50, -100, 0, CPoint(5000, 25), 2);
    ASSERT_TRUE(swapped);
    EXPECT_EQ(*swapped, (std::array<CPoint, 4>{{{-100, 50}, {100, 50}, {100, 0}, {-100, 0}}}));
}

TEST(FigPolygon, damagedModesAndHugeCornersStayDefined)
{
    for (int nMode : {0, 5, 7, -1, INT_MIN, INT_MAX})
        EXPECT_FALSE(SlantedPolygonCorners(0, 0, 100, 100, CPoint(0, 0), nMode)) << nMode;

    // A height of the whole int range swung straight up (the centre is at
    // (-1, 0)) saturates instead of wrapping.
    const auto huge = SlantedPolygonCorners(INT_MIN, INT_MAX, INT_MAX, INT_MIN, CPoint(-1, INT_MAX), 2);
    ASSERT_TRUE(huge);
    EXPECT_EQ((*huge)[2], CPoint(0, INT_MAX));
    EXPECT_EQ((*huge)[3], CPoint(INT_MIN, INT_MAX));

    CCurveCanvas canvas(101, 101, 50, 50);
    CPolygon(-40, 40, 40, -40, 0, 1000, 0, 1, PS_SOLID, 7).Draw(canvas.DC());
    EXPECT_EQ(canvas.Count(kBlack), 0);
    CPolygon(INT_MIN, INT_MAX, INT_MAX, INT_MIN, 0, 0, 0, INT_MAX, PS_SOLID, 2).Draw(canvas.DC());
    CPolygon(INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MAX, 7, 0, 1, PS_SOLID, 4).Draw(canvas.DC());
}

TEST(FigPolygon, modeTwoFacingRightIsDrawnAsTheRectangle)
{
    CCurveCanvas canvas(401, 301, 200, 150);
    CPolygon(-100, 60, 100, -60, 1000, 0, 0, 1, PS_SOLID, 2).Draw(canvas.DC());
    ExpectCurvePixels(canvas, {{-100, 0, kBlack, true, "left edge"},
                               {100, 0, kBlack, true, "right edge"},
                               {0, 60, kBlack, true, "top edge"},
                               {0, -60, kBlack, true, "bottom edge"},
                               {0, 0, kWhite, true, "inside"},
                               {-60, 30, kWhite, true, "inside"},
                               {-140, 0, kWhite, true, "left of it"},
                               {0, 100, kWhite, true, "above it"},
                               {0, -100, kWhite, true, "below it"},
                               {140, 0, kWhite, true, "right of it"}});

    // The same polygon facing up lies flat on the top edge.
    CCurveCanvas flat(401, 301, 250, 150);
    CPolygon(-100, 60, 100, -60, 0, 1000, 0, 1, PS_SOLID, 2).Draw(flat.DC());
    ExpectCurvePixels(flat, {{-200, 60, kBlack, true, "swung edge"},
                             {0, -60, kWhite, true, "old bottom edge"},
                             {100, 0, kWhite, true, "old right edge"}});
}

TEST(FigPolygon, copyMovesCornersAndDirectionAndRecordKeepsTheirOrder)
{
    const CPolygon polygon(1, 2, 3, 4, 5, 6, 0xABCDEF, 2, PS_DASH, 3);
    const auto pCopy = polygon.CopyMoved(CSize(-1, 100));
    const auto* pPolygon = dynamic_cast<const CPolygon*>(pCopy.get());
    ASSERT_NE(pPolygon, nullptr);
    EXPECT_EQ(pPolygon->GetPointRect(), CRect(0, 102, 2, 104));
    EXPECT_EQ(pPolygon->m_ptDir, CPoint(4, 106));
    EXPECT_EQ(pPolygon->m_color, 0xABCDEFu);
    EXPECT_EQ(pPolygon->m_nWidth, 2);
    EXPECT_EQ(pPolygon->m_nPenStyle, PS_DASH);
    EXPECT_EQ(pPolygon->m_nMode, 3);

    const QByteArray bytes = QByteArray::fromHex(
        "01000000 02000000 03000000 04000000 efcdab00"   // the figure part
        "05000000 06000000 02000000 01000000 03000000");  // direction, width, style, mode
    CArchive out;
    CPolygon(polygon).Serialize(out);
    EXPECT_EQ(out.GetBuffer().toHex(), bytes.toHex());

    CArchive in(bytes);
    CPolygon loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(loaded.m_ptDir, CPoint(5, 6));
    EXPECT_EQ(loaded.m_nMode, 3);
}
