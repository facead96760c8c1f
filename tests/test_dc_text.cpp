// Text: the cell's top-left corner at the point, upright, the background
// box in OPAQUE mode and the font sizes taken from the logical font.
#include "dctesting.h"

#include <algorithm>

namespace {

const QRgb kBlue = qRgb(0, 0, 255);

// The rectangle of pixels of one colour (empty when there are none).
QRect BoundsOf(const QImage& image, QRgb rgb)
{
    QRect rect;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == rgb)
                rect |= QRect(x, y, 1, 1);
    return rect;
}

int InkInRow(const QImage& image, int y)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += image.pixel(x, y) == kBlack;
    return n;
}

}  // namespace

TEST(DcText, cellHangsDownFromThePointAndReadsUpright)
{
    CDcCanvas canvas(120, 60);
    CFont font;
    font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "");
    canvas->SelectObject(&font);
    canvas->SetBkMode(TRANSPARENT);
    EXPECT_TRUE(canvas->TextOut(10, -12, "T"));
    const QRect rectInk = BoundsOf(canvas.Image(), kBlack);
    ASSERT_FALSE(rectInk.isEmpty());
    EXPECT_GE(rectInk.left(), 10);
    EXPECT_GE(rectInk.top(), 12);
    EXPECT_LE(rectInk.top(), 12 + 8);
    // A capital about as tall as the character height, its bar on top.
    EXPECT_GE(rectInk.height(), 12);
    EXPECT_LE(rectInk.height(), 20);
    EXPECT_GT(InkInRow(canvas.Image(), rectInk.top()), 3 * InkInRow(canvas.Image(), rectInk.bottom()));
    EXPECT_TRUE(canvas->GetTouchedRect().contains(rectInk));
}

TEST(DcText, opaqueModeFillsTheCellWithTheBackground)
{
    CDcCanvas canvas(120, 60);
    CFont font;
    font.CreateFont(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
    canvas->SelectObject(&font);
    canvas->SetBkColor(RGB(0, 0, 255));
    canvas->SetTextColor(RGB(0, 0, 0));
    EXPECT_EQ(canvas->GetBkMode(), OPAQUE);
    canvas->TextOut(5, -7, "Ag");
    const QRect rectCell = BoundsOf(canvas.Image(), kBlue) | BoundsOf(canvas.Image(), kBlack);
    EXPECT_EQ(rectCell.topLeft(), QPoint(5, 7));
    // A positive height is the whole cell.
    EXPECT_NEAR(rectCell.height(), 30, 1);

    CDcCanvas clear(120, 60);
    clear->SelectObject(&font);
    clear->SetBkColor(RGB(0, 0, 255));
    clear->SetBkMode(TRANSPARENT);
    clear->TextOut(5, -7, "Ag");
    EXPECT_EQ(clear.CountOf(kBlue), 0);
    EXPECT_GT(clear.CountOf(kBlack), 20);
}

TEST(DcText, fontSizesFollowTheLogicalUnits)
{
    // Height 0 is a default of about 12 pixels, whatever the units.
    CDcCanvas standard(80, 40);
    standard->SetBkColor(RGB(0, 0, 255));
    standard->TextOut(0, 0, "M");
    EXPECT_NEAR(BoundsOf(standard.Image(), kBlue).height(), 14, 3);

    // A character height of 520 units at 26 units per pixel is 20 pixels.
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(kWhite);
    CDC dc(&image, 26.0);
    CFont font;
    font.CreateFont(-520, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "");
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(52, -52, "H");
    const QRect rectInk = BoundsOf(image, kBlack);
    EXPECT_NEAR(rectInk.height(), 15, 2);
    EXPECT_GE(rectInk.top(), 2);

    // A width stretches the characters; a heavy weight thickens them.
    auto inkOf = [](int nWidth, int nWeight) {
        CDcCanvas canvas(200, 40);
        CFont f;
        f.CreateFont(-20, nWidth, 0, 0, nWeight, 0, 0, 0, 0, 0, 0, 0, 0, "");
        canvas->SelectObject(&f);
        canvas->SetBkMode(TRANSPARENT);
        canvas->TextOut(0, 0, "nnnn");
        return std::make_pair(BoundsOf(canvas.Image(), kBlack).width(), canvas.CountOf(kBlack));
    };
    EXPECT_GT(inkOf(20, FW_NORMAL).first, inkOf(0, FW_NORMAL).first * 3 / 2);
    EXPECT_GT(inkOf(0, FW_BOLD).second, inkOf(0, FW_NORMAL).second);
}

TEST(DcText, damagedFontValuesStayBounded)
{
    CDcCanvas canvas(40, 40);
    LOGFONT lf;
    lf.lfHeight = INT32_MIN;
    lf.lfWidth = INT32_MAX;
    lf.lfWeight = INT32_MAX;
    for (char& c : lf.lfFaceName)
        c = 'Z';  // no terminating zero
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    canvas->SelectObject(&font);
    EXPECT_TRUE(canvas->TextOut(0, 0, "W"));
    EXPECT_TRUE(canvas->TextOut(INT32_MAX, INT32_MIN, "W"));
}
