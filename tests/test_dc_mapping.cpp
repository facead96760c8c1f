// Mapping between logical units and device pixels, device capabilities and
// the rectangle of pixels a context has touched.
#include "dctesting.h"
#include "colortesting.h"

#include <climits>

TEST(DcMapping, canvasOfTheScreenIs1024By768Pixels)
{
    QImage image(1100, 800, QImage::Format_RGB32);
    CDC dc(&image);
    CPoint pts[3] = {{0, 0}, {27195, -20396}, {-2656, 2656}};
    dc.LPtoDP(pts, 3);
    EXPECT_EQ(pts[0], CPoint(0, 0));
    EXPECT_EQ(pts[1], CPoint(1024, 768));
    EXPECT_EQ(pts[2], CPoint(-100, -100));

    CPoint ptMouse(512, 384);
    dc.DPtoLP(&ptMouse);
    EXPECT_EQ(ptMouse, CPoint(13598, -10198));
    dc.LPtoDP(&ptMouse);
    EXPECT_EQ(ptMouse, CPoint(512, 384));

    dc.SetViewportOrg(-300, -40);
    CRect rect(0, 0, 2656, -2656);
    dc.LPtoDP(&rect);
    EXPECT_EQ(rect, CRect(-300, -40, -200, 60));
    dc.DPtoLP(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 2656, -2656));
}

TEST(DcMapping, textModeRunsDownwardOnePixelPerUnit)
{
    QImage image(40, 40, QImage::Format_RGB32);
    CDC dc(&image, 26.0);
    EXPECT_EQ(dc.SetMapMode(MM_TEXT), MM_HIMETRIC);
    EXPECT_EQ(dc.SetMapMode(12345), 0);
    dc.SetViewportOrg(5, 6);
    CPoint pt(10, 20);
    dc.LPtoDP(&pt);
    EXPECT_EQ(pt, CPoint(15, 26));
    dc.DPtoLP(&pt);
    EXPECT_EQ(pt, CPoint(10, 20));
}

TEST(DcMapping, extremeValuesClampInsteadOfOverflowing)
{
    QImage image(10, 10, QImage::Format_RGB32);
    CDC dc(&image, 0.001);
    CPoint pts[2] = {{INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}};
    dc.LPtoDP(pts, 2);
    EXPECT_EQ(pts[0], CPoint(INT_MAX, INT_MAX));
    EXPECT_EQ(pts[1], CPoint(INT_MIN, INT_MIN));
    dc.SetUnitsPerPixel(1e6);
    dc.SetViewportOrg(INT_MIN, INT_MAX);
    CPoint ptFar(INT_MAX, INT_MIN);
    dc.DPtoLP(&ptFar);
    EXPECT_EQ(ptFar, CPoint(INT_MAX, INT_MAX));
    dc.SetUnitsPerPixel(0);  // refused
    EXPECT_EQ(dc.GetUnitsPerPixel(), 1e6);
}

TEST(DcMapping, deviceCapabilities)
{
    QImage image(320, 200, QImage::Format_RGB32);
    CDC dc(&image);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 320);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 200);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    dc.SetTechnology(DT_RASPRINTER);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSX), 0);

    CDC none;
    EXPECT_EQ(none.GetDeviceCaps(HORZRES), 0);
    EXPECT_FALSE(none.LineTo(1, 1));
    EXPECT_COLOR_EQ(none.GetPixel(0, 0), CLR_INVALID);
}

TEST(DcMapping, touchedRectangleIncludesThePenWidth)
{
    CDcCanvas canvas;
    EXPECT_TRUE(canvas->GetTouchedRect().isEmpty());
    CPen pen(PS_SOLID, 5, RGB(0, 0, 0));
    canvas->SelectObject(&pen);
    canvas->MoveTo(10, -20);
    canvas->LineTo(30, -20);
    EXPECT_EQ(canvas->GetTouchedRect(), QRect(QPoint(8, 18), QPoint(32, 22)));
    canvas->ResetTouchedRect();
    canvas->SetPixel(60, -2, RGB(0, 0, 0));
    canvas->SetPixel(100, -2, RGB(0, 0, 0));  // off the surface
    EXPECT_EQ(canvas->GetTouchedRect(), QRect(60, 2, 1, 1));
    EXPECT_COLOR_EQ(canvas->GetPixel(60, -2), RGB(0, 0, 0));
    EXPECT_COLOR_EQ(canvas->GetPixel(100, -2), CLR_INVALID);
}

TEST(DcMapping, surfaceWithAPixelRatioIsAddressedInItsOwnPixels)
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    CDC dc(&image, 1.0);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Rectangle(10, -10, 20, -20);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 40);
    EXPECT_COLOR_EQ(image.pixel(10, 10), kBlack);
    EXPECT_COLOR_EQ(image.pixel(19, 19), kBlack);
    EXPECT_COLOR_EQ(image.pixel(20, 20), kWhite);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(2, -30, "x");
    int nInk = 0;
    for (int y = 30; y < 40; ++y)
        for (int x = 0; x < 12; ++x)
            nInk += image.pixel(x, y) == kBlack;
    EXPECT_GT(nInk, 3) << "text lands at device pixel (2, 30)";
}
