// Text and flood fill figures: the text's font scaling and default font,
// the fill's boundary, brush and records.
#include "curvepixels.h"
#include "figures/floodfill.h"
#include "figures/text.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);

LOGFONT ItalicSerif(LONG nHeight)
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = 1;
    std::strcpy(lf.lfFaceName, "DejaVu Serif");
    return lf;
}

// A box outlined one pixel wide in black around (-50, 50) to (50, -50),
// with a gap in its right side when bOpen is set. The last side runs one
// further down, since a line leaves out its end pixel.
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

TEST(FigText, fontHeightGoesFromDialogUnitsToLogicalUnits)
{
    const LOGFONT lf = GetDrawnTextFont(ItalicSerif(-13));
    EXPECT_EQ(lf.lfHeight, -338);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_STREQ(lf.lfFaceName, "DejaVu Serif");
    EXPECT_EQ(GetDrawnTextFont(ItalicSerif(12)).lfHeight, 312);
    // A damaged height saturates instead of wrapping round.
    EXPECT_EQ(GetDrawnTextFont(ItalicSerif(-100'000'000)).lfHeight, INT_MIN);
    EXPECT_EQ(GetDrawnTextFont(ItalicSerif(INT_MAX)).lfHeight, INT_MAX);
}

TEST(FigText, textIsDrawnAtTheScaledHeightInItsColour)
{
    // At 26 units per pixel a font of -13 dialog units is 13 pixels high;
    // unscaled it would be half a pixel.
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, 26.0);
    CFont fontBefore;
    ASSERT_TRUE(fontBefore.CreateFont(100, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    dc.SelectObject(&fontBefore);
    CText(26 * 5, -26 * 5, 0, 0, RGB(255, 0, 0), "HH", GetDefaultTextFont()).Draw(&dc);

    int nTop = INT_MAX, nBottom = INT_MIN, nLeft = INT_MAX, nRed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) {
                nTop = std::min(nTop, y);
                nBottom = std::max(nBottom, y);
                nLeft = std::min(nLeft, x);
                nRed += image.pixel(x, y) == kRed;
            }
    ASSERT_NE(nTop, INT_MAX) << "no text drawn";
    EXPECT_GE(nBottom - nTop + 1, 7) << "capital height in pixels";
    EXPECT_LE(nBottom - nTop + 1, 13) << "capital height in pixels";
    EXPECT_GE(nTop, 5) << "text above its top-left corner";
    EXPECT_GE(nLeft, 5) << "text left of its top-left corner";
    EXPECT_GT(nRed, 10);

    CFont fontProbe;
    ASSERT_TRUE(fontProbe.CreateFont(50, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    EXPECT_EQ(dc.SelectObject(&fontProbe), &fontBefore);
}

TEST(FigText, loadedTextHasTheDefaultFontAndCopiesKeepTheirs)
{
    const QByteArray bytes = QByteArray::fromHex(
        "0a000000 f6ffffff 14000000 ecffffff 00ff0000"   // the figure part
        "05 48656c6c6f");                                 // "Hello"
    const CText text(10, -10, 20, -20, RGB(0, 255, 0), "Hello", ItalicSerif(-20));
    CArchive out;
    CText(text).Serialize(out);
    EXPECT_EQ(out.GetBuffer().toHex(), bytes.toHex());

    CArchive in(bytes);
    CText loaded;
    loaded.Serialize(in);
    EXPECT_FALSE(in.IsBad());
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(loaded.m_strText, "Hello");
    EXPECT_EQ(loaded.m_color, RGB(0, 255, 0));
    EXPECT_EQ(loaded.m_logFont.lfHeight, -13);
    EXPECT_EQ(loaded.m_logFont.lfWeight, FW_NORMAL);
    EXPECT_STREQ(loaded.m_logFont.lfFaceName, "DejaVu Sans");

    const auto pCopy = text.CopyMoved(CSize(-10, 10));
    const auto* pText = dynamic_cast<const CText*>(pCopy.get());
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(pText->GetPointRect(), CRect(0, 0, 10, -10));
    EXPECT_EQ(pText->m_strText, "Hello");
    EXPECT_EQ(pText->m_logFont.lfHeight, -20);
    EXPECT_EQ(pText->m_logFont.lfItalic, 1);
    EXPECT_STREQ(pText->m_logFont.lfFaceName, "DejaVu Serif");
    EXPECT_EQ(text.CopyWithPoints(0, 0, 1, 1), nullptr);
}

TEST(FigFloodFill, fillStopsAtTheBoundaryColourOnly)
{
    CCurveCanvas canvas(161, 161, 80, 80);
    DrawBox(canvas.DC(), false);
    // A blue line inside is not the boundary: the fill paints over it.
    CPen penBlue(PS_SOLID, 1, RGB(0, 0, 255));
    canvas.DC()->SelectObject(&penBlue);
    canvas.DC()->MoveTo(-30, 0);
    canvas.DC()->LineTo(30, 0);
    const int nBlack = canvas.Count(kBlack);

    CFloodFill(10, 10, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 1).Draw(canvas.DC());
    ExpectCurvePixels(canvas, {{0, 0, kRed, true, "over the blue line"},
                               {10, 10, kRed, true, "seed"},
                               {-49, 49, kRed, true, "inner corner"},
                               {49, -49, kRed, true, "inner corner"},
                               {-50, 0, kBlack, true, "boundary"},
                               {-51, 0, kWhite, true, "outside"},
                               {60, 60, kWhite, true, "outside"}});
    EXPECT_EQ(canvas.Count(kBlack), nBlack);
    EXPECT_EQ(canvas.Count(qRgb(0, 0, 255)), 0);
    EXPECT_EQ(canvas.DC()->GetBkMode(), TRANSPARENT);
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
}

TEST(FigFloodFill, brushComesFromTheFillStyleInTheFillColour)
{
    // A hatch leaves its gaps as they were.
    CCurveCanvas hatched(161, 161, 80, 80);
    DrawBox(hatched.DC(), false);
    CFloodFill(0, 0, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 6).Draw(hatched.DC());
    EXPECT_GT(hatched.Count(kRed), 99);
    EXPECT_LT(hatched.Count(kRed), 99 * 99 / 2);
    EXPECT_EQ(hatched.At(60, 60), kWhite);

    // A style outside 1 to 14 fills with the context's current brush.
    CCurveCanvas current(161, 161, 80, 80);
    DrawBox(current.DC(), false);
    CBrush brushGreen;
    ASSERT_TRUE(brushGreen.CreateSolidBrush(RGB(0, 255, 0)));
    current.DC()->SelectObject(&brushGreen);
    CFloodFill(0, 0, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 15).Draw(current.DC());
    EXPECT_EQ(current.At(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(current.Count(kRed), 0);

    CBrush brushProbe;
    ASSERT_TRUE(brushProbe.CreateSolidBrush(0));
    CFloodFill(0, 0, 0, 0, RGB(0, 0, 0), RGB(255, 0, 0), 1).Draw(current.DC());
    EXPECT_EQ(current.DC()->SelectObject(&brushProbe), &brushGreen);
}

TEST(FigFloodFill, recordAndCopyKeepStyleAndFillColour)
{
    const QByteArray bytes = QByteArray::fromHex(
        "e8030000 18fcffff 00000000 00000000 00000000"   // seed, (0, 0), black boundary
        "09000000 563412ff");                            // fill style, fill colour
    const CFloodFill fill(1000, -1000, 0, 0, 0, 0xFF123456, 9);
    CArchive out;
    CFloodFill(fill).Serialize(out);
    EXPECT_EQ(out.GetBuffer().toHex(), bytes.toHex());

    CArchive in(bytes);
    CFloodFill loaded;
    loaded.Serialize(in);
    EXPECT_FALSE(in.IsBad());
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(loaded.m_nFillStyle, 9);
    EXPECT_EQ(loaded.m_colorFill, 0xFF123456u);
    EXPECT_EQ(loaded.GetPointRect(), CRect(1000, -1000, 0, 0));

    const auto pCopy = fill.CopyMoved(CSize(1, 2));
    const auto* pFill = dynamic_cast<const CFloodFill*>(pCopy.get());
    ASSERT_NE(pFill, nullptr);
    EXPECT_EQ(pFill->GetPointRect(), CRect(1001, -998, 1, 2));
    EXPECT_EQ(pFill->m_nFillStyle, 9);
    EXPECT_EQ(pFill->m_colorFill, 0xFF123456u);
}
