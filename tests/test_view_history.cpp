// Stepping through the history repaints only the change, yet leaves the
// surface exactly as a full repaint would, flood fills included; the kept
// pictures stay within their bound.
#include "tooltesting.h"

#include "bench/benchdrawing.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/rectangles.h"
#include "view/bandpaint.h"
#include "view/surfacehistory.h"

#include <string>
#include <vector>

namespace {

using namespace tooltest;

// A line that counts how often it is drawn.
class CCountedLine : public CLine {
public:
    using CLine::CLine;
    void Draw(CDC* pDC) override
    {
        ++s_nDraws;
        CLine::Draw(pDC);
    }
    static inline int s_nDraws = 0;
};

// A drawing whose pixels depend on order: mixed figures, a frame filled
// inside, more figures across it, and near the end a fill with no frame
// that floods whatever the figures before it leave open.
void FillOrderDependentDrawing(CMyDrevikDoc& doc)
{
    FillBenchDrawing(doc, 260, false, 3);
    doc.m_figures.push_back(std::make_unique<CRectangle>(9000, -6000, 13000, -10000, RGB(0, 0, 0), 2, FALSE, PS_SOLID));
    doc.m_figures.push_back(std::make_unique<CFloodFill>(11000, -8000, 0, 0, RGB(0, 0, 0), RGB(0, 160, 0), 9));
    FillBenchDrawing(doc, 30, false, 4);
    doc.m_figures.push_back(std::make_unique<CFloodFill>(100, -100, 0, 0, RGB(0, 0, 0), RGB(200, 200, 0), 1));
    FillBenchDrawing(doc, 3, false, 5);
    doc.m_figures.push_back(std::make_unique<CFloodFill>(20000, -15000, 0, 0, RGB(255, 0, 0), RGB(0, 0, 200), 4));
    doc.m_nStep = doc.GetCount() - 1;
}

struct HistoryTest : ToolTest {
    void SetUp() override
    {
        ToolTest::SetUp();
        // One paint at once, however loaded the machine: slices are not
        // what these tests are about.
        view.m_nFirstSliceMs = 1000000;
    }

