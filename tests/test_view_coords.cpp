// Snapping, display units and mouse positions of the canvas view.
#include "viewtesting.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct SnapCase {
    const char* pszName;
    int nSpacing;
    CPoint ptIn;
    CPoint ptOut;
};

class ViewSnap : public ::testing::TestWithParam<SnapCase> {};

TEST_P(ViewSnap, snapsAsTheGridRuleSays)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    const SnapCase& c = GetParam();
    view.m_nSnapX = c.nSpacing;
    view.m_nSnapY = c.nSpacing;
    EXPECT_EQ(view.SnapToGrid(c.ptIn), c.ptOut)
        << "got (" << view.SnapToGrid(c.ptIn).x << ", " << view.SnapToGrid(c.ptIn).y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewSnap,
    ::testing::Values(
        SnapCase{"xBelowHalfGoesLeft", 250, {124, 0}, {0, 0}},
        SnapCase{"xHalfWayGoesRight", 250, {125, 0}, {250, 0}},
        SnapCase{"xJustBelowAMultipleHalfGoesLeft", 250, {374, 0}, {250, 0}},
        SnapCase{"yBelowHalfGoesUp", 250, {0, -124}, {0, 0}},
        SnapCase{"yHalfWayGoesUp", 250, {0, -125}, {0, 0}},
        SnapCase{"yPastHalfGoesDown", 250, {0, -126}, {0, -250}},
        SnapCase{"xLeftOfCanvasTruncates", 250, {-130, 0}, {0, 0}},
        SnapCase{"xFarLeftOfCanvasTruncates", 250, {-260, 0}, {-250, 0}},
        SnapCase{"yAboveCanvasTruncates", 250, {0, 130}, {0, 0}},
        SnapCase{"yFarAboveCanvasTruncates", 250, {0, 380}, {0, 250}},
        SnapCase{"multiplesStay", 375, {750, -1125}, {750, -1125}},
        SnapCase{"smallGridHalfOfOddSpacing", 125, {62, -63}, {125, -125}},
        SnapCase{"largestXSaturates", 250, {INT_MAX, 0}, {INT_MAX, 0}},
        SnapCase{"smallestYSaturates", 250, {0, INT_MIN}, {0, INT_MIN}},
        SnapCase{"noSpacingLeavesThePoint", 0, {123, -77}, {123, -77}}),
    [](const ::testing::TestParamInfo<SnapCase>& info) { return std::string(info.param.pszName); });

TEST(ViewUnits, everyUnitCodeHasItsFactor)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    struct Row {
        int nUnits;
        CPoint ptShown;
    };
    // The far corner of the canvas, (27195, -20396), in each unit.
    const Row rows[] = {
        {2, {27195, 20396}}, {-2, {2719, 2039}}, {1, {10718, 8038}},
        {-1, {1077, 807}},   {4, {15439, 11579}}, {3, {1023, 767}},
    };
    for (const Row& row : rows) {
        view.m_nUnits = row.nUnits;
        EXPECT_EQ(view.ToDisplayUnits(27195, -20396), row.ptShown) << "unit code " << row.nUnits;
    }
}

TEST(ViewUnits, truncatesTowardZeroAndSaturates)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    view.m_nUnits = -2;
    EXPECT_EQ(view.ToDisplayUnits(-19, 19), CPoint(-1, -1));
    EXPECT_EQ(view.ToDisplayUnits(9, -9), CPoint(0, 0));
    view.m_nUnits = 2;
    // Negating the smallest int does not fit; the display stops at the largest.
    EXPECT_EQ(view.ToDisplayUnits(INT_MIN, INT_MIN), CPoint(INT_MIN, INT_MAX));
    // A code no unit command sets shows 0.01 mm rather than garbage.
    view.m_nUnits = 7;
    EXPECT_EQ(view.ToDisplayUnits(100, -200), CPoint(100, 200));
}

TEST(ViewCoordinates, mousePositionCountsTheScrollOffset)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    view.resize(240, 180);
    view.ScrollToPosition(QPoint(100, 50));
    ASSERT_EQ(view.GetScrollPosition(), QPoint(100, 50));

    // The viewport's corner now shows surface pixel (100, 50).
    const CPoint ptCorner = view.DeviceToLogical(QPointF(0, 0));
    EXPECT_NEAR(ptCorner.x, 100 * kScreenUnitsPerPixel, 27);
    EXPECT_NEAR(ptCorner.y, -50 * kScreenUnitsPerPixel, 27);
    EXPECT_EQ(viewtest::SurfacePixel(view, ptCorner.x, ptCorner.y), QPoint(100, 50));

    const CPoint ptInside = view.DeviceToLogical(QPointF(20.5, 30.9));
    view.ScrollToPosition(QPoint(0, 0));
    EXPECT_EQ(view.DeviceToLogical(QPointF(120.5, 80.9)), ptInside);
}

TEST(ViewCoordinates, surfaceCoversTheWholeCanvas)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    EXPECT_EQ(view.GetSurface().size(), QSize(1024, 768));
    EXPECT_EQ(view.GetSurface().format(), QImage::Format_RGB32);
    EXPECT_EQ(viewtest::SurfacePixel(view, 0, 0), QPoint(0, 0));
    const QPoint ptFar = viewtest::SurfacePixel(view, 27180, -20380);
    EXPECT_TRUE(view.GetSurface().rect().contains(ptFar)) << ptFar.x() << ", " << ptFar.y();
}

}  // namespace
