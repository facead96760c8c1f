// What the viewport shows: the part of the surface at the scroll position,
// and grey beyond the canvas.
#include "viewtesting.h"
#include "colortesting.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace {

using namespace viewtest;

QImage Shown(CMyDrevikView& view)
{
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(ViewTest, viewportShowsTheSurfaceAtTheScrollPositionAndGreyBeyond)
{
    doc.AddFigure(Line(10000, -8000, 20000, -16000, RGB(200, 0, 0), 6));
    doc.UpdateAllViews(nullptr);
    view.resize(300, 200);
    view.show();
    QApplication::processEvents();
    for (const QPoint& ptScroll : {QPoint(0, 0), QPoint(450, 350)}) {
        view.ScrollToPosition(ptScroll);
        ASSERT_EQ(view.GetScrollPosition(), ptScroll);
        const QImage imageShown = Shown(view);
        const QImage imageExpected = view.GetSurface().copy(QRect(ptScroll, imageShown.size()));
        const QRect rectWrong = DifferenceBounds(imageShown, imageExpected);
        EXPECT_TRUE(rectWrong.isNull()) << "scrolled to " << ptScroll.x() << ", " << ptScroll.y()
                                        << ": wrong at " << rectWrong.x() << ", " << rectWrong.y();
    }

    view.ScrollToPosition(QPoint(0, 0));
    view.resize(1200, 900);
    QApplication::processEvents();
    ASSERT_TRUE(view.viewport()->width() > 1024 && view.viewport()->height() > 768);
    const QImage imageShown = Shown(view);
    const QRgb rgbOutside = imageShown.pixel(1100, 100);
    EXPECT_TRUE(qRed(rgbOutside) == qGreen(rgbOutside) && qGreen(rgbOutside) == qBlue(rgbOutside));
    EXPECT_TRUE(rgbOutside != kWhite && rgbOutside != kBlack);
    EXPECT_COLOR_EQ(imageShown.pixel(100, 800), rgbOutside);
    EXPECT_COLOR_EQ(imageShown.pixel(1023, 767), view.GetSurface().pixel(1023, 767));
    EXPECT_COLOR_EQ(imageShown.pixel(1024, 767), rgbOutside);
}

}  // namespace

namespace {

using namespace viewtest;

QImage ShownPart(CMyDrevikView& view)
{
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

enum class ScrollWay { Bar, Wheel, ScrollToPosition };
void PrintTo(ScrollWay way, std::ostream* pOut)
{
    static const char* const kNames[] = {"Bar", "Wheel", "ScrollToPosition"};
    *pOut << kNames[int(way)];
}

// The mean grey of a rectangle of an image.
double MeanGrey(const QImage& image, const QRect& rect)
{
    double dSum = 0;
    int nCount = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x, ++nCount)
            dSum += qGray(image.pixel(x, y));
    return nCount ? dSum / nCount : 0.0;
}

// The slider is what the eye takes for the position: it must stand out
// darker than the groove it moves in, on either side of it.
void ExpectSliderStandsOut(QScrollBar* pBar, const char* pszWhen)
{
    const QImage image = pBar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStyleOptionSlider option;
    option.initFrom(pBar);
    option.orientation = pBar->orientation();
    option.minimum = pBar->minimum();
    option.maximum = pBar->maximum();
    option.sliderPosition = pBar->sliderPosition();
    option.sliderValue = pBar->value();
    option.pageStep = pBar->pageStep();
    option.singleStep = pBar->singleStep();
    option.upsideDown = pBar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    QStyle* pStyle = pBar->style();
    const QRect rectSlider = pStyle->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, pBar);
    const QRect rectGroove = pStyle->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, pBar);
    ASSERT_FALSE(rectSlider.isEmpty()) << pszWhen;
    const bool bVertical = pBar->orientation() == Qt::Vertical;
    const QRect rectBefore = bVertical ? QRect(QPoint(rectGroove.left(), rectGroove.top()),
                                               QPoint(rectGroove.right(), rectSlider.top() - 1))
                                       : QRect(QPoint(rectGroove.left(), rectGroove.top()),
                                               QPoint(rectSlider.left() - 1, rectGroove.bottom()));
    const QRect rectAfter = bVertical ? QRect(QPoint(rectGroove.left(), rectSlider.bottom() + 1),
                                              QPoint(rectGroove.right(), rectGroove.bottom()))
                                      : QRect(QPoint(rectSlider.right() + 1, rectGroove.top()),
                                              QPoint(rectGroove.right(), rectGroove.bottom()));
    const double dSlider = MeanGrey(image, rectSlider.adjusted(2, 2, -2, -2));
    for (const QRect& rectFree : {rectBefore, rectAfter})
        if (rectFree.width() > 4 && rectFree.height() > 4)
            EXPECT_LT(dSlider + 30, MeanGrey(image, rectFree.adjusted(2, 2, -2, -2))) << pszWhen;
}

class ViewScrolling : public ViewTest, public ::testing::WithParamInterface<ScrollWay> {
protected:
    void ScrollDownRight()
    {
        switch (GetParam()) {
        case ScrollWay::Bar:
            view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            view.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case ScrollWay::Wheel: {
            const QPointF ptAt(50, 50);
            for (const QPoint& ptDelta : {QPoint(0, -360), QPoint(-360, 0)}) {
                QWheelEvent wheel(ptAt, view.viewport()->mapToGlobal(ptAt), QPoint(), ptDelta, Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(view.viewport(), &wheel);
            }
            break;
        }
        case ScrollWay::ScrollToPosition:
            view.ScrollToPosition(QPoint(200, 150));
            break;
        }
        QApplication::processEvents();
    }
};

} // namespace

// Whichever way the view scrolls, the sliders stand where the shown part of
// the canvas is: at their start for its top-left corner, further down and
// right as the view shows further down and right.
TEST_P(ViewScrolling, slidersFollowTheShownCanvas)
{
    doc.AddFigure(Line(10000, -8000, 20000, -16000, RGB(200, 0, 0), 6));
    doc.UpdateAllViews(nullptr);
    view.resize(400, 300);
    view.show();
    QApplication::processEvents();
    QScrollBar* pVert = view.verticalScrollBar();
    QScrollBar* pHorz = view.horizontalScrollBar();
    ASSERT_GT(pVert->maximum(), 0);
    ASSERT_GT(pHorz->maximum(), 0);
    EXPECT_EQ(QPoint(pHorz->value(), pVert->value()), QPoint(0, 0));
    ExpectSliderStandsOut(pVert, "vertical, at the top");
    ExpectSliderStandsOut(pHorz, "horizontal, at the left");

    ScrollDownRight();
    const QPoint ptShown(pHorz->value(), pVert->value());
    EXPECT_GT(ptShown.x(), 0);
    EXPECT_GT(ptShown.y(), 0);
    const QImage imageShown = ShownPart(view);
    const QImage imageExpected = view.GetSurface().copy(QRect(ptShown, imageShown.size()));
    EXPECT_TRUE(DifferenceBounds(imageShown, imageExpected).isNull());
    ExpectSliderStandsOut(pVert, "vertical, scrolled down");
    ExpectSliderStandsOut(pHorz, "horizontal, scrolled right");
}

INSTANTIATE_TEST_SUITE_P(EachWay, ViewScrolling,
                         ::testing::Values(ScrollWay::Bar, ScrollWay::Wheel, ScrollWay::ScrollToPosition),
                         [](const auto& info) {
                             switch (info.param) {
                             case ScrollWay::Bar: return std::string("bar");
                             case ScrollWay::Wheel: return std::string("wheel");
                             default: return std::string("scrollToPosition");
                             }
                         });
