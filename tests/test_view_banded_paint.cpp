// Painting in bands gives exactly the pixels of a paint on one thread:
// every figure class, pen style and width, hatch and pattern fills, texts
// across band edges and flood fills (barriers), in 1, 2, 3 and 7 bands.
#include "dctesting.h"
#include "document/mydrevikdoc.h"
#include "figure_samples.h"
#include "view/bandpaint.h"
#include "view/render.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Drawing {
    const char* pszName;
    void (*fnMake)(CMyDrevikDoc*);
    double dUnitsPerPixel = kScreenUnitsPerPixel;
    CPoint ptViewportOrg;  // a scrolled view
    bool bHandles = false;
    int nStopAfter = -1;  // figures the paint may start; -1: all
};

struct Case {
    Drawing drawing;
    int nBands;
};

// Deterministic figures of every class, anywhere on (and a little off)
// the canvas, with every pen style, thicknesses up to 20 and every fill.
void AddEveryClass(CMyDrevikDoc* pDoc, int nRounds, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    auto x = [&] { return int(random() % 29000) - 900; };
    auto y = [&] { return -(int(random() % 22000) - 800); };
    auto color = [&] { return COLORREF(random() & 0xFFFFFF); };
    auto width = [&] { return 1 + int(random() % 20); };
    auto style = [&] { return int(random() % 5); };
    auto fill = [&] { return 1 + int(random() % 14); };
    auto flag = [&] { return BOOL(random() % 2); };
    for (int i = 0; i < nRounds; ++i) {
        pDoc->AddFigure(std::make_unique<CLine>(x(), y(), x(), y(), color(), width(), style()));
        pDoc->AddFigure(std::make_unique<CLine>(x(), y(), x(), y(), color(), 1, style()));
        pDoc->AddFigure(std::make_unique<CRectangle>(x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CRectRound>(x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CCircle>(x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CRectFill>(x(), y(), x(), y(), color(), fill(), flag()));
        pDoc->AddFigure(std::make_unique<CRectRoundFill>(x(), y(), x(), y(), color(), fill(), flag()));
        pDoc->AddFigure(std::make_unique<CCircleFill>(x(), y(), x(), y(), color(), fill(), flag()));
        pDoc->AddFigure(std::make_unique<CArc>(x(), y(), x(), y(), x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CChord>(x(), y(), x(), y(), x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CPie>(x(), y(), x(), y(), x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CChordFill>(x(), y(), x(), y(), x(), y(), x(), y(), color(), fill(), flag()));
        pDoc->AddFigure(std::make_unique<CPieFill>(x(), y(), x(), y(), x(), y(), x(), y(), color(), fill(), flag()));
        pDoc->AddFigure(std::make_unique<CBezier>(x(), y(), x(), y(), x(), y(), x(), y(), color(), width(), flag(), style()));
        pDoc->AddFigure(std::make_unique<CPolygon>(x(), y(), x(), y(), x(), y(), color(), width(), style(),
                                                   1 + int(random() % 4)));
        const int xTrigon = x(), yTrigon = y();
        pDoc->AddFigure(std::make_unique<CTrigon>(xTrigon, yTrigon, xTrigon + 3000, yTrigon - 4000, color(),
                                                  100 + int(random() % 400), flag()));
        pDoc->AddFigure(std::make_unique<CMeasure>(x(), y(), x(), y(), color(), PS_SOLID, width(),
                                                   QStringLiteral("%1 mm").arg(i)));
        LOGFONT lf = GetDefaultTextFont();
        lf.lfHeight = -8 - int(random() % 30);
        lf.lfItalic = BYTE(random() % 2);
        lf.lfUnderline = BYTE(random() % 2);
        lf.lfWeight = random() % 2 ? FW_BOLD : FW_NORMAL;
        pDoc->AddFigure(std::make_unique<CText>(x(), y(), 0, 0, color(), QStringLiteral("Bolt %1 Wg").arg(i), lf));
    }
}

void MakeEveryClass(CMyDrevikDoc* pDoc)
{
    AddEveryClass(pDoc, 12, 17);
}

// Long dashed and dotted lines of every width, steep and shallow, so that
// dashes run across every band edge at every phase.
void MakeDashes(CMyDrevikDoc* pDoc)
{
    for (int nWidth = 1; nWidth <= 20; ++nWidth)
        for (int nStyle = PS_DASH; nStyle <= PS_DASHDOTDOT; ++nStyle) {
            const int x = nWidth * 1300 + nStyle * 230;
            pDoc->AddFigure(std::make_unique<CLine>(x, 300, x + 900 * nStyle, -20800, RGB(0, 0, 0), nWidth, nStyle));
            pDoc->AddFigure(std::make_unique<CLine>(-500, -x * 3 / 4, 27500, -x * 3 / 4 - 2000 * nStyle,
                                                    RGB(200, 0, 0), nWidth, nStyle));
        }
}

// Texts whose cells straddle the band edges of 2, 3 and 7 bands, in sizes,
// styles and background modes that reach above and below.
void MakeTextsAcrossEdges(CMyDrevikDoc* pDoc)
{
    int i = 0;
    for (int nBands : {2, 3, 7})
        for (int b = 1; b < nBands; ++b) {
            const int nEdge = kHeight * b / nBands;
            for (int nHeight : {8, 13, 40}) {
                LOGFONT lf = GetDefaultTextFont();
                lf.lfHeight = -nHeight;
                lf.lfItalic = BYTE(i % 2);
                lf.lfUnderline = BYTE(i % 3 == 0);
                lf.lfStrikeOut = BYTE(i % 4 == 1);
                // The cell's top a few rows above the edge.
                const int yTop = -int((nEdge - nHeight / 2 - i % 3) * kScreenUnitsPerPixel);
                const int x = 500 + (i * 3700) % 24000;
                pDoc->AddFigure(std::make_unique<CText>(x, yTop, 0, 0, RGB(0, 0, 160 + i % 90),
                                                        QStringLiteral("Edge gjpqy %1").arg(i), lf));
                ++i;
            }
            // A hatch under the next texts: a text's background is its own.
            pDoc->AddFigure(std::make_unique<CRectFill>(0, -int((nEdge - 30) * kScreenUnitsPerPixel), 27000,
                                                        -int((nEdge + 30) * kScreenUnitsPerPixel),
                                                        RGB(0, 128, 0), 2 + b % 6, FALSE));
        }
}

// Frames across the band edges filled by flood fills with every fill
// style, figures over the fills and fills of what those figures enclose.
void MakeFloodFills(CMyDrevikDoc* pDoc)
{
    pDoc->AddFigure(std::make_unique<CFloodFill>(13000, -10000, 0, 0, RGB(0, 0, 0), RGB(230, 230, 255), 1));
    for (int i = 0; i < 14; ++i) {
        const int x = 600 + (i % 7) * 3800, y = -400 - (i / 7) * 9800;
        pDoc->AddFigure(std::make_unique<CRectangle>(x, y, x + 3400, y - 9500, RGB(0, 0, 0), 1 + i % 3, FALSE, PS_SOLID));
        pDoc->AddFigure(std::make_unique<CCircle>(x + 400, y - 1000, x + 3000, y - 8000, RGB(0, 0, 0), 2, FALSE, PS_SOLID));
        pDoc->AddFigure(std::make_unique<CFloodFill>(x + 200, y - 4700, 0, 0, RGB(0, 0, 0), RGB(200, 20 * i, 0), 1 + i));
        pDoc->AddFigure(std::make_unique<CLine>(x, y, x + 3400, y - 9500, RGB(0, 0, 200), 3, PS_DASH));
        pDoc->AddFigure(std::make_unique<CFloodFill>(x + 1700, y - 4700, 0, 0, RGB(0, 0, 0), RGB(0, 120, 12 * i), 14 - i));
    }
    AddEveryClass(pDoc, 3, 5);
    // A fill of whatever the figures above left open, then more on top.
    pDoc->AddFigure(std::make_unique<CFloodFill>(27000, -20300, 0, 0, RGB(0, 0, 0), RGB(255, 255, 0), 9));
    AddEveryClass(pDoc, 2, 6);
}

QImage PaintWith(const Drawing& drawing, CMyDrevikDoc* pDoc, int nBands, CDCModes* pModes, QRect* pTouched,
                 int* pnPainted)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, drawing.dUnitsPerPixel);
    dc.SetViewportOrg(drawing.ptViewportOrg);
    BeginFigurePainting(&dc);
    int nAsked = 0;
    auto fnGoOn = [&] { return drawing.nStopAfter < 0 || nAsked++ < drawing.nStopAfter; };
    *pnPainted = nBands == 0 ? PaintFiguresSerially(&dc, pDoc, drawing.bHandles, 0, fnGoOn)
                             : PaintFiguresInBands(&dc, pDoc, drawing.bHandles, 0, nBands, fnGoOn);
    *pModes = dc.GetModes();
    *pTouched = dc.GetTouchedRect();
    dc.Detach();
    return image;
}

void PrintTo(const Case& c, std::ostream* pOut)
{
    *pOut << c.drawing.pszName << " in " << c.nBands << " bands";
}

class BandedPaint : public ::testing::TestWithParam<Case> {};

TEST_P(BandedPaint, GivesThePixelsOfOneThread)
{
    const Case& c = GetParam();
    CMyDrevikDoc doc;
    c.drawing.fnMake(&doc);
    CDCModes modesOne, modesBands;
    QRect rectOne, rectBands;
    int nOne = 0, nBands = 0;
    const QImage imageOne = PaintWith(c.drawing, &doc, 0, &modesOne, &rectOne, &nOne);
    const QImage imageBands = PaintWith(c.drawing, &doc, c.nBands, &modesBands, &rectBands, &nBands);
    EXPECT_EQ(FirstDifference(imageBands, imageOne), "");
    EXPECT_EQ(nBands, nOne);
    EXPECT_EQ(rectBands, rectOne);
    EXPECT_EQ(modesBands.nROP2, modesOne.nROP2);
    EXPECT_EQ(modesBands.nBkMode, modesOne.nBkMode);
    EXPECT_EQ(modesBands.colorText, modesOne.colorText);
    EXPECT_EQ(modesBands.ptCurrent, modesOne.ptCurrent);
    // Not a blank canvas compared with a blank canvas.
    EXPECT_GT(rectOne.width() * rectOne.height(), 0);
}

std::vector<Case> AllCases()
{
    const Drawing drawings[] = {
        {"EveryClass", MakeEveryClass, kScreenUnitsPerPixel, CPoint()},
        {"Dashes", MakeDashes, kScreenUnitsPerPixel, CPoint()},
        {"TextsAcrossEdges", MakeTextsAcrossEdges, kScreenUnitsPerPixel, CPoint()},
        {"FloodFills", MakeFloodFills, kScreenUnitsPerPixel, CPoint()},
        {"ZoomedAndScrolled", MakeFloodFills, kScreenUnitsPerPixel / 2.5, CPoint(-700, -333)},
        {"WithHandles", MakeEveryClass, kScreenUnitsPerPixel, CPoint(), true},
        {"StoppedMidway", MakeFloodFills, kScreenUnitsPerPixel, CPoint(), false, 41},
    };
    std::vector<Case> vecCases;
    for (const Drawing& drawing : drawings)
        for (int nBands : {1, 2, 3, 7})
            vecCases.push_back({drawing, nBands});
    return vecCases;
}

INSTANTIATE_TEST_SUITE_P(Drawings, BandedPaint, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.drawing.pszName) + "_" +
                                    std::to_string(info.param.nBands) + "Bands";
                         });

// The whole-canvas paint of the renderer and the print canvas goes through
// the bands whatever the thread count says, with the same result.
TEST(BandedPaintThreads, CanvasImageIsTheSameOnAnyNumberOfThreads)
{
    CMyDrevikDoc doc;
    MakeFloodFills(&doc);
    SetPaintThreadCount(1);
    const QImage imageOne = PaintCanvasImage(&doc, true, false);
    for (int nThreads : {2, 5}) {
        SetPaintThreadCount(nThreads);
        EXPECT_EQ(FirstDifference(PaintCanvasImage(&doc, true, false), imageOne), "") << nThreads << " threads";
    }
    SetPaintThreadCount(0);
    EXPECT_GE(GetPaintThreadCount(), 1);
}

// A band paints its own rows and nothing else, and cannot flood fill.
TEST(BandedPaintThreads, BandTouchesOnlyItsRows)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QImage imageBand(image.bits() + 16 * image.bytesPerLine(), 64, 16, image.bytesPerLine(), image.format());
    CDC dc;
    ASSERT_TRUE(dc.AttachBand(&imageBand, image.size(), 16, 1.0));
    dc.SetMapMode(MM_TEXT);
    CBrush brush;
    brush.CreateSolidBrush(RGB(255, 0, 0));
    dc.SelectObject(&brush);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(0, 0, 64, 48);
    EXPECT_EQ(FirstWrongPixel(image, BoxOf(0, 16, 63, 31, 0xFFFF0000u)), "");
    EXPECT_EQ(dc.GetPixel(5, 5), CLR_INVALID);
    EXPECT_FALSE(dc.ExtFloodFill(5, 20, RGB(0, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 48);
    CRect rectClip;
    ASSERT_TRUE(dc.GetClipBox(&rectClip));
    EXPECT_EQ(rectClip, CRect(0, 16, 64, 32));
    EXPECT_EQ(dc.GetTouchedRect(), QRect(0, 16, 64, 16));
}

}  // namespace
