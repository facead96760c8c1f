// Snapping, display units and mouse positions of the canvas view.
#include "viewtesting.h"

#include <climits>

namespace {

using viewtest::ViewTest;

struct SnapCase {
    const char* pszName;
    int nSpacing;
    CPoint ptIn, ptOut;
};

// A case prints as its name, not as the bytes of the record.
void PrintTo(const SnapCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class ViewSnap : public ViewTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(ViewSnap, snapsAsTheGridRuleSays)
{
    const SnapCase& c = GetParam();
    view.m_nSnapX = view.m_nSnapY = c.nSpacing;
    const CPoint pt = view.SnapToGrid(c.ptIn);
    EXPECT_EQ(pt, c.ptOut);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewSnap,
    ::testing::Values(SnapCase{"xBelowHalfGoesLeft", 250, {124, 0}, {0, 0}},
                      SnapCase{"xHalfWayGoesRight", 250, {125, 0}, {250, 0}},
                      SnapCase{"xBelowHalfPastAMultiple", 250, {374, 0}, {250, 0}},
                      SnapCase{"yBelowHalfGoesUp", 250, {0, -124}, {0, 0}},
                      SnapCase{"yHalfWayGoesUp", 250, {0, -125}, {0, 0}},
                      SnapCase{"yPastHalfGoesDown", 250, {0, -126}, {0, -250}},
                      SnapCase{"xLeftOfCanvasTruncates", 250, {-130, 0}, {0, 0}},
                      SnapCase{"xFarLeftOfCanvasTruncates", 250, {-260, 0}, {-250, 0}},
                      SnapCase{"yAboveCanvasTruncates", 250, {0, 130}, {0, 0}},
                      SnapCase{"yFarAboveCanvasTruncates", 250, {0, 380}, {0, 250}},
                      SnapCase{"smallGridHalfOfOddSpacing", 125, {62, -63}, {125, -125}},
                      SnapCase{"extremesSaturate", 250, {INT_MAX, INT_MIN}, {INT_MAX, INT_MIN}},
                      SnapCase{"noSpacingLeavesThePoint", 0, {123, -77}, {123, -77}}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST_F(ViewTest, displayUnitsTruncateEachFactorOfTheTable)
{
    // The far corner of the canvas in each unit code.
    const struct {
        int nUnits;
        CPoint ptShown;
    } rows[] = {{2, {27195, 20396}}, {-2, {2719, 2039}}, {1, {10718, 8038}},
                {-1, {1077, 807}},   {4, {15439, 11579}}, {3, {1023, 767}}};
    for (const auto& row : rows) {
        view.GetSettings().m_nUnits = row.nUnits;
        EXPECT_EQ(view.ToDisplayUnits(27195, -20396), row.ptShown) << "unit code " << row.nUnits;
    }
    view.GetSettings().m_nUnits = -2;
    EXPECT_EQ(view.ToDisplayUnits(-19, 19), CPoint(-1, -1)) << "toward zero";
    view.GetSettings().m_nUnits = 2;
    EXPECT_EQ(view.ToDisplayUnits(INT_MIN, INT_MIN), CPoint(INT_MIN, INT_MAX)) << "negation saturates";
    view.GetSettings().m_nUnits = 7;
    EXPECT_EQ(view.ToDisplayUnits(100, -200), CPoint(100, 200)) << "unknown code shows 0.01 mm";
}

TEST_F(ViewTest, mousePositionCountsTheScrollOffset)
{
    EXPECT_EQ(view.GetSurface().size(), QSize(1024, 768));
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

}  // namespace
