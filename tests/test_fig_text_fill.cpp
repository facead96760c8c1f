// Text and flood fill figures: the text's font scaling and default font,
// the fill's boundary, seed and brush.
#include "curvepixels.h"
#include "figures/floodfill.h"
#include "figures/text.h"
#include "platform/archive.h"
#include "colortesting.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

LOGFONT BoldSerif(LONG nHeight)
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "DejaVu Serif");
    return lf;
}

// A black box one pixel wide from (-50, 50) to (50, -50), with a gap in
// its right side when bOpen is set (a line leaves out its end pixel, so the
// last side runs one further).
void DrawBox(CDC* pDC, bool bOpen)
{
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(50, 50);
    pDC->LineTo(-50, 50);
    pDC->LineTo(-50, -50);
    pDC->LineTo(50, -50);
    pDC->MoveTo(50, bOpen ? 10 : 50);
    pDC->LineTo(50, -51);
    pDC->SelectObject(pOldPen);
}

}  // namespace

TEST(FigText, fontHeightIsScaledFromDialogUnitsWhenDrawn)
{
    EXPECT_EQ(GetDrawnTextFont(BoldSerif(-13)).lfHeight, -338);
    EXPECT_STREQ(GetDrawnTextFont(BoldSerif(-13)).lfFaceName, "DejaVu Serif");
    EXPECT_EQ(GetDrawnTextFont(BoldSerif(-100'000'000)).lfHeight, INT_MIN);

    // At 26 units per pixel -13 is 13 pixels high: capitals 7 to 13 rows.
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, 26.0);
    CText(26 * 5, -26 * 5, 0, 0, RGB(255, 0, 0), "HH", GetDefaultTextFont()).Draw(&dc);
    int nTop = INT_MAX, nBottom = INT_MIN;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kRed) {
                nTop = std::min(nTop, y);
                nBottom = std::max(nBottom, y);
            }
    ASSERT_NE(nTop, INT_MAX) << "no text in the text colour";
    EXPECT_GE(nTop, 5) << "text above its top-left corner";
    EXPECT_TRUE(nBottom - nTop >= 6 && nBottom - nTop <= 12) << nBottom - nTop + 1 << " rows";
}

TEST(FigText, loadedTextHasTheDefaultFontAndCopiesKeepTheirs)
{
    CArchive in(QByteArray::fromHex("0a000000 f6ffffff 14000000 ecffffff 00ff0000 05 48656c6c6f"));
    CText loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(loaded.m_strText, "Hello");
    EXPECT_EQ(loaded.m_logFont.lfHeight, -13);
    EXPECT_EQ(loaded.m_logFont.lfWeight, FW_NORMAL);
    EXPECT_STREQ(loaded.m_logFont.lfFaceName, "DejaVu Sans");

    const CText text(10, -10, 20, -20, 0, "Hello", BoldSerif(-20));
    const auto pCopy = text.CopyMoved(CSize(-10, 10));
    const auto* pText = dynamic_cast<const CText*>(pCopy.get());
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(pText->GetPointRect(), CRect(0, 0, 10, -10));
    EXPECT_EQ(pText->m_logFont.lfHeight, -20);
    EXPECT_STREQ(pText->m_logFont.lfFaceName, "DejaVu Serif");
}

TEST(FigFloodFill, fillStopsAtTheBoundaryColourOnly)
{
    CCurveCanvas canvas(161, 161, 80, 80);
    DrawBox(canvas.DC(), false);
    // A blue line inside is no boundary: the fill paints over it.
    CPen penBlue(PS_SOLID, 1, RGB(0, 0, 255));
    canvas.DC()->SelectObject(&penBlue);
    canvas.DC()->MoveTo(-30, 0);
    canvas.DC()->LineTo(30, 0);
    const int nBlack = canvas.Count(kBlack);

    CFloodFill(10, 10, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 1).Draw(canvas.DC());
    EXPECT_EQ(canvas.Count(kRed), 99 * 99);
    EXPECT_EQ(canvas.Count(kBlack), nBlack);
    EXPECT_COLOR_EQ(canvas.At(0, 0), kRed) << "over the blue line";
    EXPECT_COLOR_EQ(canvas.At(-49, 49), kRed) << "inner corner";
    EXPECT_COLOR_NE(canvas.At(-51, 0), kRed) << "outside";
}

TEST(FigFloodFill, seedOnTheBoundaryFillsNothingAndAnOpenAreaSpreads)
{
    CCurveCanvas closed(161, 161, 80, 80);
    DrawBox(closed.DC(), false);
    const QImage before = closed.Image();
    CFloodFill(-50, 0, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 1).Draw(closed.DC());
    EXPECT_EQ(closed.Image(), before);

    CCurveCanvas open(161, 161, 80, 80);
    DrawBox(open.DC(), true);
    const int nBlack = open.Count(kBlack);
    CFloodFill(0, 0, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 1).Draw(open.DC());
    EXPECT_EQ(open.Count(kRed), 161 * 161 - nBlack);

    // A style outside 1 to 14 fills with the context's current brush.
    CBrush brushGreen;
    ASSERT_TRUE(brushGreen.CreateSolidBrush(RGB(0, 255, 0)));
    open.DC()->SelectObject(&brushGreen);
    CFloodFill(0, 0, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 15).Draw(open.DC());
    EXPECT_COLOR_EQ(open.At(0, 0), qRgb(0, 255, 0));
}
