// A drawing that takes long to paint never locks the user out: past the
// first slice the paint goes on from the event loop, shows its progress in
// the status bar, stops at Escape keeping what is painted, and the next
// repaint starts over. Drawings of ordinary cost are whole at once.
#include "app/frames/mainframe.h"
#include "backrefs.h"
#include "figures/floodfill.h"
#include "viewtesting.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QProgressBar>
#include <QStatusBar>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

using namespace viewtest;

namespace {

constexpr COLORREF kFill = RGB(0, 128, 0);
constexpr QRgb kRgbFill = 0xFF008000;

// Thousands of back references to one flood fill over the empty canvas:
// minutes of painting in a few kilobytes.
void LoadCostlyDrawing(CMyDrevikDoc& doc)
{
    const QByteArray bytes = BackReferenceDrawing(new CFloodFill(1000, -1000, 0, 0, RGB(0, 0, 0), kFill, 1), 20000);
    CArchive ar(bytes);
    doc.Serialize(ar);
    ASSERT_FALSE(ar.IsBad());
    doc.m_nStep = doc.GetCount() - 1;
}

// What a view reported: each progress (done, total) and each end
// (stopped, done, total).
struct PaintReports {
    explicit PaintReports(CMyDrevikView* pView)
    {
        QObject::connect(pView, &CMyDrevikView::PaintProgress,
                         [this](int nDone, int nTotal) { m_progress.push_back({nDone, nTotal}); });
        QObject::connect(pView, &CMyDrevikView::PaintEnded, [this](bool bStopped, int nDone, int nTotal) {
            m_ended.push_back({bStopped ? 1 : 0, nDone, nTotal});
        });
    }
    std::vector<std::vector<int>> m_progress;
    std::vector<std::vector<int>> m_ended;
};

// Runs the event loop until fnDone says so, for at most nMs.
bool RunEventsUntil(const std::function<bool()>& fnDone, int nMs)
{
    const QDeadlineTimer deadline(nMs);
    while (!fnDone() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return fnDone();
}

void PressEscape(QWidget* pWidget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(pWidget, &press);
}

}  // namespace

TEST_F(ViewTest, aCostlyPaintGoesOnInSlicesAndEscapeStopsIt)
{
    LoadCostlyDrawing(doc);
    PaintReports reports(&view);
    view.RedrawSurface();
    // The first slice has painted something and left the rest for later.
    ASSERT_TRUE(view.IsPainting());
    EXPECT_EQ(PixelAt(view, 1000, -1000), kRgbFill);
    ASSERT_TRUE(RunEventsUntil([&] { return reports.m_progress.size() >= 2; }, 20000));
    EXPECT_GT(reports.m_progress.back()[0], reports.m_progress.front()[0]);
    EXPECT_EQ(reports.m_progress.back()[1], doc.GetVisibleCount());

    // Escape reaches the paint wherever the focus is.
    QWidget other;
    PressEscape(&other);
    EXPECT_FALSE(view.IsPainting());
    ASSERT_EQ(reports.m_ended.size(), 1u);
    EXPECT_EQ(reports.m_ended[0][0], 1);
    EXPECT_GE(reports.m_ended[0][1], reports.m_progress.back()[0]);
    EXPECT_LT(reports.m_ended[0][1], doc.GetVisibleCount());
    // What is painted stays; nothing more is painted after the stop.
    const QImage imageStopped = view.GetSurface();
    EXPECT_EQ(PixelAt(view, 1000, -1000), kRgbFill);
    const std::size_t nReports = reports.m_progress.size();
    RunEventsUntil([] { return false; }, 200);
    EXPECT_EQ(view.GetSurface(), imageStopped);
    EXPECT_EQ(reports.m_progress.size(), nReports);
    EXPECT_EQ(reports.m_ended.size(), 1u);

    // The next repaint starts over from the first figure: with no time at
    // once, its first slice paints exactly one.
    view.m_nFirstSliceMs = 0;
    view.RedrawSurface();
    EXPECT_TRUE(view.IsPainting());
    EXPECT_EQ(view.GetPaintNext(), 1);
    ASSERT_TRUE(RunEventsUntil([&] { return reports.m_progress.size() > nReports; }, 20000));
    view.StopPainting();
    view.m_nFirstSliceMs = kPaintFirstSliceMs;

    // A figure from another view repaints in slices too: the partial
    // repaint would paint the whole drawing at once.
    CMyDrevikView other2(&doc);
    other2.StopPainting();
    doc.m_figures.push_back(Line(0, -500, 5000, -500, kRed));
    doc.m_nStep = doc.GetCount() - 1;
    doc.UpdateAllViews(&other2, 0, doc.m_figures.back().get());
    EXPECT_TRUE(view.IsPainting());
    view.StopPainting();
}

TEST_F(ViewTest, anOrdinaryDrawingIsWholeWhenTheRedrawReturns)
{
    doc.AddFigure(std::make_unique<CFloodFill>(1000, -3000, 0, 0, RGB(0, 0, 0), kFill, 1));
    doc.AddFigure(Line(0, -1000, 5000, -1000, kRed, 4));
    PaintReports reports(&view);
    view.RedrawSurface();
    EXPECT_FALSE(view.IsPainting());
    EXPECT_EQ(PixelAt(view, 2600, -1000), kRgbRed);
    EXPECT_EQ(PixelAt(view, 1100, -3100), kRgbFill);
    EXPECT_TRUE(reports.m_progress.empty());
    EXPECT_TRUE(reports.m_ended.empty());
}

// The frame shows the progress as figures painted of figures to paint and
// says in the status bar that the paint was stopped.
TEST(PaintSlicesFrame, progressBarShowsAndTheStatusBarSaysStopped)
{
    CMainFrame frame;
    frame.show();
    CMyDrevikDoc doc;
    LoadCostlyDrawing(doc);
    auto* pView = new CMyDrevikView(&doc);
    PaintReports reports(pView);
    frame.AddChildFrame(pView);
    pView->RedrawSurface();
    ASSERT_TRUE(RunEventsUntil([&] { return !reports.m_progress.empty(); }, 20000));
    QProgressBar* pBar = frame.GetPaintProgress();
    ASSERT_NE(pBar, nullptr);
    EXPECT_TRUE(pBar->isVisible());
    EXPECT_EQ(pBar->maximum(), doc.GetVisibleCount());
    EXPECT_GT(pBar->value(), 0);
    EXPECT_EQ(pBar->text(), QStringLiteral("%1 of %2 figures").arg(pBar->value()).arg(pBar->maximum()));

    // A redraw that is quick this time ends the progress shown before.
    const int nLast = doc.m_nStep;
    doc.m_nStep = 0;
    pView->RedrawSurface();
    EXPECT_FALSE(pView->IsPainting());
    EXPECT_FALSE(pBar->isVisible());
    doc.m_nStep = nLast;
    reports.m_progress.clear();
    pView->RedrawSurface();
    ASSERT_TRUE(RunEventsUntil([&] { return !reports.m_progress.empty(); }, 20000));
    EXPECT_TRUE(pBar->isVisible());

    PressEscape(pView);
    EXPECT_FALSE(pView->IsPainting());
    EXPECT_FALSE(pBar->isVisible());
    EXPECT_TRUE(frame.m_wndStatusBar->currentMessage().startsWith(QStringLiteral("Painting stopped:")))
        << frame.m_wndStatusBar->currentMessage().toStdString();
}
