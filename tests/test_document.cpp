// The step pointer rules of the document and its commands.
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts repaint requests.
class CountingView : public CView {
public:
    void OnUpdate(CView*, LPARAM, CObject*) override { ++m_nUpdates; }
    int m_nUpdates = 0;
};

std::unique_ptr<CFigure> MakeLine(int nTag)
{
    return std::make_unique<CLine>(nTag, 0, nTag, -100, 0, 1, PS_SOLID);
}

// A document of n lines tagged 0 .. n-1 by their x, step on the last one.
void Fill(CMyDrevikDoc& doc, int n)
{
    for (int i = 0; i < n; ++i)
        doc.AddFigure(MakeLine(i));
}

// The x tags of the whole array, in order.
std::vector<int> Tags(const CMyDrevikDoc& doc)
{
    std::vector<int> tags;
    for (const auto& pFigure : doc.m_figures)
        tags.push_back(pFigure->m_x1);
    return tags;
}

struct UiState : CCmdUI {};

bool Enabled(CMyDrevikDoc& doc, UINT nID)
{
    UiState ui;
    EXPECT_TRUE(doc.OnUpdateCommand(nID, &ui));
    return ui.m_bEnabled;
}

}  // namespace

TEST(Document, emptyDocumentDisablesHistoryAndDoesNotRedraw)
{
    CMyDrevikDoc doc;
    CountingView view;
    doc.AddView(&view);
    EXPECT_EQ(doc.ClampStep(), -1);
    EXPECT_FALSE(doc.m_bCanGoBack);
    EXPECT_FALSE(doc.m_bCanGoForward);
    EXPECT_EQ(doc.GetVisibleCount(), 0);
    EXPECT_FALSE(Enabled(doc, ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(doc, ID_GO_BACKWARD));
    EXPECT_FALSE(Enabled(doc, ID_MOVE_FORWARD));
    EXPECT_FALSE(Enabled(doc, ID_EDIT_CLEAR_ALL));
    EXPECT_TRUE(Enabled(doc, ID_FIRST_STEP));
    EXPECT_TRUE(Enabled(doc, ID_LAST_STEP));
    doc.OnCommand(ID_FIRST_STEP);
    doc.OnCommand(ID_LAST_STEP);
    EXPECT_EQ(view.m_nUpdates, 0);
    EXPECT_FALSE(doc.IsModified());
    doc.RemoveView(&view);
}

TEST(Document, addAfterGoingBackKeepsHiddenSteps)
{
    CMyDrevikDoc doc;
    Fill(doc, 5);
    EXPECT_EQ(doc.m_nStep, 4);
    doc.OnCommand(ID_GO_BACKWARD);
    doc.OnCommand(ID_GO_BACKWARD);
    doc.AddFigure(MakeLine(9));
    EXPECT_EQ(doc.m_nStep, 3);
    EXPECT_EQ(Tags(doc), (std::vector<int>{0, 1, 2, 9, 3, 4}));
    EXPECT_EQ(doc.GetFigure(4), nullptr);
    doc.OnCommand(ID_MOVE_FORWARD);
    doc.OnCommand(ID_MOVE_FORWARD);
    EXPECT_EQ(doc.GetVisibleCount(), 6);
    EXPECT_EQ(doc.GetFigure(5)->m_x1, 4);
}

TEST(Document, undoRemovesNewestVisibleFigureNotLastEntry)
{
    CMyDrevikDoc doc;
    Fill(doc, 5);
    doc.m_nStep = 2;
    doc.SetModifiedFlag(FALSE);
    doc.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Tags(doc), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(doc.m_nStep, 1);
    EXPECT_TRUE(doc.IsModified());
}

TEST(Document, undoWithNothingVisibleStillRedrawsAndMarksModified)
{
    CMyDrevikDoc doc;
    CountingView view;
    doc.AddView(&view);
    Fill(doc, 2);
    doc.m_nStep = -1;
    doc.SetModifiedFlag(FALSE);
    doc.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(view.m_nUpdates, 1);
    EXPECT_TRUE(doc.IsModified());
    doc.RemoveView(&view);
}

TEST(Document, stepOutOfRangeIsClampedByTheRule)
{
    CMyDrevikDoc doc;
    Fill(doc, 3);
    // Forward at the last step goes to count; the next clamp brings it back.
    doc.OnCommand(ID_MOVE_FORWARD);
    EXPECT_EQ(doc.m_nStep, 3);
    EXPECT_EQ(doc.ClampStep(), 2);
    // Back at -1 goes below it, which clamps to the last step, not to -1.
    doc.m_nStep = -1;
    doc.OnCommand(ID_GO_BACKWARD);
    EXPECT_EQ(doc.ClampStep(), 2);
    EXPECT_TRUE(doc.m_bCanGoForward);
    EXPECT_FALSE(doc.m_bCanGoBack);
    // Repeated commands without a clamp in between never leave the int range.
    doc.m_nStep = -1;
    for (int i = 0; i < 10; ++i)
        doc.OnGoBackward();
    EXPECT_EQ(doc.ClampStep(), 2);
    for (int i = 0; i < 10; ++i)
        doc.OnMoveForward();
    EXPECT_EQ(doc.ClampStep(), 2);
}

TEST(Document, deleteAllReportsBackOnceThenEmpty)
{
    CMyDrevikDoc doc;
    Fill(doc, 5);
    doc.OnCommand(ID_EDIT_CLEAR_ALL);
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.m_nStep, 4);
    EXPECT_EQ(doc.ClampStep(), -1);
    EXPECT_TRUE(doc.m_bCanGoBack);
    EXPECT_FALSE(doc.m_bCanGoForward);
    EXPECT_EQ(doc.ClampStep(), -1);
    EXPECT_FALSE(doc.m_bCanGoBack);
}

