// The press, drag and release of the interaction core, with the straight
// line as the tool: points, zero-length drags, status values, previews.
#include "tooltesting.h"

#include "figures/line.h"
#include "resources/resource.h"
#include "tools/tooltable.h"

#include <QScrollBar>

namespace {

using namespace tooltest;

struct LineCase {
    const char* szName;
    std::vector<CPoint> vecDrag;  // press, moves, release (logical, on the grid)
    bool bFreeMotion;
    int nCount;                   // lines appended
};
void PrintTo(const LineCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct StraightLineTest : ToolTest, ::testing::WithParamInterface<LineCase> {};

TEST_P(StraightLineTest, appendsOneLineUnlessTheDragHasNoLength)
{
    const LineCase& lc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_colorLine = kRed;
    settings.m_nPenStyle = PS_DASH;
    settings.m_nLineThickness = 7;   // a line command's choice lasts until the release
    settings.m_options.m_nLineThickness = 3;
    doc.m_bFreeMotion = lc.bFreeMotion;
    view.m_bSnap = !lc.bFreeMotion;

    const QImage imageBefore = view.GetSurface().copy();
    Press(lc.vecDrag.front().x, lc.vecDrag.front().y);
    for (std::size_t i = 1; i + 1 < lc.vecDrag.size(); ++i) {
        MoveTo(lc.vecDrag[i].x, lc.vecDrag[i].y);
        if (i == 1)
            EXPECT_NE(CommitMismatch(imageBefore), "") << "the preview shows while dragging";
    }
    Release(lc.vecDrag.back().x, lc.vecDrag.back().y);

    ASSERT_EQ(doc.GetCount(), lc.nCount);
    EXPECT_EQ(settings.m_nLineThickness, 3);
    EXPECT_EQ(CommitMismatch(imageBefore), "");
    if (lc.nCount == 0)
        return;
    auto* pLine = dynamic_cast<CLine*>(doc.GetFigure(0));
    ASSERT_TRUE(pLine);
    const CPoint ptP = lc.vecDrag.front();
    const CPoint ptR = lc.vecDrag.back();
    if (!lc.bFreeMotion)
        EXPECT_EQ(pLine->GetPointRect(), CRect(ptP.x, ptP.y, ptR.x, ptR.y));
    EXPECT_EQ(pLine->m_color, kRed);
    EXPECT_EQ(pLine->m_nWidth, 3);
    EXPECT_EQ(pLine->m_nPenStyle, PS_DASH);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, StraightLineTest,
    ::testing::Values(
        LineCase{"dragAcross", {{2500, -2500}, {4000, -3000}, {6000, -2000}, {7500, -5000}, {7500, -5000}}, false, 1},
        LineCase{"singleMove", {{2500, -2500}, {5000, -5000}, {5000, -5000}}, false, 1},
        LineCase{"clickWithoutMove", {{2500, -2500}, {2500, -2500}}, false, 0},
        LineCase{"backToThePressPoint", {{2500, -2500}, {5000, -5000}, {2500, -2500}, {2500, -2500}}, false, 0},
        LineCase{"freeMotionKeepsUnsnappedPoints", {{2560, -2560}, {5010, -4990}, {5010, -4990}}, true, 1}),
    [](const auto& info) { return std::string(info.param.szName); });

struct StatusCase {
    const char* szName;
    CPoint ptTo;
    int nDeltaX, nDeltaY;
    double dAngle;
};
void PrintTo(const StatusCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct StatusValuesTest : ToolTest, ::testing::WithParamInterface<StatusCase> {};

// Display y grows downwards: dragging down gives a positive dy and 90 degrees.
TEST_P(StatusValuesTest, followTheDragAndReadZeroAfterIt)
{
    const StatusCase& sc = GetParam();
    CStatusValues values;
    SetMainStatusValues(&values);
    Press(5000, -5000);
    MoveTo(sc.ptTo.x, sc.ptTo.y);
    EXPECT_EQ(values.m_nCursorX, sc.ptTo.x);
    EXPECT_EQ(values.m_nCursorY, -sc.ptTo.y);
    EXPECT_EQ(values.m_nDeltaX, sc.nDeltaX);
    EXPECT_EQ(values.m_nDeltaY, sc.nDeltaY);
    // The factor is 180 / 3.1415926, so a right angle reads a hair over 90.
    EXPECT_NEAR(values.m_dAngle, sc.dAngle, 1e-5);
    Release(sc.ptTo.x, sc.ptTo.y);
    MoveTo(7500, -7500);
    EXPECT_EQ(values.m_nCursorX, 7500);
    EXPECT_EQ(values.m_nDeltaX, 0);
    EXPECT_EQ(values.m_nDeltaY, 0);
    EXPECT_EQ(values.m_dAngle, 0.0);
    SetMainStatusValues(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Directions, StatusValuesTest,
                         ::testing::Values(StatusCase{"down", {5000, -6000}, 0, 1000, 90.0},
                                           StatusCase{"up", {5000, -4000}, 0, -1000, -90.0},
                                           StatusCase{"left", {4000, -5000}, -1000, 0, 180.0},
                                           StatusCase{"right", {6000, -5000}, 1000, 0, 0.0}),
                         [](const auto& info) { return std::string(info.param.szName); });

// A repaint asked for during a drag (here an undo) waits for the release,
// so the preview is never wiped and then drawn again as its "removal".
TEST_F(ToolTest, documentChangeDuringADragLeavesNoStrayPixels)
{
    doc.AddFigure(Line(1000, -1000, 9000, -1000, kBlue, 2));
    view.RedrawSurface();
    Press(2500, -2500);
    MoveTo(5000, -5000);
    doc.OnEditUndo();
    MoveTo(6000, -4000);
    Release(6000, -4000);
    ASSERT_EQ(doc.GetVisibleCount(), 1);
    EXPECT_EQ(SurfaceMismatch(), "");
}

TEST_F(ToolTest, releaseWithoutPressIsIgnoredAndOtherViewsGetTheFigure)
{
    CMyDrevikView viewOther(&doc);
    Release(5000, -5000);
    EXPECT_EQ(doc.GetCount(), 0);
    Drag({CPoint(2500, -2500), CPoint(7500, -2500)});
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(PixelAt(viewOther, 5000, -2500), kBlack);
}

TEST_F(ToolTest, toolTableHasEachIdOnceAndUnbuiltToolsDoNothing)
{
    EXPECT_TRUE(ToolRuleIdsAreUnique());
    view.GetSettings().m_nTool = int(ID_EDIT_UNDO);  // a command, not a tool: no row
    const QImage imageBefore = view.GetSurface().copy();
    Drag({CPoint(2500, -2500), CPoint(5000, -5000), CPoint(7500, -5000)});
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(CommitMismatch(imageBefore), "");
}

TEST_F(ToolTest, cursorShowsTheModeAndPanningScrolls)
{
    MoveTo(2500, -2500);
    EXPECT_EQ(view.m_nCursorId, IDC_CURSOR_DRAW);
    view.GetSettings().m_bConcentric = true;
    MoveTo(2750, -2500);
    EXPECT_EQ(view.m_nCursorId, IDC_CURSOR_CONCENTRIC);

    QScrollBar* pHorz = view.horizontalScrollBar();
    QScrollBar* pVert = view.verticalScrollBar();
    const QPoint ptStart = ClientPoint(view, 5000, -5000);
    QTest::mousePress(Client(), Qt::RightButton, {}, ptStart);
    QTest::mouseMove(Client(), ptStart + QPoint(40, 40));
    EXPECT_EQ(view.m_nCursorId, IDC_CURSOR_PAN);
    EXPECT_GT(pHorz->value(), 0) << "right and down scroll right and down";
    EXPECT_GT(pVert->value(), 0);
    QTest::mouseRelease(Client(), Qt::RightButton, {}, ptStart + QPoint(40, 40));
    const int nHorz = pHorz->value();
    QTest::mouseMove(Client(), ptStart + QPoint(80, 40));
    EXPECT_EQ(pHorz->value(), nHorz);
}

struct KeyCase {
    const char* szName;
    int nKey;
    Qt::KeyboardModifiers modifiers;
    QPoint ptExpected;  // scroll position after the key, from the middle (-1: maximum)
};
void PrintTo(const KeyCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct KeyScrollTest : ToolTest, ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyScrollTest, cursorKeysScrollTheView)
{
    const KeyCase& kc = GetParam();
    QScrollBar* pHorz = view.horizontalScrollBar();
    QScrollBar* pVert = view.verticalScrollBar();
    view.ScrollToPosition(QPoint(100, 100));
    QTest::keyClick(&view, Qt::Key(kc.nKey), kc.modifiers);
    const QPoint ptExpected(kc.ptExpected.x() < 0 ? pHorz->maximum() : kc.ptExpected.x(),
                            kc.ptExpected.y() < 0 ? pVert->maximum() : kc.ptExpected.y());
    EXPECT_EQ(view.GetScrollPosition(), ptExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyScrollTest,
    ::testing::Values(KeyCase{"home", Qt::Key_Home, Qt::NoModifier, {0, 100}},
                      KeyCase{"ctrlHome", Qt::Key_Home, Qt::ControlModifier, {100, 0}},
                      KeyCase{"end", Qt::Key_End, Qt::NoModifier, {-1, 100}},
                      KeyCase{"ctrlEnd", Qt::Key_End, Qt::ControlModifier, {100, -1}},
                      KeyCase{"left", Qt::Key_Left, Qt::NoModifier, {90, 100}},
                      KeyCase{"down", Qt::Key_Down, Qt::NoModifier, {100, 107}}),
    [](const auto& info) { return std::string(info.param.szName); });

}  // namespace

namespace {

using namespace tooltest;

// While the button is down the pointer stays in the view: a drag beyond the
// right edge ends on the grid point at the edge.
TEST_F(ToolTest, dragBeyondTheViewEndsAtItsEdge)
{
    const int nEdge = Client()->width() - 1;
    const CPoint ptEdge = view.SnapToGrid(view.DeviceToLogical(QPointF(nEdge, ClientPoint(view, 0, -5000).y())));
    ASSERT_LT(ptEdge.x, 25000);
    Drag({CPoint(5000, -5000), CPoint(25000, -5000)});
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(doc.GetFigure(0)->GetPointRect(), CRect(5000, -5000, ptEdge.x, -5000));
}

}  // namespace
