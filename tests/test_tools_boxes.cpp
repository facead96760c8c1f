// The one-drag shape tools driven with the mouse: the figures each drag
// appends, with the radial square, the zero-length rules and the
// concentric companion, and previews that leave no trace.
#include "shapetooltesting.h"

#include "resources/resource.h"

namespace {

using namespace shapetest;

struct BoxCase {
    const char* szName;
    UINT nTool;
    bool bRadial;
    int nConcentricDistance;  // concentric mode off when below -10
    std::vector<CPoint> vecClick;  // press, moves, release
    std::vector<std::string> vecFigures;
};
void PrintTo(const BoxCase& c, std::ostream* pOut) { *pOut << c.szName; }

constexpr int kOff = -99;

struct BoxToolTest : ShapeToolTest, ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxToolTest, dragAppendsTheFiguresOfTheTool)
{
    const BoxCase& bc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(bc.nTool);
    settings.m_bRadial = bc.bRadial;
    settings.m_colorLine = kBlue;
    settings.m_nFillStyle = 2;
    settings.m_nPenStyle = PS_DOT;
    settings.m_options.m_nLineThickness = 4;
    if (bc.nConcentricDistance >= -10) {
        settings.m_bConcentric = true;
        settings.m_options.m_nConcentricDistance = bc.nConcentricDistance;
        settings.m_colorConcentric = kRed;
        settings.m_nConcentricLineThickness = 3;
        settings.m_nConcentricFillStyle = 5;
    }
    const QImage imageBefore = view.GetSurface().copy();

    Click(bc.vecClick);

    EXPECT_EQ(DescribeAll(doc), bc.vecFigures);
    EXPECT_EQ(CommitMismatch(imageBefore), "");
}

const CPoint kP(5000, -5000);

INSTANTIATE_TEST_SUITE_P(
    Tools, BoxToolTest,
    ::testing::Values(
        BoxCase{"rectangle", ID_TOOL_RECTANGLE, false, kOff, {kP, {7000, -6000}, {9000, -7500}, {9000, -7500}},
                {"CRectangle 5000,-5000,9000,-7500 #ff0000 w4 p2"}},
        BoxCase{"horizontalRectangleAppendsNothing", ID_TOOL_RECTANGLE, false, kOff,
                {kP, {9000, -5000}, {9000, -5000}}, {}},
        BoxCase{"verticalRectangleAppendsNothing", ID_TOOL_RECT_FILL, false, kOff, {kP, {5000, -9000}, {5000, -9000}},
                {}},
        BoxCase{"clickAppendsNothing", ID_TOOL_RECTANGLE, true, kOff, {kP, kP}, {}},
        BoxCase{"horizontalRadialDragAppendsASquare", ID_TOOL_RECTANGLE, true, kOff,
                {kP, {9000, -5000}, {9000, -5000}}, {"CRectangle 1000,-1000,9000,-9000 #ff0000 w4 p2"}},
        BoxCase{"radialSquareFromTheLastMovePoint", ID_TOOL_RECTANGLE, true, kOff,
                {kP, {8000, -9000}, {6000, -5000}}, {"CRectangle 0,0,10000,-10000 #ff0000 w4 p2"}},
        BoxCase{"filledRectangle", ID_TOOL_RECT_FILL, false, kOff, {kP, {9000, -7500}, {9000, -7500}},
                {"CRectFill 5000,-5000,9000,-7500 #ff0000 f2"}},
        BoxCase{"roundRectangle", ID_TOOL_RECT_ROUND, false, kOff, {kP, {3000, -2000}, {3000, -2000}},
                {"CRectRound 5000,-5000,3000,-2000 #ff0000 w4 p2"}},
        BoxCase{"radialRoundRectangle", ID_TOOL_RECT_ROUND_FILL, true, kOff, {kP, {8000, -9000}, {8000, -9000}},
                {"CRectRoundFill 0,-10000,10000,0 #ff0000 f2"}},
        BoxCase{"ellipseIgnoresTheRadialToggle", ID_TOOL_ELLIPSE, true, kOff, {kP, {9000, -7500}, {9000, -7500}},
                {"CCircle 5000,-5000,9000,-7500 #ff0000 w4 p2"}},
        BoxCase{"flatEllipseAppendsNothing", ID_TOOL_ELLIPSE_FILL, false, kOff, {kP, {9000, -5000}, {9000, -5000}},
                {}},
        BoxCase{"radialCircle", ID_TOOL_RADIAL_CIRCLE, false, kOff, {kP, {8000, -9000}, {8000, -9000}},
                {"CCircle 0,-10000,10000,0 #ff0000 w4 p2"}},
        BoxCase{"horizontalRadialCircle", ID_TOOL_RADIAL_CIRCLE_FILL, false, kOff, {kP, {7000, -5000}, {7000, -5000}},
                {"CCircleFill 3000,-7000,7000,-3000 #ff0000 f2"}},
        BoxCase{"radialCircleRadiusFromTheLastMovePoint", ID_TOOL_RADIAL_CIRCLE, false, kOff,
                {kP, {8000, -9000}, {5500, -5000}}, {"CCircle 0,-10000,10000,0 #ff0000 w4 p2"}},
        BoxCase{"radialCircleClickAppendsNothing", ID_TOOL_RADIAL_CIRCLE, false, kOff, {kP, kP}, {}},
        BoxCase{"concentricDistanceMinusOneInside", ID_TOOL_RECTANGLE, false, -1, {kP, {6000, -6000}, {6000, -6000}},
                {"CRectangle 5000,-5000,6000,-6000 #ff0000 w4 p2", "CRectangle 5250,-5250,5750,-5750 #0000ff w3 p2"}},
        BoxCase{"concentricDistanceZeroTwice", ID_TOOL_RECTANGLE, false, 0, {kP, {6000, -6000}, {6000, -6000}},
                {"CRectangle 5000,-5000,6000,-6000 #ff0000 w4 p2", "CRectangle 5000,-5000,6000,-6000 #0000ff w3 p2"}},
        BoxCase{"concentricDistanceThreeAround", ID_TOOL_RECTANGLE, false, 3, {kP, {6000, -6000}, {6000, -6000}},
                {"CRectangle 5000,-5000,6000,-6000 #ff0000 w4 p2", "CRectangle 4250,-4250,6750,-6750 #0000ff w3 p2"}},
        BoxCase{"concentricBoxIsNormalised", ID_TOOL_RECT_ROUND, false, 1, {{6000, -6000}, kP, kP},
                {"CRectRound 6000,-6000,5000,-5000 #ff0000 w4 p2", "CRectRound 4750,-4750,6250,-6250 #0000ff w3 p2"}},
        BoxCase{"concentricFilledTakesTheConcentricFill", ID_TOOL_ELLIPSE_FILL, false, 1,
                {kP, {6000, -6000}, {6000, -6000}},
                {"CCircleFill 5000,-5000,6000,-6000 #ff0000 f2", "CCircleFill 4750,-4750,6250,-6250 #0000ff f5"}},
        BoxCase{"concentricRadialCircleAroundThePress", ID_TOOL_RADIAL_CIRCLE, false, 1,
                {kP, {7000, -5000}, {7000, -5000}},
                {"CCircle 3000,-7000,7000,-3000 #ff0000 w4 p2", "CCircle 2750,-7250,7250,-2750 #0000ff w3 p2"}},
        BoxCase{"concentricRadialSquare", ID_TOOL_RECT_FILL, true, -2, {kP, {5000, -7000}, {5000, -7000}},
                {"CRectFill 3000,-3000,7000,-7000 #ff0000 f2", "CRectFill 3500,-3500,6500,-6500 #0000ff f5"}}),
    [](const auto& info) { return std::string(info.param.szName); });

