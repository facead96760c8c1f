// Devices other than a QImage (a printer page goes through a painter) get
// the same pixels, and several contexts may draw on one surface at once.
#include "dctesting.h"
#include "colortesting.h"

#include <QPixmap>

namespace {

void DrawSample(CDC& dc)
{
    CPen pen(PS_DASH, 3, RGB(200, 0, 0));
    dc.SelectObject(&pen);
    CBrush brush;
    brush.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 200));
    dc.SelectObject(&brush);
    dc.SetBkMode(TRANSPARENT);
    dc.Ellipse(4, -4, 150, -120);
    dc.SelectStockObject(BLACK_PEN);
    dc.MoveTo(0, -139);
    dc.LineTo(300, -139);  // longer than a band is high, and beyond the edge
    dc.SetPixel(7, -130, RGB(0, 150, 0));
}

}  // namespace

TEST(DcDevices, paintedDeviceGetsTheSamePixelsAsAnImage)
{
    CDcCanvas canvas(160, 140);
    DrawSample(canvas.DC());

    QPixmap pixmap(160, 140);
    pixmap.fill(Qt::white);
    {
        CDC dc(&pixmap, 1.0);
        EXPECT_EQ(dc.GetImage(), nullptr);
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 160);
        DrawSample(dc);
        EXPECT_COLOR_EQ(dc.GetPixel(7, -130), CLR_INVALID);  // nothing to read back
        EXPECT_FALSE(dc.ExtFloodFill(70, -70, RGB(200, 0, 0), FLOODFILLBORDER));
    }
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(FirstDifference(image, canvas.Image()), "");
}

TEST(DcDevices, twoContextsDrawOnOneSurfaceAtOnce)
{
    // A view's paint and the grid's client context share the surface.
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(kWhite);
    CDC dcPaint(&image, 1.0), dcClient(&image, 1.0);
    dcPaint.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(dcPaint.TextOut(2, -2, "Hi"));
    EXPECT_TRUE(dcClient.TextOut(30, -2, "Hi"));
    dcClient.SetPixelV(50, -30, RGB(0, 0, 0));
    dcPaint.SetPixelV(52, -30, RGB(0, 0, 0));
    int nLeft = 0, nRight = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            (x < 30 ? nLeft : nRight) += image.pixel(x, y) == kBlack;
    EXPECT_GT(nLeft, 10);
    EXPECT_GT(nRight, 10);
    EXPECT_COLOR_EQ(image.pixel(50, 30), kBlack);
    EXPECT_COLOR_EQ(image.pixel(52, 30), kBlack);
}
