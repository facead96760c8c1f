// Block transfers between contexts: copies, stretching, mirroring, and the
// copy of the view into a memory bitmap.
#include "dctesting.h"
#include "colortesting.h"

namespace {

QRgb Marked(int x, int y)
{
    return qRgb(x * 4, y * 4, 128);
}

QImage MarkedImage(int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            image.setPixel(x, y, Marked(x, y));
    return image;
}

}  // namespace

TEST(DcBlit, bitBltCopiesABlockBetweenContexts)
{
    QImage imageSrc = MarkedImage(32, 32);
    CDC dcSrc(&imageSrc, 1.0);
    CDcCanvas canvas(32, 32);
    // Logical heights run upward: -8 is eight pixels down the screen.
    EXPECT_TRUE(canvas->BitBlt(2, -3, 10, -8, &dcSrc, 5, -6, SRCCOPY));
    EXPECT_EQ(FirstWrongPixel(canvas.Image(), [](int x, int y) {
                  const bool bInside = x >= 2 && x < 12 && y >= 3 && y < 11;
                  return bInside ? Marked(x + 3, y + 3) : kWhite;
              }), "");
    EXPECT_EQ(canvas->GetTouchedRect(), QRect(2, 3, 10, 8));
    EXPECT_FALSE(canvas->BitBlt(0, 0, 4, -4, &dcSrc, 0, 0, 0x00330008));
    CDC none;
    EXPECT_FALSE(canvas->BitBlt(0, 0, 4, -4, &none, 0, 0, SRCCOPY));
}

TEST(DcBlit, stretchBltScalesAndMirrors)
{
    QImage imageSrc = MarkedImage(16, 16);
    CDC dcSrc(&imageSrc, 1.0);
    CDcCanvas doubled(32, 32);
    EXPECT_TRUE(doubled->StretchBlt(0, 0, 32, -32, &dcSrc, 0, 0, 16, -16, SRCCOPY));
    EXPECT_EQ(FirstWrongPixel(doubled.Image(), [](int x, int y) { return Marked(x / 2, y / 2); }), "");

    // Opposite signs of the widths turn the block round.
    CDcCanvas mirrored(16, 16);
    mirrored->StretchBlt(16, 0, -16, -16, &dcSrc, 0, 0, 16, -16, SRCCOPY);
    EXPECT_EQ(FirstWrongPixel(mirrored.Image(), [](int x, int y) { return Marked(15 - x, y); }), "");

    // Off the source the copy is black; far corners neither overflow nor
    // allocate beyond the destination.
    CDcCanvas beyond(8, 8);
    beyond->StretchBlt(0, 0, 8, -8, &dcSrc, 12, -12, 8, -8, SRCCOPY);
    EXPECT_COLOR_EQ(beyond.At(7, 7), kBlack);
    EXPECT_COLOR_EQ(beyond.At(0, 0), Marked(12, 12));
    EXPECT_TRUE(beyond->StretchBlt(INT_MIN, INT_MAX, INT_MAX, INT_MIN, &dcSrc, 0, 0, 16, -16, SRCCOPY));
}

TEST(DcBlit, viewCopiedIntoAMemoryBitmapKeepsItsWayUp)
{
    // The view at 26 units per pixel, copied into a bitmap whose context
    // counts pixels downward; the negative source height runs down the
    // screen, so the picture is not turned over.
    QImage imageView = MarkedImage(40, 40);
    CDC dcView(&imageView, 26.0);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcView, 20, 10));
    CDC dcMemory(&bitmap.GetImage(), 1.0);
    dcMemory.SetMapMode(MM_TEXT);
    EXPECT_TRUE(dcMemory.StretchBlt(0, 0, 20, 10, &dcView, 26 * 2, -26 * 3, 26 * 20, -26 * 10, SRCCOPY));
    EXPECT_EQ(FirstWrongPixel(bitmap.GetImage(), [](int x, int y) { return Marked(x + 2, y + 3); }), "");
    CBitmap huge;
    EXPECT_FALSE(huge.CreateCompatibleBitmap(&dcView, 1 << 20, 1 << 20));
    EXPECT_FALSE(huge.CreateCompatibleBitmap(&dcView, -5, 5));
}