struct BoxPreviewCase {
    const char* szName;
    UINT nTool;
    bool bRadial;
};
void PrintTo(const BoxPreviewCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct BoxPreviewTest : ShapeToolTest, ::testing::WithParamInterface<BoxPreviewCase> {};

// Boxes and their centre crosses drawn inverted at every move must all be
// gone once the figure is drawn, wherever the pointer wandered.
TEST_P(BoxPreviewTest, wanderingDragLeavesOnlyTheFigure)
{
    const BoxPreviewCase& pc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(pc.nTool);
    settings.m_bRadial = pc.bRadial;
    settings.m_colorLine = kBlue;
    const QImage imageBefore = view.GetSurface().copy();

    Click({kP, kP, {9000, -7500}, {3000, -9000}, {7500, -2500}, {8000, -8000}, {8250, -8000}, {8250, -8000}});

    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(CommitMismatch(imageBefore), "");
}

INSTANTIATE_TEST_SUITE_P(
    Tools, BoxPreviewTest,
    ::testing::Values(BoxPreviewCase{"rectangle", ID_TOOL_RECTANGLE, false},
                      BoxPreviewCase{"radialRectangle", ID_TOOL_RECTANGLE, true},
                      BoxPreviewCase{"roundRectangle", ID_TOOL_RECT_ROUND, false},
                      BoxPreviewCase{"radialRoundRectangle", ID_TOOL_RECT_ROUND_FILL, true},
                      BoxPreviewCase{"ellipse", ID_TOOL_ELLIPSE, false},
                      BoxPreviewCase{"filledEllipse", ID_TOOL_ELLIPSE_FILL, true},
                      BoxPreviewCase{"radialCircle", ID_TOOL_RADIAL_CIRCLE, false},
                      BoxPreviewCase{"filledRadialCircle", ID_TOOL_RADIAL_CIRCLE_FILL, true}),
    [](const auto& info) { return std::string(info.param.szName); });

// Undo takes the companion away first: it was added last.
TEST_F(ShapeToolTest, undoRemovesTheCompanionFirst)
{
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(ID_TOOL_RECT_FILL);
    settings.m_bConcentric = true;
    Click({kP, {6000, -6000}, {6000, -6000}});
    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(doc.GetVisibleCount(), 2);
    doc.OnEditUndo();
    ASSERT_EQ(doc.GetVisibleCount(), 1);
    EXPECT_EQ(DescribeFigure(doc.GetFigure(0)), "CRectFill 5000,-5000,6000,-6000 #000000 f1");
}

}  // namespace
