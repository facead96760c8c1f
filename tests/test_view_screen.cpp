// What the viewport shows: the part of the surface at the scroll position,
// and grey beyond the canvas.
#include "viewtesting.h"
#include "colortesting.h"

#include <QApplication>

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