    // The document painted afresh, on one thread, into a white image of the
    // surface's size: figures, handles, grid.
    QImage FullRepaint()
    {
        QImage image(view.GetSurface().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        CDC dc(&image, view.GetUnitsPerPixel());
        view.OnPrepareDC(&dc);
        view.OnDraw(&dc);
        dc.Detach();
        return image;
    }
    std::string FullRepaintMismatch() { return Describe(DifferenceBounds(view.GetSurface(), FullRepaint())); }

    void Apply(char chOp, int nAdded)
    {
        switch (chOp) {
        case 'B': doc.OnGoBackward(); break;
        case 'F': doc.OnMoveForward(); break;
        case 'U': doc.OnEditUndo(); break;
        case '0': doc.OnFirstStep(); break;
        case 'L': doc.OnLastStep(); break;
        case 'R': doc.OnRefreshScreen(); break;
        case 'D': view.OnDragPaste(); break;  // handles on or off, and a full repaint
        case 'A': {
            // A line drawn with the tool, each one elsewhere on the grid.
            const int x = 1000 + 750 * (nAdded % 20);
            Drag({CPoint(x, -1000), CPoint(x + 2500, -5000)});
            break;
        }
        default: FAIL() << "unknown step " << chOp;
        }
    }
};

struct StepCase {
    const char* szName;
    const char* szOps;
    bool bGrid;
    bool bSlices = false;  // the first paint goes on in slices from the event loop
};
void PrintTo(const StepCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct StepSequenceTest : HistoryTest, ::testing::WithParamInterface<StepCase> {};

// After every step the surface is what a full repaint gives, pixel for
// pixel, and the kept pictures stay within their bound. A figure drawn with
// the grid shown covers the dots under it until the next repaint, as it
// always has, so with the grid that one state is not compared.
TEST_P(StepSequenceTest, SurfaceEqualsFullRepaintAfterEveryStep)
{
    const StepCase& c = GetParam();
    view.m_bGridShow = c.bGrid;
    FillOrderDependentDrawing(doc);
    if (c.bSlices)
        view.m_nFirstSliceMs = 0;
    doc.UpdateAllViews(nullptr);
    ASSERT_EQ(view.IsPainting(), c.bSlices);
    while (view.IsPainting())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    view.m_nFirstSliceMs = 1000000;
    ASSERT_EQ(FullRepaintMismatch(), "");
    int nAdded = 0;
    const std::string strOps = c.szOps;
    for (std::size_t i = 0; i < strOps.size(); ++i) {
        Apply(strOps[i], nAdded);
        nAdded += strOps[i] == 'A';
        const CSurfaceHistory& history = view.GetSurfaceHistory();
        EXPECT_LE(int(history.GetSnapshotCounts().size()), history.GetCapacity());
        EXPECT_LE(history.GetSnapshotBytes(), CSurfaceHistory::kMaxSnapshotBytes);
        if (strOps[i] == 'A' && c.bGrid)
            continue;
        ASSERT_EQ(FullRepaintMismatch(), "") << "after step " << i << " '" << strOps[i] << "' of " << strOps
                                             << ", step pointer " << doc.m_nStep;
    }
}

INSTANTIATE_TEST_SUITE_P(
    History, StepSequenceTest,
    ::testing::Values(
        StepCase{"backOverTheFloodFills", "BBBBBBBB", true},
        StepCase{"backThenForwardAgain", "BBBBFFFFBFBF", true},
        StepCase{"undoAtTheEnd", "UUUBU", true},
        StepCase{"firstThenLast", "0LB0FFFL", true},
        StepCase{"backPastTheFramedFill", "0L" "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB", false},
        StepCase{"addAfterGoingBack", "BBBAFFBUB", false},
        StepCase{"addThenUndoWithTheGrid", "AUABBFUA", true},
        StepCase{"addAtTheEndThenStepAround", "AABBFFUUL", false},
        StepCase{"refreshBetweenSteps", "BBRBFRF", true},
        StepCase{"forwardPastTheEndAndBack", "FFBBB", true},
        StepCase{"backAfterAPaintInSlices", "BBBBBFUB", true, true},
        StepCase{"handlesShownThenStepped", "DBBFUBDBF", true}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.szName); });

// A figure drawn in one view reaches a second view of the drawing as a
// hint: the second view's picture of the figures takes it on top, so its
// later steps need no full repaint either and still match one.
TEST_F(HistoryTest, SecondViewTakesAddedFiguresAndStepsExactly)
{
    CMyDrevikView viewSecond(&doc);
    viewSecond.m_nFirstSliceMs = 1000000;
    viewSecond.resize(500, 400);
    viewSecond.show();
    FillOrderDependentDrawing(doc);
    doc.UpdateAllViews(nullptr);
    QApplication::processEvents();
    const auto secondMismatch = [&] {
        QImage image(viewSecond.GetSurface().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        CDC dc(&image, viewSecond.GetUnitsPerPixel());
        viewSecond.OnPrepareDC(&dc);
        viewSecond.OnDraw(&dc);
        dc.Detach();
        return Describe(DifferenceBounds(viewSecond.GetSurface(), image));
    };
    const std::string strOps = "ABBFUAUB";
    int nAdded = 0;
    for (std::size_t i = 0; i < strOps.size(); ++i) {
        Apply(strOps[i], nAdded);
        nAdded += strOps[i] == 'A';
        EXPECT_EQ(viewSecond.GetSurfaceHistory().GetCurrentCount(), doc.GetVisibleCount())
            << "after step " << i << " '" << strOps[i] << "'";
        // The hint of an added figure repaints only its box there.
        if (strOps[i] != 'A')
            ASSERT_EQ(secondMismatch(), "") << "after step " << i << " '" << strOps[i] << "'";
    }
}

struct CostCase {
    const char* szName;
    const char* szBefore;  // steps taken before the one counted
    char chOp;
    int nMaxDraws;  // figures the counted step may paint
};
void PrintTo(const CostCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct StepCostTest : HistoryTest, ::testing::WithParamInterface<CostCase> {};

// Near the end of a long drawing a step paints a handful of figures, not
// the drawing: the counted lines are the drawing's figures.
TEST_P(StepCostTest, StepPaintsOnlyTheChange)
{
    const CostCase& c = GetParam();
    // Counted on one thread: bands would draw each figure once per band.
    SetPaintThreadCount(1);
    struct ThreadsBack {
        ~ThreadsBack() { SetPaintThreadCount(0); }
    } threadsBack;
    for (int i = 0; i < 3000; ++i)
        doc.m_figures.push_back(std::make_unique<CCountedLine>(
            (i * 37) % 26000, -((i * 53) % 19000), (i * 37) % 26000 + 800, -((i * 53) % 19000) - 600, RGB(0, 0, 255), 1 + i % 3, i % 5));
    doc.m_nStep = doc.GetCount() - 1;
    doc.UpdateAllViews(nullptr);
    for (const char* p = c.szBefore; *p; ++p)
        Apply(*p, 0);
    CCountedLine::s_nDraws = 0;
    Apply(c.chOp, 0);
    EXPECT_LE(CCountedLine::s_nDraws, c.nMaxDraws);
    EXPECT_EQ(FullRepaintMismatch(), "");
}

INSTANTIATE_TEST_SUITE_P(
    History, StepCostTest,
    ::testing::Values(CostCase{"goBackwardAtTheEnd", "", 'B', 2},
                      CostCase{"moveForwardAfterGoingBack", "B", 'F', 1},
                      CostCase{"undoAtTheEnd", "", 'U', 2},
                      CostCase{"tenthStepBack", "BBBBBBBBB", 'B', 8},
                      CostCase{"undoAfterGoingBack", "BB", 'U', 4},
                      CostCase{"firstStep", "", '0', 0},
                      CostCase{"lastStepFromTheStartPaintsAll", "0", 'L', 3000}),
    [](const ::testing::TestParamInfo<CostCase>& info) { return std::string(info.param.szName); });

struct RungCase {
    int nFrom;
    int nTarget;
    int nRung;
};

// A paint towards a step offers pictures at the step less 1, 2, 4, ...;
// the first one at or after where it starts comes next.
TEST(SurfaceHistoryRungs, NextRungIsTheLowestPowerOfTwoBelowTheTarget)
{
    const std::vector<RungCase> cases = {
        {0, 100, 36},  {37, 100, 68}, {68, 100, 68}, {99, 100, 99}, {100, 100, -1},
        {0, 1, -1},    {0, 2, 1},     {5, 3, -1},    {0, 1000000, 475712},
    };
    for (const RungCase& c : cases)
        EXPECT_EQ(CSurfaceHistory::NextRung(c.nFrom, c.nTarget), c.nRung)
            << "from " << c.nFrom << " towards " << c.nTarget;
}

// Offered the whole ladder of a long paint, the store keeps no more than
// its capacity, keeps a picture one or two steps below the end, and drops
// the pictures above a step that the figure list lost.
TEST(SurfaceHistoryStore, KeepsTheNearRungsWithinItsCapacity)
{
    CSurfaceHistory history;
    const QSize size(64, 48);
    history.Reset(size, false, 1);
    QImage image(size, QImage::Format_RGB32);
    const int nTarget = 100000;
    for (int n = CSurfaceHistory::NextRung(0, nTarget); n > 0; n = CSurfaceHistory::NextRung(n + 1, nTarget)) {
        image.fill(QColor::fromRgb(QRgb(n)));
        history.Offer(image, CDCModes(), n, nTarget);
    }
    const std::vector<int> counts = history.GetSnapshotCounts();
    ASSERT_EQ(int(counts.size()), CSurfaceHistory::kMaxSnapshots);
    EXPECT_GE(counts.back(), nTarget - 2);
    // Each kept picture holds the pixels it was offered with.
    history.RestoreAtOrBelow(counts.back(), CDCModes());
    EXPECT_EQ(history.GetCurrentCount(), counts.back());
    EXPECT_EQ(history.GetCurrent().pixel(3, 3), QColor::fromRgb(QRgb(counts.back())).rgb());
    history.DropAbove(counts[2]);
    EXPECT_EQ(history.GetSnapshotCounts(), std::vector<int>(counts.begin(), counts.begin() + 3));
    EXPECT_FALSE(history.HasCurrent());
    history.RestoreAtOrBelow(counts[0] - 1, CDCModes());
    EXPECT_EQ(history.GetCurrentCount(), 0);
    EXPECT_EQ(history.GetCurrent().pixel(0, 0), QColor(Qt::white).rgb());
}

// The byte budget bounds the pictures of a large surface more tightly
// than the count does.
TEST(SurfaceHistoryStore, LargeSurfacesKeepFewerPictures)
{
    const std::vector<std::pair<QSize, int>> cases = {
        {QSize(1024, 768), 8}, {QSize(2048, 1536), 5}, {QSize(4096, 3072), 1}};
    for (const auto& [size, nCapacity] : cases) {
        CSurfaceHistory history;
        history.Reset(size, false, 0);
        EXPECT_EQ(history.GetCapacity(), nCapacity) << size.width() << " x " << size.height();
    }
}

}  // namespace
