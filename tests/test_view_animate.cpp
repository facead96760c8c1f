// Animated replay: the delay rule, the figures appearing one per timer
// tick, the grid and the cleared request at the end, and input held back
// while the replay runs.
#include "viewtesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

namespace {

using namespace viewtest;

void Tick(CMyDrevikView* pView)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(pView, "OnReplayTick"));
}

// Short red lines at x = 2100, 4100, ..., off the grid dots.
void AddLines(CMyDrevikDoc* pDoc, int nFirst, int nCount)
{
    for (int i = nFirst; i < nFirst + nCount; ++i)
        pDoc->AddFigure(Line(2100 + 2000 * i, -2100, 2100 + 2000 * i, -3100, kRed, 2));
}

bool LineShown(const CMyDrevikView& view, int i)
{
    return PixelAt(view, 2100 + 2000 * i, -2600) == kRgbRed;
}

TEST(ViewAnimation, delayIsShorterFromSeventyFiveFigures)
{
    EXPECT_EQ(AnimationDelayMs(0), 250);
    EXPECT_EQ(AnimationDelayMs(74), 250);
    EXPECT_EQ(AnimationDelayMs(75), 100);
    EXPECT_EQ(AnimationDelayMs(5000), 100);
}

TEST_F(ViewTest, replayShowsOneFigurePerTickThenTheGrid)
{
    AddLines(&doc, 0, 3);
    view.StartAnimation();
    EXPECT_TRUE(view.m_bAnimate && view.IsAnimating());
    EXPECT_EQ(CountPixels(view.GetSurface(), kWhite), view.GetSurface().width() * view.GetSurface().height())
        << "the window is erased and waits before the first figure";
    for (int i = 0; i < 3; ++i) {
        Tick(&view);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(LineShown(view, j), j <= i) << "tick " << i << ", figure " << j;
        EXPECT_EQ(CountPixels(view.GetSurface(), kBlack) > 0, i == 2) << "the grid comes last";
    }
    EXPECT_FALSE(view.m_bAnimate || view.IsAnimating());

    // The timer itself drives a replay to its end.
    view.StartAnimation();
    QElapsedTimer timerGuard;
    timerGuard.start();
    while (view.m_bAnimate && timerGuard.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(!view.m_bAnimate && LineShown(view, 2));
}

// A request raised before a full update makes that update the replay, in
// this view only; a figure another view adds meanwhile is replayed last.
TEST_F(ViewTest, replayRequestAffectsOneViewAndTakesLateFigures)
{
    CMyDrevikView viewOther(&doc);
    view.m_bAnimate = true;
    doc.UpdateAllViews(nullptr);
    EXPECT_FALSE(view.m_bAnimate) << "an empty drawing ends the replay at once";
    EXPECT_EQ(CountPixels(view.GetSurface(), kBlack), GridDotCount(250));

    AddLines(&doc, 0, 2);
    view.m_bAnimate = true;
    doc.UpdateAllViews(nullptr);
    EXPECT_TRUE(view.IsAnimating());
    EXPECT_TRUE(!viewOther.m_bAnimate && LineShown(viewOther, 1));

    Tick(&view);
    AddLines(&doc, 2, 1);
    doc.UpdateAllViews(&viewOther, 0, doc.GetFigure(2));
    EXPECT_FALSE(LineShown(view, 2)) << "not before its turn";
    Tick(&view);
    EXPECT_TRUE(view.m_bAnimate);
    Tick(&view);
    EXPECT_TRUE(!view.m_bAnimate && LineShown(view, 2));
}

class CountingView : public CMyDrevikView {
public:
    using CMyDrevikView::CMyDrevikView;
    int m_nPresses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++m_nPresses; }
};

TEST(ViewAnimation, inputWaitsUntilTheReplayEnds)
{
    CMyDrevikDoc doc;
    CountingView view(&doc);
    AddLines(&doc, 0, 1);
    auto press = [&] {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
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
