// The multi-click shape tools: the arc family, the Bezier curve and the
// polygon. Each click may be a drag; only its release point counts. The
// guides left between the clicks must be gone, pixel for pixel, once the
// figure is drawn.
#include "shapetooltesting.h"

#include "resources/resource.h"

namespace {

using namespace shapetest;

using Clicks = std::vector<std::vector<CPoint>>;  // each: press, moves, release

struct StageCase {
    const char* szName;
    UINT nTool;
    bool bRadial;
    bool bConcentric;
    Clicks vecClicks;
    std::vector<std::string> vecFigures;
};
void PrintTo(const StageCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct StageToolTest : ShapeToolTest, ::testing::WithParamInterface<StageCase> {};

TEST_P(StageToolTest, clicksBuildTheFigureAndLeaveNoGuides)
{
    const StageCase& sc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(sc.nTool);
    settings.m_bRadial = sc.bRadial;
    settings.m_colorLine = kBlue;
    settings.m_nFillStyle = 3;
    settings.m_bConcentric = sc.bConcentric;
    settings.m_colorConcentric = kRed;
    settings.m_nConcentricFillStyle = 4;
    const QImage imageBefore = view.GetSurface().copy();

    for (std::size_t i = 0; i < sc.vecClicks.size(); ++i) {
        Click(sc.vecClicks[i]);
        if (i + 1 == sc.vecClicks.size())
            break;
        EXPECT_EQ(doc.GetCount(), 0) << "click " << i;
        if (view.m_nArcStage + view.m_nBezierStage + view.m_nPolygonStage > 0) {
            EXPECT_NE(CommitMismatch(imageBefore), "") << "the guides show after click " << i;
        }
    }

    EXPECT_EQ(DescribeAll(doc), sc.vecFigures);
    EXPECT_EQ(CommitMismatch(imageBefore), "");
    EXPECT_EQ(view.m_nArcStage + view.m_nBezierStage + view.m_nPolygonStage, 0);
}

const CPoint kP(5000, -5000);
const std::vector<CPoint> kBoxDrag = {kP, {7000, -6000}, {9000, -8000}, {9000, -8000}};
const std::vector<CPoint> kStartDrag = {{8000, -6000}, {9500, -6000}, {9500, -6500}, {9500, -6500}};
const std::vector<CPoint> kEndDrag = {{6000, -4000}, {6500, -3000}, {6000, -4500}, {7000, -5000}, {7000, -5000}};
const std::vector<CPoint> kStartClick = {{9500, -6500}, {9500, -6500}};
const std::vector<CPoint> kEndClick = {{7000, -5000}, {7000, -5000}};
const std::vector<CPoint> kStartOneMove = {{8000, -6000}, {9500, -6500}, {9500, -6500}};
const std::vector<CPoint> kEndOneMove = {{6000, -4000}, {7000, -5000}, {7000, -5000}};
const std::string kArcTail = " s9500,-6500 e7000,-5000";

INSTANTIATE_TEST_SUITE_P(
    Tools, StageToolTest,
    ::testing::Values(
        StageCase{"arcThreeDrags", ID_TOOL_ARC, false, false, {kBoxDrag, kStartDrag, kEndDrag},
                  {"CArc 5000,-5000,9000,-8000 #ff0000" + kArcTail + " w1"}},
        StageCase{"chordStartAndEndClicked", ID_TOOL_CHORD, false, false, {kBoxDrag, kStartClick, kEndClick},
                  {"CChord 5000,-5000,9000,-8000 #ff0000" + kArcTail + " w1"}},
        StageCase{"pieOneMoveEach", ID_TOOL_PIE, false, false, {kBoxDrag, kStartOneMove, kEndOneMove},
                  {"CPie 5000,-5000,9000,-8000 #ff0000" + kArcTail + " w1"}},
        StageCase{"filledChordInARadialCircle", ID_TOOL_CHORD_FILL, true, false,
                  {{kP, {8000, -9000}, {8000, -9000}}, kStartDrag, kEndDrag},
                  {"CChordFill 0,-10000,10000,0 #ff0000" + kArcTail + " f3"}},
        StageCase{"flatBoxKeepsStageZero", ID_TOOL_PIE_FILL, false, false,
                  {{kP, {9000, -5000}, {9000, -5000}}, kBoxDrag, kStartDrag, kEndDrag},
                  {"CPieFill 5000,-5000,9000,-8000 #ff0000" + kArcTail + " f3"}},
        StageCase{"filledPieWithCompanion", ID_TOOL_PIE_FILL, false, true, {kBoxDrag, kStartDrag, kEndOneMove},
                  {"CPieFill 5000,-5000,9000,-8000 #ff0000" + kArcTail + " f3",
                   "CPieFill 4750,-4750,9250,-8250 #0000ff" + kArcTail + " f4"}},
        StageCase{"arcBoxReleasedAwayFromTheLastMove", ID_TOOL_ARC, false, false,
                  {{kP, {9000, -8000}, {8000, -7000}}, kStartDrag, kEndDrag},
                  {"CArc 5000,-5000,8000,-7000 #ff0000" + kArcTail + " w1"}},
        StageCase{"bezierEndsReleasedAwayFromTheLastMove", ID_TOOL_BEZIER, false, false,
                  {{kP, {9000, -7000}, {8000, -6000}}, {{9000, -6000}, {9500, -6500}, {9000, -7500}}, kEndDrag},
                  {"CBezier 5000,-5000,9000,-7500 #ff0000 7000,-5000,8000,-6000 w1 p0"}},
        StageCase{"bezierThreeDrags", ID_TOOL_BEZIER, false, false,
                  {{kP, {7000, -5000}, {9000, -5000}, {9000, -5000}}, kStartDrag, kEndDrag},
                  {"CBezier 5000,-5000,9500,-6500 #ff0000 7000,-5000,9000,-5000 w1 p0"}},
        StageCase{"bezierControlPointsClicked", ID_TOOL_BEZIER, false, true,
                  {{kP, {9000, -7000}, {9000, -7000}}, kStartClick, kEndClick},
                  {"CBezier 5000,-5000,9500,-6500 #ff0000 7000,-5000,9000,-7000 w1 p0"}},
        StageCase{"bezierOneMoveEach", ID_TOOL_BEZIER, false, false,
                  {{kP, {9000, -7000}, {9000, -7000}}, kStartOneMove, kEndOneMove},
                  {"CBezier 5000,-5000,9500,-6500 #ff0000 7000,-5000,9000,-7000 w1 p0"}},
        StageCase{"polygonDragThenDrag", ID_TOOL_POLYGON, false, true, {kBoxDrag, kEndDrag},
                  {"CPolygon 5000,-5000,9000,-8000 #ff0000 d7000,-5000 w1 m2"}},
        StageCase{"polygonClickThenOneMove", ID_TOOL_POLYGON, false, false, {kBoxDrag, kEndOneMove},
                  {"CPolygon 5000,-5000,9000,-8000 #ff0000 d7000,-5000 w1 m2"}},
        StageCase{"polygonDirectionClicked", ID_TOOL_POLYGON, false, false, {kBoxDrag, kEndClick},
                  {"CPolygon 5000,-5000,9000,-8000 #ff0000 d7000,-5000 w1 m2"}}),
    [](const auto& info) { return std::string(info.param.szName); });

struct StageSwitchCase {
    const char* szName;
    UINT nTool;
    int nClicksBefore;  // how many of the tool's clicks come before the detour
};
void PrintTo(const StageSwitchCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct StageSwitchTest : ShapeToolTest, ::testing::WithParamInterface<StageSwitchCase> {};

// Another tool used between the clicks leaves the stage alone: coming back
// goes on with the same figure.
TEST_P(StageSwitchTest, otherToolBetweenClicksKeepsTheStage)
{
    const StageSwitchCase& sc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    const Clicks vecClicks = sc.nTool == ID_TOOL_POLYGON ? Clicks{kBoxDrag, kEndDrag}
                                                         : Clicks{kBoxDrag, kStartDrag, kEndDrag};
    settings.m_nTool = int(sc.nTool);
    for (int i = 0; i < sc.nClicksBefore; ++i)
        Click(vecClicks[std::size_t(i)]);
    settings.m_nTool = int(ID_TOOL_RECTANGLE);
    Click({{11000, -1000}, {13000, -3000}, {13000, -3000}});
    settings.m_nTool = int(sc.nTool);
    for (std::size_t i = std::size_t(sc.nClicksBefore); i < vecClicks.size(); ++i)
        Click(vecClicks[i]);

    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(DescribeFigure(doc.GetFigure(0)), "CRectangle 11000,-1000,13000,-3000 #000000 w1 p0");
    EXPECT_EQ(doc.GetFigure(1)->GetPointRect().TopLeft(), kP);
    const QImage imageEmpty = [] {
        CMyDrevikDoc docEmpty;
        CMyDrevikView viewEmpty(&docEmpty);
        viewEmpty.resize(700, 500);
        viewEmpty.show();
        QApplication::processEvents();
        return viewEmpty.GetSurface().copy();
    }();
    EXPECT_EQ(CommitMismatch(imageEmpty), "");
}

INSTANTIATE_TEST_SUITE_P(
    Tools, StageSwitchTest,
    ::testing::Values(StageSwitchCase{"arcAfterTheBox", ID_TOOL_ARC, 1},
                      StageSwitchCase{"chordAfterTheStartPoint", ID_TOOL_CHORD, 2},
                      StageSwitchCase{"bezierAfterTheEnds", ID_TOOL_BEZIER, 1},
                      StageSwitchCase{"bezierAfterTheFirstControlPoint", ID_TOOL_BEZIER, 2},
                      StageSwitchCase{"polygonAfterTheBox", ID_TOOL_POLYGON, 1}),
    [](const auto& info) { return std::string(info.param.szName); });

}  // namespace
