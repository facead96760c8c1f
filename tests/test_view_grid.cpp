// Grid state of the view: initial values, the six grid commands with their
// check marks, and the dots they leave on the surface.
#include "resources/resource.h"
#include "viewtesting.h"

#include <gtest/gtest.h>

namespace {

using viewtest::CountPixels;
using viewtest::GridDotCount;
using viewtest::kBlack;

struct GridState {
    int nSize, nDot, nSnap;
    bool bFreeMotion;
};

void ExpectGrid(const CMyDrevikView& view, const CMyDrevikDoc& doc, const GridState& state,
                const char* pszStep)
{
    SCOPED_TRACE(pszStep);
    EXPECT_EQ(view.m_nGridSize, state.nSize);
    EXPECT_EQ(view.m_nGridDotX, state.nDot);
    EXPECT_EQ(view.m_nGridDotY, state.nDot);
    EXPECT_EQ(view.m_nSnapX, state.nSnap);
    EXPECT_EQ(view.m_nSnapY, state.nSnap);
    EXPECT_EQ(doc.m_bFreeMotion, state.bFreeMotion);
}

TEST(ViewGrid, startsWithTheMediumGridShownAndSynchronized)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    EXPECT_EQ(view.m_sizeCanvas, CSize(27195, 20396));
    ExpectGrid(view, doc, {2, 250, 250, false}, "initial");
    EXPECT_TRUE(view.m_bGridSync);
    EXPECT_TRUE(view.m_bGridShow);
    EXPECT_TRUE(view.m_bSnap);
    EXPECT_EQ(view.m_nUnits, 2);
    EXPECT_TRUE(view.m_bCentre);
    EXPECT_EQ(view.m_colorGrid, 0u);
    EXPECT_EQ(view.m_penRubber.GetData().nStyle, PS_DOT);
    EXPECT_EQ(view.m_penRubber.GetData().nWidth, 1);
    EXPECT_EQ(view.m_penRubber.GetData().color, 0u);
    EXPECT_FALSE(view.m_bAnimate);
    EXPECT_FALSE(view.m_bDragPaste);
    EXPECT_EQ(view.m_ptCaptureRef, CPoint(1000, 1000));
}

TEST(ViewGrid, sizeShowAndSyncCommandsFollowTheStateTable)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);

    ASSERT_TRUE(view.OnCommand(ID_GRID_SMALL));
    ExpectGrid(view, doc, {1, 125, 125, false}, "small while shown and synchronized");

    view.OnCommand(ID_GRID_SHOW);
    ExpectGrid(view, doc, {1, 125, 125, true}, "hidden while synchronized: free motion");

    view.OnCommand(ID_GRID_LARGE);
    ExpectGrid(view, doc, {3, 125, 125, true}, "size while hidden and synchronized");

    view.OnCommand(ID_GRID_SHOW);
    ExpectGrid(view, doc, {3, 375, 375, false}, "shown again takes the size");

    view.OnCommand(ID_GRID_SYNC);
    ExpectGrid(view, doc, {3, 375, 375, false}, "synchronization off");

    view.OnCommand(ID_GRID_EXTRA_LARGE);
    ExpectGrid(view, doc, {4, 375, 500, false}, "size without synchronization moves the snap only");

    view.OnCommand(ID_GRID_SHOW);
    view.OnCommand(ID_GRID_MEDIUM);
    ExpectGrid(view, doc, {2, 375, 250, false}, "hidden, not synchronized");

    view.OnCommand(ID_GRID_SYNC);
    ExpectGrid(view, doc, {2, 375, 250, true}, "synchronized while hidden");
}

TEST(ViewGrid, checkMarksShowTheStateAndEveryCommandIsEnabled)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    view.OnCommand(ID_GRID_LARGE);
    view.OnCommand(ID_GRID_SYNC);

    const struct {
        UINT nID;
        int nCheck;
    } rows[] = {
        {ID_GRID_SMALL, 0}, {ID_GRID_MEDIUM, 0}, {ID_GRID_LARGE, 1},
        {ID_GRID_EXTRA_LARGE, 0}, {ID_GRID_SYNC, 0}, {ID_GRID_SHOW, 1},
    };
    for (const auto& row : rows) {
        CCmdUI ui;
        ui.Enable(FALSE);
        ASSERT_TRUE(view.OnUpdateCommand(row.nID, &ui)) << row.nID;
        EXPECT_TRUE(ui.m_bEnabled) << row.nID;
        EXPECT_EQ(ui.m_nCheck, row.nCheck) << row.nID;
    }
    EXPECT_FALSE(view.OnCommand(ID_EDIT_UNDO));
}

TEST(ViewGrid, dotsFollowTheCommandsOnTheSurface)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    CMyDrevikView viewOther(&doc);
    EXPECT_EQ(CountPixels(view.GetSurface(), kBlack), GridDotCount(250));

    view.OnCommand(ID_GRID_LARGE);
    EXPECT_EQ(CountPixels(view.GetSurface(), kBlack), GridDotCount(375));

    // Each view has its own grid: hiding it in one leaves the other's dots.
    view.OnCommand(ID_GRID_SHOW);
    EXPECT_EQ(CountPixels(view.GetSurface(), kBlack), 0);
    EXPECT_EQ(CountPixels(viewOther.GetSurface(), kBlack), GridDotCount(250));
}

}  // namespace
