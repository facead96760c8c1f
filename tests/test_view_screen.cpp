// What the viewport shows: the part of the surface at the scroll position,
// and grey beyond the canvas.
#include "viewtesting.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using viewtest::Line;

// The first viewport pixel that is not the surface pixel it should show.
QPoint FirstWrongShown(const QImage& imageShown, const QImage& imageSurface, const QPoint& ptScroll)
{
    for (int y = 0; y < imageShown.height(); ++y)
        for (int x = 0; x < imageShown.width(); ++x)
            if (imageShown.pixel(x, y) != imageSurface.pixel(ptScroll + QPoint(x, y)))
                return QPoint(x, y);
    return QPoint(-1, -1);
}

TEST(ViewScreen, viewportShowsTheSurfaceAtTheScrollPosition)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    doc.AddFigure(Line(10000, -8000, 20000, -16000, RGB(200, 0, 0), 6));
    doc.UpdateAllViews(nullptr);
    view.resize(300, 200);
    view.show();
    QApplication::processEvents();

    for (const QPoint& ptScroll : {QPoint(0, 0), QPoint(450, 350)}) {
        view.ScrollToPosition(ptScroll);
        ASSERT_EQ(view.GetScrollPosition(), ptScroll);
        const QImage imageShown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint ptWrong = FirstWrongShown(imageShown, view.GetSurface(), ptScroll);
        EXPECT_EQ(ptWrong, QPoint(-1, -1)) << "scrolled to " << ptScroll.x() << ", " << ptScroll.y()
                                           << ": wrong at " << ptWrong.x() << ", " << ptWrong.y();
    }
}

TEST(ViewScreen, beyondTheCanvasIsGrey)
{
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    view.resize(1200, 900);
    view.show();
    QApplication::processEvents();
    ASSERT_GT(view.viewport()->width(), 1024);
    ASSERT_GT(view.viewport()->height(), 768);

    const QImage imageShown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb rgbOutside = imageShown.pixel(1100, 100);
    EXPECT_EQ(qRed(rgbOutside), qGreen(rgbOutside));
    EXPECT_EQ(qGreen(rgbOutside), qBlue(rgbOutside));
    EXPECT_NE(rgbOutside, viewtest::kWhite);
    EXPECT_NE(rgbOutside, viewtest::kBlack);
    EXPECT_EQ(imageShown.pixel(100, 800), rgbOutside);
    EXPECT_EQ(imageShown.pixel(1023, 767), view.GetSurface().pixel(1023, 767));
    EXPECT_EQ(imageShown.pixel(1024, 767), rgbOutside);
}

}  // namespace
