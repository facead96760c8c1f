// Grid state of the view: the six grid commands, their check marks, and
// the dots they leave on the surface.
#include "resources/resource.h"
#include "viewtesting.h"
#include "tests/commandnames.h"

namespace {

using viewtest::CountPixels;
using viewtest::GridDotCount;
using viewtest::kBlack;
using viewtest::ViewTest;

struct GridState {
    int nSize, nDot, nSnap;
    bool bFreeMotion;
};

void ExpectGrid(const CMyDrevikView& view, const CMyDrevikDoc& doc, const GridState& state,
                const char* pszStep)
{
    SCOPED_TRACE(pszStep);
    EXPECT_EQ(view.m_nGridSize, state.nSize);
    EXPECT_EQ(CPoint(view.m_nGridDotX, view.m_nGridDotY), CPoint(state.nDot, state.nDot));
    EXPECT_EQ(CPoint(view.m_nSnapX, view.m_nSnapY), CPoint(state.nSnap, state.nSnap));
    EXPECT_EQ(doc.m_bFreeMotion, state.bFreeMotion);
}

TEST_F(ViewTest, gridCommandsFollowTheStateTable)
{
    ExpectGrid(view, doc, {2, 250, 250, false}, "initial");
    ASSERT_TRUE(view.OnCommand(ID_GRID_SMALL));
    ExpectGrid(view, doc, {1, 125, 125, false}, "small while shown and synchronized");
    view.OnCommand(ID_GRID_SHOW);
    ExpectGrid(view, doc, {1, 125, 125, true}, "hidden while synchronized: free motion");
    view.OnCommand(ID_GRID_LARGE);
    ExpectGrid(view, doc, {3, 125, 125, true}, "size while hidden and synchronized");
    view.OnCommand(ID_GRID_SHOW);
    ExpectGrid(view, doc, {3, 375, 375, false}, "shown again takes the size");
    view.OnCommand(ID_GRID_SYNC);
    view.OnCommand(ID_GRID_EXTRA_LARGE);
    ExpectGrid(view, doc, {4, 375, 500, false}, "size without synchronization moves the snap only");
    view.OnCommand(ID_GRID_SHOW);
    view.OnCommand(ID_GRID_MEDIUM);
    ExpectGrid(view, doc, {2, 375, 250, false}, "hidden, not synchronized");
    view.OnCommand(ID_GRID_SYNC);
    ExpectGrid(view, doc, {2, 375, 250, true}, "synchronized while hidden");

    // Every grid command stays enabled; the marks show medium, synchronized, hidden.
    const UINT ids[] = {ID_GRID_SMALL, ID_GRID_MEDIUM, ID_GRID_LARGE,
                        ID_GRID_EXTRA_LARGE, ID_GRID_SYNC, ID_GRID_SHOW};
    const int checks[] = {0, 1, 0, 0, 1, 0};
    for (int i = 0; i < 6; ++i) {
        CCmdUI ui;
        ui.Enable(FALSE);
        ASSERT_TRUE(view.OnUpdateCommand(ids[i], &ui)) << CommandName(ids[i]);
        EXPECT_TRUE(ui.m_bEnabled) << CommandName(ids[i]);
        EXPECT_EQ(ui.m_nCheck, checks[i]) << CommandName(ids[i]);
    }
    EXPECT_FALSE(view.OnCommand(ID_EDIT_UNDO));
}

TEST_F(ViewTest, gridDotsFollowTheCommandsOnTheSurface)
{
    CMyDrevikView viewOther(&doc);
    const QImage& image = view.GetSurface();
    EXPECT_EQ(CountPixels(image, kBlack), GridDotCount(250));
    EXPECT_EQ(CountPixels(image, viewtest::kWhite), image.width() * image.height() - GridDotCount(250))
        << "an empty drawing shows only the grid";

    view.OnCommand(ID_GRID_LARGE);
    EXPECT_EQ(CountPixels(image, kBlack), GridDotCount(375));

    // Each view has its own grid: hiding it in one leaves the other's dots.
    view.OnCommand(ID_GRID_SHOW);
    EXPECT_EQ(CountPixels(image, kBlack), 0);
    EXPECT_EQ(CountPixels(viewOther.GetSurface(), kBlack), GridDotCount(250));
}

// A view that counts the updates the document sends it.
class CUpdateCountingView : public CMyDrevikView {
public:
    using CMyDrevikView::CMyDrevikView;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override
    {
        ++m_nUpdates;
        CMyDrevikView::OnUpdate(pSender, lHint, pHint);
    }
    int m_nUpdates = 0;
};

// Showing or hiding the grid repaints each view of the drawing once,
// whether or not the grid follows the mouse.
TEST(ViewGrid, gridModeRepaintsEveryViewOnce)
{
    CMyDrevikDoc doc;
    CUpdateCountingView view(&doc);
    CUpdateCountingView viewOther(&doc);
    const struct {
        const char* pszStep;
        UINT nID;
        int nUpdates;
    } steps[] = {
        {"hidden while synchronized", ID_GRID_SHOW, 1},
        {"shown while synchronized", ID_GRID_SHOW, 1},
        {"synchronization off", ID_GRID_SYNC, 0},
        {"hidden, not synchronized", ID_GRID_SHOW, 1},
        {"shown, not synchronized", ID_GRID_SHOW, 1},
    };
    for (const auto& step : steps) {
        view.m_nUpdates = viewOther.m_nUpdates = 0;
        view.OnCommand(step.nID);
        EXPECT_EQ(view.m_nUpdates, step.nUpdates) << step.pszStep;
        EXPECT_EQ(viewOther.m_nUpdates, step.nUpdates) << step.pszStep;
    }
}

}  // namespace
