// What every figure shares: bounds, end-point picking, mirror and zoom, copies.
#include "figures/fillbrush.h"
#include "figures/line.h"
#include "colortesting.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FigureBase, zoomInThenOutTruncates)
{
    CLine line(3, -3, 4, 0, 0, 1, PS_SOLID);
    line.Transform(0, 0, 2);
    EXPECT_EQ(line.GetPointRect(), CRect(3, -3, 5, 0));
    line.Transform(0, 0, 3);
    EXPECT_EQ(line.GetPointRect(), CRect(2, -2, 4, 0));
}

TEST(FigureBase, mirrorTwiceRestoresAndZeroSumNegates)
{
    CLine line(10, -20, 300, -400, 0, 1, PS_SOLID);
    line.Transform(0, 0, 0);
    EXPECT_EQ(line.GetPointRect(), CRect(-10, -20, -300, -400));
    line.Transform(27195, -20396, 0);
    line.Transform(27195, -20396, 0);
    EXPECT_EQ(line.GetPointRect(), CRect(-10, -20, -300, -400));
    line.Transform(27195, -20396, 1);
    EXPECT_EQ(line.GetPointRect(), CRect(-10, -20376, -300, -19996));
    line.Transform(27195, -20396, 7);  // unknown op: no change
    EXPECT_EQ(line.GetPointRect(), CRect(-10, -20376, -300, -19996));
}

TEST(FigureBase, transformOfExtremeValuesSaturatesInsteadOfOverflowing)
{
    CLine line(INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0, 1, PS_SOLID);
    line.Transform(INT_MAX, INT_MIN, 0);
    EXPECT_EQ(line.m_x1, 0);
    EXPECT_EQ(line.m_x2, INT_MAX);
    line.Transform(0, 0, 2);
    EXPECT_EQ(line.m_x2, INT_MAX);
    EXPECT_EQ(line.m_y1, INT_MIN);
}

TEST(FigureBase, endPointWindowIsStrictSquare)
{
    CLine line(0, 0, 150, 0, 0, 1, PS_SOLID);
    EXPECT_TRUE(line.HitEndPoint(99, 99));
    EXPECT_FALSE(line.HitEndPoint(-100, 0));
    EXPECT_FALSE(line.HitEndPoint(0, 100));
    EXPECT_TRUE(line.HitEndPoint(249, -99));
    EXPECT_FALSE(line.HitEndPoint(250, 0));
    // The middle of a 150-unit line is within reach of both ends: the first wins.
    EXPECT_EQ(line.SnapEndPoint(75, 0), CPoint(0, 0));
    EXPECT_EQ(line.OppositeEndPoint(75, 0), CPoint(150, 0));
    EXPECT_EQ(line.SnapEndPoint(140, 5), CPoint(150, 0));
    EXPECT_EQ(line.OppositeEndPoint(140, 5), CPoint(0, 0));
    EXPECT_EQ(line.SnapEndPoint(1000, 1000), CPoint(1000, 1000));
    EXPECT_EQ(line.OppositeEndPoint(1000, 1000), CPoint(1000, 1000));
    // Far-apart values must not overflow the distance.
    EXPECT_FALSE(line.HitEndPoint(INT_MIN, INT_MIN));
}

TEST(FigureBase, boundRectReachesOneUnitBeyondAndPointRectIsAsStored)
{
    CLine line(300, -400, 100, -200, 0, 1, PS_SOLID);
    EXPECT_EQ(line.GetBoundRect(), CRect(100, -200, 301, -401));
    EXPECT_EQ(line.GetPointRect(), CRect(300, -400, 100, -200));
    CLine dot(7, -9, 7, -9, 0, 1, PS_SOLID);
    EXPECT_EQ(dot.GetBoundRect(), CRect(7, -9, 8, -10));
}

