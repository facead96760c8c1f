// The whole-drawing commands: mirror and zoom on the visible figures, the
// drag and paste sub-mode rules, the capture states, the picture copy and
// the replay started by its command.
#include "tooltesting.h"

#include "resources/resource.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using namespace tooltest;

struct TransformCase {
    const char* szName;
    std::vector<UINT> vecCommands;
    CRect rectBefore;
    CRect rectAfter;
};
void PrintTo(const TransformCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct TransformTest : ToolTest, ::testing::WithParamInterface<TransformCase> {};

TEST_P(TransformTest, rewritesTheVisibleFiguresAndLeavesHiddenOnesAlone)
{
    const TransformCase& tc = GetParam();
    const CRect& r = tc.rectBefore;
    doc.AddFigure(Line(r.left, r.top, r.right, r.bottom, kRed));
    doc.AddFigure(Line(r.left, r.top, r.right, r.bottom, kRed));
    doc.OnGoBackward();  // the second line is a hidden later step
    for (UINT nID : tc.vecCommands)
        ASSERT_TRUE(view.OnCommand(nID));
    EXPECT_EQ(doc.GetFigure(0)->GetPointRect(), tc.rectAfter);
    EXPECT_EQ(doc.m_figures[1]->GetPointRect(), tc.rectBefore);
    EXPECT_EQ(SurfaceMismatch(), "") << "every view is repainted";
}

INSTANTIATE_TEST_SUITE_P(
    EditCommands, TransformTest,
    ::testing::Values(
        TransformCase{"invertX", {ID_INVERT_X}, CRect(0, -100, 1000, -200), CRect(27195, -100, 26195, -200)},
        TransformCase{"invertXTwice", {ID_INVERT_X, ID_INVERT_X}, CRect(17, -3, 999, -4001),
                      CRect(17, -3, 999, -4001)},
        TransformCase{"invertY", {ID_INVERT_Y}, CRect(5, 0, 6, -1000), CRect(5, -20396, 6, -19396)},
        TransformCase{"invertYTwice", {ID_INVERT_Y, ID_INVERT_Y}, CRect(5, -7, 6, -12001),
                      CRect(5, -7, 6, -12001)},
        TransformCase{"zoomInSmall", {ID_ZOOM_IN}, CRect(1, -1, 400, -400), CRect(1, -1, 500, -500)},
        TransformCase{"zoomOutSmall", {ID_ZOOM_OUT}, CRect(1, -1, 500, -500), CRect(0, 0, 400, -400)},
        TransformCase{"zoomInThenOutTruncates", {ID_ZOOM_IN, ID_ZOOM_OUT}, CRect(250, -250, 1000, -1000),
                      CRect(249, -249, 1000, -1000)}),
    [](const auto& info) { return std::string(info.param.szName); });

CCmdUI Update(CMyDrevikView& view, UINT nID)
{
    CCmdUI cmdUI;
    cmdUI.m_nID = nID;
    EXPECT_TRUE(view.OnUpdateCommand(nID, &cmdUI));
    return cmdUI;
}

struct SubModeCase {
    const char* szName;
    std::vector<UINT> vecCommands;
    bool bModeOn;
    UINT nChecked;  // the sub-mode showing the check mark, or 0
};
void PrintTo(const SubModeCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct SubModeTest : ToolTest, ::testing::WithParamInterface<SubModeCase> {};

TEST_P(SubModeTest, subModesAreEnabledAndCheckedOnlyWhileTheModeIsOn)
{
    const SubModeCase& sc = GetParam();
    for (UINT nID : sc.vecCommands)
        ASSERT_TRUE(view.OnCommand(nID));
    EXPECT_EQ(Update(view, ID_DRAG_PASTE).m_nCheck != 0, sc.bModeOn);
    EXPECT_TRUE(Update(view, ID_DRAG_PASTE).m_bEnabled);
    for (UINT nID : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_RESIZE_ROTATE}) {
        const CCmdUI cmdUI = Update(view, nID);
        EXPECT_EQ(cmdUI.m_bEnabled, sc.bModeOn) << nID;
        EXPECT_EQ(cmdUI.m_nCheck != 0, nID == sc.nChecked) << nID;
    }
    int nSet = int(view.m_bCutMode) + int(view.m_bPasteMode) + int(view.m_bResizeRotate);
    EXPECT_LE(nSet, 1);
}

INSTANTIATE_TEST_SUITE_P(
    EditCommands, SubModeTest,
    ::testing::Values(
        SubModeCase{"off", {}, false, 0},
        SubModeCase{"onStartsInCut", {ID_DRAG_PASTE}, true, ID_EDIT_CUT},
        SubModeCase{"paste", {ID_DRAG_PASTE, ID_EDIT_PASTE}, true, ID_EDIT_PASTE},
        SubModeCase{"resize", {ID_DRAG_PASTE, ID_EDIT_PASTE, ID_RESIZE_ROTATE}, true, ID_RESIZE_ROTATE},
        SubModeCase{"offHidesTheChoice", {ID_DRAG_PASTE, ID_RESIZE_ROTATE, ID_DRAG_PASTE}, false, 0},
        SubModeCase{"onAgainIsCut",
                    {ID_DRAG_PASTE, ID_RESIZE_ROTATE, ID_DRAG_PASTE, ID_DRAG_PASTE}, true, ID_EDIT_CUT}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ToolTest, dragPasteModeShowsAndHidesTheHandles)
{
    doc.AddFigure(Line(1000, -1000, 3000, -2000, kRed));
    view.RedrawSurface();
    const QImage imagePlain = view.GetSurface().copy();
    view.OnCommand(ID_DRAG_PASTE);
    EXPECT_NE(view.GetSurface(), imagePlain);
    EXPECT_EQ(SurfaceMismatch(), "");
    view.OnCommand(ID_DRAG_PASTE);
    EXPECT_EQ(view.GetSurface(), imagePlain);
}

// Actions: S start, E end, A add a figure, B go backward.
struct CaptureCase {
    const char* szActions;
    bool bCapturing;
    bool bReady;
    int nFirst;
    int nEnd;
};
void PrintTo(const CaptureCase& c, std::ostream* pOut) { *pOut << c.szActions; }

struct CaptureTest : ToolTest, ::testing::WithParamInterface<CaptureCase> {};

TEST_P(CaptureTest, startAndEndMarkARunOnlyWhenFiguresWereAdded)
{
    const CaptureCase& cc = GetParam();
    for (const char* p = cc.szActions; *p; ++p) {
        switch (*p) {
        case 'S': view.OnCommand(ID_START_CAPTURE); break;
        case 'E': view.OnCommand(ID_END_CAPTURE); break;
        case 'A': doc.AddFigure(Line(1000, -1000, 2000, -2000, kRed)); break;
        case 'B': doc.OnGoBackward(); break;
        }
    }
    EXPECT_EQ(view.m_bCapturing, cc.bCapturing);
    EXPECT_EQ(view.m_bCaptureReady, cc.bReady);
    EXPECT_EQ(Update(view, ID_START_CAPTURE).m_nCheck != 0, cc.bCapturing);
    EXPECT_EQ(Update(view, ID_END_CAPTURE).m_nCheck != 0, cc.bReady);
    if (cc.bReady) {
        EXPECT_EQ(view.m_nCaptureFirst, cc.nFirst);
        EXPECT_EQ(view.m_nCaptureEnd, cc.nEnd);
    }
}

INSTANTIATE_TEST_SUITE_P(EditCommands, CaptureTest,
                         ::testing::Values(CaptureCase{"", false, false, 0, 0},
                                           CaptureCase{"AS", true, false, 0, 0},
                                           CaptureCase{"ASAAAE", false, true, 1, 4},
                                           CaptureCase{"SE", false, false, 0, 0},
                                           CaptureCase{"SAABBE", false, false, 0, 0},
                                           CaptureCase{"SASAE", false, true, 1, 2},
                                           CaptureCase{"SAESAAE", false, true, 0, 1},
                                           CaptureCase{"E", false, false, 0, 0}));

TEST_F(ToolTest, copyPutsExactlyTheShownPixelsOnTheClipboard)
{
    doc.AddFigure(Line(1000, -1000, 9000, -7000, kRed, 3));
    view.OnCommand(ID_DRAG_PASTE);
    view.ScrollToPosition(QPoint(37, 23));
    QApplication::processEvents();
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(view.OnCommand(ID_EDIT_COPY));
    const QImage imageCopied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    const QSize sizeClient = view.viewport()->size();
    ASSERT_EQ(imageCopied.size(), sizeClient);
    const QImage imageShown =
        view.GetSurface().copy(QRect(view.GetScrollPosition(), sizeClient)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(imageCopied, imageShown);
    EXPECT_EQ(imageCopied, view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(ToolTest, replayCommandReplaysHereAndRepaintsTheOtherViews)
{
    CMyDrevikView viewOther(&doc);
    viewOther.resize(300, 200);
    viewOther.show();
    QApplication::processEvents();
    doc.m_figures.push_back(Line(1000, -1000, 2000, -2000, kRed));
    doc.m_nStep = 0;
    ASSERT_TRUE(view.OnCommand(ID_PLAY_ANIMATION));
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_FALSE(viewOther.IsAnimating());
    EXPECT_FALSE(viewOther.m_bAnimate);
    const QImage imageOther = viewOther.GetSurface().copy();
    viewOther.RedrawSurface();
    EXPECT_EQ(viewOther.GetSurface(), imageOther);
}

}  // namespace