TEST(Document, getFigureNeverReturnsHiddenOrOutOfRange)
{
    CMyDrevikDoc doc;
    Fill(doc, 4);
    doc.m_nStep = 1;
    EXPECT_EQ(doc.GetFigure(-1), nullptr);
    EXPECT_NE(doc.GetFigure(1), nullptr);
    EXPECT_EQ(doc.GetFigure(2), nullptr);
    EXPECT_EQ(doc.GetFigure(100), nullptr);
}

TEST(Document, firstAndLastStepCompareStoredStep)
{
    CMyDrevikDoc doc;
    CountingView view;
    doc.AddView(&view);
    Fill(doc, 3);
    doc.OnCommand(ID_LAST_STEP);
    EXPECT_EQ(view.m_nUpdates, 0);  // already at the last step
    doc.OnCommand(ID_FIRST_STEP);
    EXPECT_EQ(doc.m_nStep, -1);
    EXPECT_EQ(view.m_nUpdates, 1);
    doc.OnCommand(ID_LAST_STEP);
    EXPECT_EQ(doc.m_nStep, 2);
    EXPECT_EQ(view.m_nUpdates, 2);
    doc.SetModifiedFlag(FALSE);
    doc.OnCommand(ID_GO_BACKWARD);
    doc.OnCommand(ID_MOVE_FORWARD);
    doc.OnCommand(ID_REFRESH_SCREEN);
    doc.OnCommand(ID_FREE_MOTION);
    doc.OnCommand(ID_CENTRE);
    EXPECT_FALSE(doc.IsModified());
    doc.RemoveView(&view);
}

TEST(Document, togglesShowCheckMarks)
{
    CMyDrevikDoc doc;
    UiState ui;
    doc.OnUpdateCommand(ID_CENTRE, &ui);
    EXPECT_EQ(ui.m_nCheck, 1);
    doc.OnUpdateCommand(ID_FREE_MOTION, &ui);
    EXPECT_EQ(ui.m_nCheck, 0);
    doc.OnCommand(ID_FREE_MOTION);
    doc.OnCommand(ID_CENTRE);
    doc.OnUpdateCommand(ID_FREE_MOTION, &ui);
    EXPECT_EQ(ui.m_nCheck, 1);
    doc.OnUpdateCommand(ID_CENTRE, &ui);
    EXPECT_EQ(ui.m_nCheck, 0);
}

TEST(Document, removeFigureAtMovesStepBackWhateverTheIndex)
{
    CMyDrevikDoc doc;
    Fill(doc, 5);
    doc.m_nStep = 2;
    doc.SetModifiedFlag(FALSE);
    doc.RemoveFigureAt(4);  // a hidden figure
    EXPECT_EQ(doc.m_nStep, 1);
    EXPECT_EQ(Tags(doc), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(doc.IsModified());
}