TEST(FigureBase, copiesOfALineKeepItsAttributes)
{
    CLine line(1, 2, 3, 4, 0x123456, 7, PS_DASHDOT);
    auto pMoved = line.CopyMoved(CSize(10, -20));
    auto* pLine = dynamic_cast<CLine*>(pMoved.get());
    ASSERT_NE(pLine, nullptr);
    EXPECT_EQ(pLine->GetPointRect(), CRect(11, -18, 13, -16));
    EXPECT_COLOR_EQ(pLine->m_color, 0x123456u);
    EXPECT_EQ(pLine->m_nWidth, 7);
    EXPECT_EQ(pLine->m_nPenStyle, PS_DASHDOT);
    auto pRebuilt = line.CopyWithPoints(5, 6, 7, 8);
    ASSERT_NE(pRebuilt, nullptr);
    EXPECT_EQ(pRebuilt->GetPointRect(), CRect(5, 6, 7, 8));
    EXPECT_EQ(dynamic_cast<CLine*>(pRebuilt.get())->m_nPenStyle, PS_DASHDOT);
    CFigure base;
    EXPECT_EQ(base.CopyMoved(CSize(1, 1)), nullptr);
    EXPECT_EQ(base.CopyWithPoints(0, 0, 1, 1), nullptr);
}

TEST(FigureBase, fillBrushOutOfRangeKeepsThePreviousBrush)
{
    CLine figure(0, 0, 1, 1, RGB(255, 0, 0), 1, PS_SOLID);
    figure.MakeFillBrush(0);
    EXPECT_FALSE(figure.m_brush.GetSafeHandle());
    figure.MakeFillBrush(3);
    ASSERT_TRUE(figure.m_brush.GetSafeHandle());
    EXPECT_EQ(figure.m_brush.GetData().type, BrushData::Type::Hatch);
    EXPECT_EQ(figure.m_brush.GetData().nHatch, HS_CROSS);
    figure.MakeFillBrush(15);
    EXPECT_EQ(figure.m_brush.GetData().nHatch, HS_CROSS);
    figure.MakeFillBrush(1);
    EXPECT_EQ(figure.m_brush.GetData().type, BrushData::Type::Solid);
}

TEST(FillPatterns, bitmapsMapBlackAndKeepGreyAndWhite)
{
    const COLORREF red = RGB(255, 0, 0);
    const QImage arrow = LoadMappedPattern(189, red);
    ASSERT_EQ(arrow.size(), QSize(16, 15));
    EXPECT_COLOR_EQ(arrow.pixel(2, 0), qRgb(255, 0, 0));     // 0x2000: third pixel
    EXPECT_COLOR_EQ(arrow.pixel(1, 7), qRgb(255, 0, 0));     // 0x4000 in row 8
    EXPECT_COLOR_EQ(arrow.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_COLOR_EQ(arrow.pixel(9, 0), qRgb(0xC0, 0xC0, 0xC0));  // grey beyond the 8x8 cell
    EXPECT_COLOR_EQ(arrow.pixel(5, 8), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_COLOR_EQ(arrow.pixel(4, 8), qRgb(255, 255, 255));
    const QImage diamond = LoadMappedPattern(183, red);
    EXPECT_EQ(diamond.height(), 16);
    EXPECT_COLOR_EQ(diamond.pixel(15, 3), qRgb(255, 0, 0));  // EEEF ends in black
    EXPECT_COLOR_EQ(diamond.pixel(15, 2), qRgb(255, 0, 0));  // 5555 ends in black
    EXPECT_COLOR_EQ(diamond.pixel(14, 2), qRgb(255, 255, 255));
    const QImage smallCross = LoadMappedPattern(185, red);
    EXPECT_COLOR_EQ(smallCross.pixel(15, 14), qRgb(255, 0, 0));
    EXPECT_COLOR_EQ(smallCross.pixel(9, 14), qRgb(255, 0, 0));   // FFC1: ten black, then 1s
    EXPECT_COLOR_EQ(smallCross.pixel(10, 14), qRgb(255, 255, 255));
    EXPECT_TRUE(LoadMappedPattern(100, red).isNull());
}

TEST(FillPatterns, everyStyleMakesABrushAndNoOtherDoes)
{
    for (int nStyle = -1; nStyle <= 16; ++nStyle) {
        CBrush brush;
        const bool bMade = CreateFillBrush(brush, nStyle, RGB(0, 0, 255)) != FALSE;
        EXPECT_EQ(bMade, nStyle >= 1 && nStyle <= 14) << "style " << nStyle;
        if (nStyle >= 8 && nStyle <= 14)
            EXPECT_EQ(brush.GetData().type, BrushData::Type::Pattern) << "style " << nStyle;
    }
}
