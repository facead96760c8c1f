// Drag and paste and stamping with the mouse: what a press picks up, the
// preview that leaves no trace, the drops of the three sub-modes, and the
// stamp of a captured run.
#include "tooltesting.h"

#include "figures/arcs.h"
#include "resources/resource.h"

namespace {

using namespace tooltest;

const CRect kOlder(500, -500, 2000, -1500);
const CRect kNewer(500, -500, 3000, -500);  // shares its first end point with kOlder

struct DropCase {
    const char* szName;
    UINT nSubMode;
    CPoint ptPress;
    CPoint ptRelease;
    std::vector<CRect> vecAfter;  // the figures' points, in document order
};
void PrintTo(const DropCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct DropTest : ToolTest, ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTest, dropReplacesOrCopiesTheOldestFigureHitAsTheNewestStep)
{
    const DropCase& dc = GetParam();
    doc.AddFigure(Line(kOlder.left, kOlder.top, kOlder.right, kOlder.bottom, kRed));
    doc.AddFigure(Line(kNewer.left, kNewer.top, kNewer.right, kNewer.bottom, kRed));
    view.OnCommand(ID_DRAG_PASTE);
    view.OnCommand(dc.nSubMode);
    const QImage imageBefore = view.GetSurface().copy();

    Press(dc.ptPress.x, dc.ptPress.y);
    MoveTo(dc.ptPress.x + 250, dc.ptPress.y - 250);
    MoveTo(dc.ptRelease.x, dc.ptRelease.y);
    if (dc.ptRelease != dc.ptPress) {
        EXPECT_NE(view.GetSurface(), imageBefore) << "the drag shows where the figure goes";
    }
    Release(dc.ptRelease.x, dc.ptRelease.y);

    ASSERT_EQ(doc.GetVisibleCount(), int(dc.vecAfter.size()));
    for (std::size_t i = 0; i < dc.vecAfter.size(); ++i)
        EXPECT_EQ(doc.GetFigure(int(i))->GetPointRect(), dc.vecAfter[i]) << i;
    EXPECT_EQ(SurfaceMismatch(), "") << "the preview is gone";
    EXPECT_FALSE(view.m_bHit);
}

INSTANTIATE_TEST_SUITE_P(
    DragPaste, DropTest,
    ::testing::Values(
        DropCase{"cutMovesTheLowerIndex", ID_EDIT_CUT, {500, -500}, {1000, -1000},
                 {kNewer, CRect(1000, -1000, 2500, -2000)}},
        DropCase{"cutOnThePressPointRaisesIt", ID_EDIT_CUT, {500, -500}, {500, -500}, {kNewer, kOlder}},
        DropCase{"pasteKeepsTheOriginal", ID_EDIT_PASTE, {2000, -1500}, {2500, -2500},
                 {kOlder, kNewer, CRect(1000, -1500, 2500, -2500)}},
        DropCase{"resizeMovesTheGrabbedEndOnly", ID_RESIZE_ROTATE, {2000, -1500}, {4000, -3000},
                 {kNewer, CRect(4000, -3000, 500, -500)}},
        DropCase{"missDrawsWithTheTool", ID_EDIT_PASTE, {5000, -5000}, {6000, -6000},
                 {kOlder, kNewer, CRect(5000, -5000, 6000, -6000)}}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ToolTest, anArcCannotBeResizedAndShowsNoPreview)
{
    doc.AddFigure(std::make_unique<CArc>(1000, -1000, 3000, -3000, 3000, -2000, 1000, -2000, kRed, 1, FALSE,
                                         PS_SOLID));
    view.OnCommand(ID_DRAG_PASTE);
    view.OnCommand(ID_RESIZE_ROTATE);
    CFigure* pArc = doc.GetFigure(0);
    const QImage imageBefore = view.GetSurface().copy();
    Press(1000, -1000);
    EXPECT_TRUE(view.m_bHit);
    MoveTo(2000, -1500);
    MoveTo(2500, -1500);
    EXPECT_EQ(view.GetSurface(), imageBefore);
    Release(2500, -1500);
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(doc.GetFigure(0), pArc);
    EXPECT_EQ(pArc->GetPointRect(), CRect(1000, -1000, 3000, -3000));
}

TEST_F(ToolTest, undoDuringADragLeavesNothingToDrop)
{
    doc.AddFigure(Line(500, -500, 2000, -1500, kRed));
    view.OnCommand(ID_DRAG_PASTE);
    Press(500, -500);
    MoveTo(1000, -1000);
    doc.OnEditUndo();
    MoveTo(1500, -1000);
    Release(1500, -1000);
    EXPECT_EQ(doc.GetVisibleCount(), 0);
}

// Three lines whose corners nearest the origin are (1000, -1000),
// (1500, -500) and (2500, -2500): the first is the run's reference.
const CRect kRun[] = {CRect(2000, -2000, 1000, -1000), CRect(1500, -800, 3000, -500),
                      CRect(2500, -2500, 2750, -3000)};

struct StampTest : ToolTest {
    void CaptureRun()
    {
        doc.AddFigure(Line(250, -250, 750, -250, kRed));
        view.OnCommand(ID_START_CAPTURE);
        for (const CRect& r : kRun)
            doc.AddFigure(Line(r.left, r.top, r.right, r.bottom, kRed));
        view.OnCommand(ID_END_CAPTURE);
        ASSERT_TRUE(view.m_bCaptureReady);
    }
    static CRect Moved(const CRect& r, CSize offset)
    {
        return CRect(r.left + offset.cx, r.top + offset.cy, r.right + offset.cx, r.bottom + offset.cy);
    }
};

TEST_F(StampTest, stampCopiesTheRunToThePressAndUndoesOneCopyAtATime)
{
    CaptureRun();
    const QImage imageBefore = view.GetSurface().copy();
    MoveTo(4000, -4000);
    MoveTo(5000, -4000);
    EXPECT_NE(view.GetSurface(), imageBefore);
    // The crosshair runs from the canvas's left edge to its right one.
    const QImage& surface = view.GetSurface();
    const int nRow = SurfacePixel(view, 0, -4000).y();
    EXPECT_NE(surface.pixel(0, nRow), imageBefore.pixel(0, nRow));
    EXPECT_NE(surface.pixel(surface.width() - 2, nRow), imageBefore.pixel(surface.width() - 2, nRow));

    Click(5000, -4000);
    EXPECT_FALSE(view.m_bCaptureReady);
    ASSERT_EQ(doc.GetVisibleCount(), 7);
    const CSize offset(4000, -3000);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(doc.GetFigure(4 + i)->GetPointRect(), Moved(kRun[i], offset)) << i;
    EXPECT_EQ(SurfaceMismatch(), "") << "the crosshair is gone";
    for (int nLeft = 6; nLeft >= 4; --nLeft) {
        doc.OnEditUndo();
        EXPECT_EQ(doc.GetVisibleCount(), nLeft);
    }
}

// A repaint while the stamp waits wipes the crosshair; the next move must
// draw a new one, not "remove" the old one.
TEST_F(StampTest, aRepaintWhileTheStampWaitsLeavesNoStrayCrosshair)
{
    CaptureRun();
    MoveTo(4000, -4000);
    MoveTo(5000, -3000);
    doc.UpdateAllViews(nullptr, 0, doc.GetFigure(0));
    const QImage imageClean = view.GetSurface().copy();
    EXPECT_EQ(SurfaceMismatch(), "");
    MoveTo(5000, -3000);
    EXPECT_NE(view.GetSurface(), imageClean) << "the crosshair is drawn again";
    Click(5000, -3000);
    EXPECT_EQ(SurfaceMismatch(), "");
}

// A step back hides the run's last figure: only what is shown is stamped,
// and the hidden figure is not touched.
TEST_F(StampTest, aHiddenPartOfTheRunIsLeftOut)
{
    CaptureRun();
    doc.OnGoBackward();
    Click(5000, -4000);
    ASSERT_EQ(doc.GetVisibleCount(), 5);
    const CSize offset(4000, -3000);
    EXPECT_EQ(doc.GetFigure(3)->GetPointRect(), Moved(kRun[0], offset));
    EXPECT_EQ(doc.GetFigure(4)->GetPointRect(), Moved(kRun[1], offset));
    EXPECT_EQ(doc.m_figures[5]->GetPointRect(), kRun[2]);
}

}  // namespace
