// Animated replay: the delay rule, the figures appearing one per timer
// tick, the grid and the cleared request at the end, and input held back
// while the replay runs.
#include "viewtesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using viewtest::CountPixels;
using viewtest::GridDotCount;
using viewtest::kBlack;
using viewtest::kWhite;
using viewtest::Line;
using viewtest::PixelAt;

constexpr QRgb kRgbRed = 0xFFFF0000;

void Tick(CMyDrevikView* pView)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(pView, "OnReplayTick"));
}

// Three short red lines at x = 2100, 4100 and 6100, off the grid dots.
void AddThreeLines(CMyDrevikDoc* pDoc)
{
    for (int i = 0; i < 3; ++i)
        pDoc->AddFigure(Line(2100 + 2000 * i, -2100, 2100 + 2000 * i, -3100, RGB(255, 0, 0), 2));
}

class CountingView : public CMyDrevikView {
public:
    using CMyDrevikView::CMyDrevikView;
    int m_nPresses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++m_nPresses; }
};

TEST(ViewAnimation, delayIsShorterFromSeventyFiveFigures)
{
    EXPECT_EQ(AnimationDelayMs(0), 250);
    EXPECT_EQ(AnimationDelayMs(1), 250);
    EXPECT_EQ(AnimationDelayMs(74), 250);
    EXPECT_EQ(AnimationDelayMs(75), 100);
    EXPECT_EQ(AnimationDelayMs(5000), 100);
}

TEST(ViewAnimation, figuresAppearOnePerTickThenTheGrid)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    AddThreeLines(&doc);
    doc.m_bCentre = false;
    view.m_bCentre = true;

    view.StartAnimation();
    EXPECT_TRUE(view.m_bAnimate);
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_FALSE(view.m_bCentre) << "the replay takes the document's centre setting";
    EXPECT_EQ(CountPixels(view.GetSurface(), kWhite),
              view.GetSurface().width() * view.GetSurface().height())
        << "the window is erased and waits before the first figure";

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        Tick(&view);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(PixelAt(view, 2100 + 2000 * j, -2600) == kRgbRed, j <= i) << "figure " << j;
        EXPECT_EQ(CountPixels(view.GetSurface(), kBlack) > 0, i == 2) << "the grid comes last";
    }
    EXPECT_FALSE(view.m_bAnimate);
    EXPECT_FALSE(view.IsAnimating());
    EXPECT_EQ(CountPixels(view.GetSurface(), kBlack), GridDotCount(250));
}

TEST(ViewAnimation, replayRunsOnTheTimer)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    doc.AddFigure(Line(2100, -2100, 2100, -3100, RGB(255, 0, 0), 2));
    view.StartAnimation();
    // The timer's event ends the wait; the bound only guards a broken timer.
    QElapsedTimer timerGuard;
    timerGuard.start();
    while (view.m_bAnimate && timerGuard.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(view.m_bAnimate);
    EXPECT_EQ(PixelAt(view, 2100, -2600), kRgbRed);
}

TEST(ViewAnimation, emptyDocumentClearsTheRequestAtOnce)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    view.m_bAnimate = true;
    doc.UpdateAllViews(nullptr);
    EXPECT_FALSE(view.m_bAnimate);
    EXPECT_FALSE(view.IsAnimating());
    EXPECT_EQ(CountPixels(view.GetSurface(), kBlack), GridDotCount(250));
}

// A request raised before a full update makes that update the replay, in
// this view only; a figure another view adds meanwhile is replayed last.
TEST(ViewAnimation, otherViewsRepaintAtOnceAndLateFiguresJoinTheReplay)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    CMyDrevikView viewOther(&doc);
    AddThreeLines(&doc);
    view.m_bAnimate = true;
    doc.UpdateAllViews(nullptr);
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_FALSE(viewOther.m_bAnimate);
    EXPECT_EQ(PixelAt(viewOther, 6100, -2600), kRgbRed);

    Tick(&view);
    doc.AddFigure(Line(8100, -2100, 8100, -3100, RGB(255, 0, 0), 2));
    doc.UpdateAllViews(&viewOther, 0, doc.GetFigure(3));
    EXPECT_NE(PixelAt(view, 8100, -2600), kRgbRed) << "not before its turn";
    Tick(&view);
    Tick(&view);
    EXPECT_TRUE(view.m_bAnimate);
    Tick(&view);
    EXPECT_EQ(PixelAt(view, 8100, -2600), kRgbRed);
    EXPECT_FALSE(view.m_bAnimate);
}

TEST(ViewAnimation, inputWaitsUntilTheReplayEnds)
{
    CMyDrevikDoc doc;
    CountingView view(&doc);
    doc.AddFigure(Line(2100, -2100, 2100, -3100, RGB(255, 0, 0), 2));
    auto press = [&] {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    };
    view.StartAnimation();
    press();
    EXPECT_EQ(view.m_nPresses, 0);
    Tick(&view);
    press();
    EXPECT_EQ(view.m_nPresses, 1);
}

}  // namespace
