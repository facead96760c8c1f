// The line tools driven with the mouse: what each appends, and that every
// preview is gone, pixel for pixel, once the release has committed.
#include "tooltesting.h"

#include "figures/line.h"
#include "figures/measure.h"
#include "figures/trigon.h"
#include "resources/resource.h"
#include "widget_driver.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLineEdit>

#include <optional>

namespace {

using namespace tooltest;

CRect PointsOf(const CFigure* pFigure)
{
    return pFigure ? pFigure->GetPointRect() : CRect(-1, -1, -1, -1);
}

struct PreviewCase {
    const char* szName;
    UINT nTool;
    bool bRadial;
    std::vector<CPoint> vecDrag;           // press, then moves
    std::optional<CPoint> ptRelease = {};  // released away from the last move
};
void PrintTo(const PreviewCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct LinePreviewTest : ToolTest, ::testing::WithParamInterface<PreviewCase> {};

// Centric and end-connected lines start from a point set by an earlier
// release, the measured line once its preview latch is on: all of them
// must leave no trace of the preview behind, whatever the drag did.
TEST_P(LinePreviewTest, releaseLeavesOnlyTheCommittedFigures)
{
    const PreviewCase& pc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(pc.nTool);
    settings.m_bRadial = pc.bRadial;
    settings.m_colorLine = kBlue;
    view.m_dlgMeasure.m_bDontAsk = true;
    Drag({CPoint(12500, -10000), CPoint(15000, -12500)});  // sets the centre, starts the chain
    view.RedrawSurface();
    const int nBefore = doc.GetCount();
    const QImage imageBefore = view.GetSurface().copy();

    Drag(pc.vecDrag, pc.ptRelease);

    EXPECT_GT(doc.GetCount(), nBefore);
    EXPECT_EQ(CommitMismatch(imageBefore, nBefore), "");
}

const std::vector<CPoint> kSingleMove = {{5000, -5000}, {9000, -7500}};
const std::vector<CPoint> kWandering = {{5000, -5000}, {5000, -5000}, {9000, -7500}, {3000, -9000},
                                        {7500, -2500}, {8000, -8000}, {8250, -8000}};
const std::vector<CPoint> kTwoMoves = {{5000, -5000}, {9000, -7500}, {6000, -7000}};
const CPoint kElsewhere(7000, -9000);

INSTANTIATE_TEST_SUITE_P(
    Tools, LinePreviewTest,
    ::testing::Values(PreviewCase{"lineSingleMove", ID_TOOL_LINE, false, kSingleMove},
                      PreviewCase{"lineWandering", ID_TOOL_LINE, false, kWandering},
                      PreviewCase{"centricSingleMove", ID_TOOL_CENTRIC_LINES, false, kSingleMove},
                      PreviewCase{"centricWandering", ID_TOOL_CENTRIC_LINES, false, kWandering},
                      PreviewCase{"centricReleasedElsewhere", ID_TOOL_CENTRIC_LINES, false, kTwoMoves, kElsewhere},
                      PreviewCase{"centricSingleMoveReleasedElsewhere", ID_TOOL_CENTRIC_LINES, false, kSingleMove, kElsewhere},
                      PreviewCase{"parallelWandering", ID_TOOL_PARALLEL_LINES, false, kWandering},
                      PreviewCase{"endLinesSingleMove", ID_TOOL_END_LINES, false, kSingleMove},
                      PreviewCase{"endLinesWandering", ID_TOOL_END_LINES, false, kWandering},
                      PreviewCase{"endLinesReleasedElsewhere", ID_TOOL_END_LINES, false, kSingleMove, kElsewhere},
                      PreviewCase{"measureSingleMove", ID_TOOL_MEASURE, false, kSingleMove},
                      PreviewCase{"measureWandering", ID_TOOL_MEASURE, false, kWandering},
                      PreviewCase{"measureReleasedElsewhere", ID_TOOL_MEASURE, false, kTwoMoves, kElsewhere},
                      PreviewCase{"threadWandering", ID_TOOL_THREAD, false, kWandering},
                      PreviewCase{"threadRadialWandering", ID_TOOL_THREAD, true, kWandering},
                      PreviewCase{"threadReleasedElsewhere", ID_TOOL_THREAD, false, kTwoMoves, kElsewhere}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ToolTest, centricLinesFanOutFromTheCentreOfTheFirstClick)
{
    view.GetSettings().m_nTool = int(ID_TOOL_CENTRIC_LINES);
    Click(10000, -10000);
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(PixelAt(view, 10260, -10000), kBlack) << "the marker circle of radius 260";
    EXPECT_EQ(PixelAt(view, 10130, -10000), kWhite);

    Drag({CPoint(5000, -5000), CPoint(6000, -6000), CPoint(5000, -2500)});
    Click(7500, -7500);  // a click appends too, from the centre
    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(PointsOf(doc.GetFigure(0)), CRect(10000, -10000, 5000, -2500));
    EXPECT_EQ(PointsOf(doc.GetFigure(1)), CRect(10000, -10000, 7500, -7500));
    EXPECT_EQ(view.m_nCentricState, 3);

    CCmdUI cmdUI;
    ASSERT_TRUE(view.OnUpdateCommand(ID_REFRESH_CENTRIC, &cmdUI));
    EXPECT_TRUE(cmdUI.m_bEnabled);
    ASSERT_TRUE(view.OnCommand(ID_REFRESH_CENTRIC));
    Drag({CPoint(2500, -2500), CPoint(3000, -3000)});
    EXPECT_EQ(doc.GetCount(), 2) << "after the refresh a release picks a new centre";
    Click(5000, -5000);
    EXPECT_EQ(PointsOf(doc.GetFigure(2)), CRect(3000, -3000, 5000, -5000));
}

TEST_F(ToolTest, endConnectedLinesChainUntilRefreshed)
{
    view.GetSettings().m_nTool = int(ID_TOOL_END_LINES);
    Drag({CPoint(2500, -2500), CPoint(5000, -2500)});
    Drag({CPoint(9000, -9000), CPoint(5000, -5000)});  // starts where the last line ended
    Click(7500, -7500);  // a click appends too
    ASSERT_TRUE(view.OnCommand(ID_REFRESH_END_LINE));
    Drag({CPoint(1000, -1000), CPoint(2000, -2000)});
    ASSERT_EQ(doc.GetCount(), 4);
    EXPECT_EQ(PointsOf(doc.GetFigure(0)), CRect(2500, -2500, 5000, -2500));
    EXPECT_EQ(PointsOf(doc.GetFigure(1)), CRect(5000, -2500, 5000, -5000));
    EXPECT_EQ(PointsOf(doc.GetFigure(2)), CRect(5000, -5000, 7500, -7500));
    EXPECT_EQ(PointsOf(doc.GetFigure(3)), CRect(1000, -1000, 2000, -2000));
}

struct ParallelCase {
    const char* szName;
    CPoint ptP, ptR;
    int nDistance;
    CRect rectCopy;
};
void PrintTo(const ParallelCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct ParallelTest : ToolTest, ::testing::WithParamInterface<ParallelCase> {};

// The copy lies on the right-hand side of the stroke from P to R (y up).
TEST_P(ParallelTest, copyLiesAtTheOffsetOnTheRightOfTheStroke)
{
    const ParallelCase& pc = GetParam();
    view.GetSettings().m_nTool = int(ID_TOOL_PARALLEL_LINES);
    view.GetSettings().m_options.m_nParallelDistance = pc.nDistance;
    Drag({pc.ptP, pc.ptR});
    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(PointsOf(doc.GetFigure(0)), CRect(pc.ptP.x, pc.ptP.y, pc.ptR.x, pc.ptR.y));
    EXPECT_EQ(PointsOf(doc.GetFigure(1)), pc.rectCopy);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ParallelTest,
    ::testing::Values(
        ParallelCase{"leftToRightGoesBelow", {5000, -5000}, {10000, -5000}, 2, {5000, -5250, 10000, -5250}},
        ParallelCase{"rightToLeftGoesAbove", {10000, -5000}, {5000, -5000}, 2, {10000, -4750, 5000, -4750}},
        ParallelCase{"upwardsGoesRight", {5000, -10000}, {5000, -5000}, 4, {5500, -10000, 5500, -5000}},
        ParallelCase{"downwardsGoesLeft", {5000, -5000}, {5000, -10000}, 4, {4500, -5000, 4500, -10000}},
        // 45 degrees at 250: 176.77 truncated to 176 in each direction.
        ParallelCase{"slantedTruncatesBoth", {5000, -5000}, {7500, -7500}, 2, {4824, -5176, 7324, -7676}}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ToolTest, clickWithoutMoveAppendsNoParallelPair)
{
    view.GetSettings().m_nTool = int(ID_TOOL_PARALLEL_LINES);
    Click(5000, -5000);
    EXPECT_EQ(doc.GetCount(), 0);
}

struct MeasureCase {
    const char* szName;
    std::vector<CPoint> vecDrag;
    int nUnits;
    const char* szLabel;  // null: no measured line
};
void PrintTo(const MeasureCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct MeasureTest : ToolTest, ::testing::WithParamInterface<MeasureCase> {};

// The drag must pass 500 logical units' worth of display units in x or y;
// the label is then the length in display units and one blank.
TEST_P(MeasureTest, measuredLineNeedsALongEnoughDrag)
{
    const MeasureCase& mc = GetParam();
    view.GetSettings().m_nTool = int(ID_TOOL_MEASURE);
    view.GetSettings().m_nUnits = mc.nUnits;
    view.GetSettings().m_colorLine = kRed;
    view.m_dlgMeasure.m_bDontAsk = true;
    MoveTo(1000, -1000);  // the pointer comes to the canvas, and the view takes the unit
    const QImage imageBefore = view.GetSurface().copy();
    Drag(mc.vecDrag);
    EXPECT_EQ(CommitMismatch(imageBefore), "");
    if (!mc.szLabel) {
        EXPECT_EQ(doc.GetCount(), 0);
        return;
    }
    ASSERT_EQ(doc.GetCount(), 1);
    auto* pMeasure = dynamic_cast<CMeasure*>(doc.GetFigure(0));
    ASSERT_TRUE(pMeasure);
    EXPECT_EQ(pMeasure->m_strText, QString::fromUtf8(mc.szLabel));
    EXPECT_EQ(pMeasure->m_color, kRed);
    EXPECT_EQ(pMeasure->m_nWidth, 1);
    EXPECT_EQ(pMeasure->m_nPenStyle, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, MeasureTest,
    ::testing::Values(MeasureCase{"shortDragPreviewedButNotMade", {{5000, -5000}, {5375, -5375}, {5375, -5375}}, 2, nullptr},
                      MeasureCase{"exactly500IsNotEnough", {{5000, -5000}, {5500, -5500}, {5500, -5500}}, 2, nullptr},
                      MeasureCase{"longDragLabelledInHundredths", {{5000, -5000}, {8000, -9000}, {8000, -9000}}, 2, "5000 "},
                      MeasureCase{"labelInTenthsOfMillimetres", {{5000, -5000}, {8000, -9000}, {8000, -9000}}, -2, "500 "}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ToolTest, measureDialogEditsTheLabelAndCanStopAsking)
{
    view.GetSettings().m_nTool = int(ID_TOOL_MEASURE);
    QString strOffered;
    DriveNextModal([&strOffered](QDialog* pDialog) {
        QLineEdit* pEdit = pDialog->findChild<QLineEdit*>();
        strOffered = pEdit->text();
        pEdit->setText(QStringLiteral("shaft length 40 plus some more"));
        pDialog->findChild<QCheckBox*>()->setChecked(true);
        pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Drag({CPoint(5000, -5000), CPoint(5000, -9000)});
    EXPECT_EQ(strOffered, QStringLiteral("4000 "));
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(dynamic_cast<CMeasure*>(doc.GetFigure(0))->m_strText, QStringLiteral("SHAFT LENGTH 40 PLUS"));
    Drag({CPoint(5000, -5000), CPoint(8000, -5000)});  // no dialog any more
    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(dynamic_cast<CMeasure*>(doc.GetFigure(1))->m_strText, QStringLiteral("3000 "));
}

TEST_F(ToolTest, freeDrawingAppendsOneLinePerGridStepAndNothingOffTheGrid)
{
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(ID_TOOL_FREE_DRAW);
    settings.m_colorLine = kRed;
    settings.m_nLineThickness = 4;
    Drag({CPoint(5000, -5000), CPoint(5000, -5000), CPoint(5250, -5000), CPoint(5250, -5250),
          CPoint(5250, -5250), CPoint(5500, -5500), CPoint(5500, -5500)});
    ASSERT_EQ(doc.GetCount(), 3);
    EXPECT_EQ(PointsOf(doc.GetFigure(0)), CRect(5000, -5000, 5250, -5000));
    EXPECT_EQ(PointsOf(doc.GetFigure(2)), CRect(5250, -5250, 5500, -5500));
    EXPECT_EQ(dynamic_cast<CLine*>(doc.GetFigure(1))->m_nWidth, 4);
    EXPECT_EQ(settings.m_nLineThickness, 1) << "the release copies the options thickness over";
    doc.OnEditUndo();
    EXPECT_EQ(doc.GetVisibleCount(), 2);

    doc.m_bFreeMotion = true;
    Drag({CPoint(7000, -7000), CPoint(7100, -7100), CPoint(8000, -8000), CPoint(8000, -8000)});
    EXPECT_EQ(doc.GetCount(), 2);
}

struct ThreadCase {
    const char* szName;
    CPoint ptP, ptR;
    bool bFlip;
    int nCount;
};
void PrintTo(const ThreadCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct ThreadTest : ToolTest, ::testing::WithParamInterface<ThreadCase> {};

TEST_P(ThreadTest, threadCurveFillsTheDraggedBoxWhenItHasWidthAndHeight)
{
    const ThreadCase& tc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(ID_TOOL_THREAD);
    settings.m_options.m_nThreadDistance = 7;
    settings.m_options.m_bFlipVertical = tc.bFlip;
    Drag({tc.ptP, CPoint(6000, -6000), tc.ptR});
    ASSERT_EQ(doc.GetCount(), tc.nCount);
    if (tc.nCount == 0)
        return;
    auto* pTrigon = dynamic_cast<CTrigon*>(doc.GetFigure(0));
    ASSERT_TRUE(pTrigon);
    EXPECT_EQ(PointsOf(pTrigon), CRect(tc.ptP.x, tc.ptP.y, tc.ptR.x, tc.ptR.y));
    EXPECT_EQ(pTrigon->m_nPitch, 7);
    EXPECT_EQ(pTrigon->m_bVertical != 0, tc.bFlip);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ThreadTest,
    ::testing::Values(ThreadCase{"box", {5000, -5000}, {10000, -7500}, false, 1},
                      ThreadCase{"flipped", {5000, -5000}, {10000, -7500}, true, 1},
                      ThreadCase{"flatBoxMakesNothing", {5000, -5000}, {10000, -5000}, false, 0}),
    [](const auto& info) { return std::string(info.param.szName); });

}  // namespace
