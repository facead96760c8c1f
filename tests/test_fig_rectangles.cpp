// Rectangles, rounded rectangles and ellipses: centre cross, corner size,
// records, copies and the pen and brush a filled shape leaves behind.
#include "figures/rectangles.h"
#include "platform/archive.h"
#include "shapetesting.h"
#include "colortesting.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FigRectangles, centreCrossDependsOnPointOrder)
{
    // White outlines on white leave only the cross to see.
    for (bool bReversed : {false, true}) {
        CShapeCanvas canvas;
        CRectangle rect(bReversed ? 10 : 3, 60, bReversed ? 3 : 10, -60, RGB(255, 255, 255), 1,
                        TRUE, PS_SOLID);
        rect.Draw(canvas.DC());
        const int x = bReversed ? 7 : 6;  // 10 + (-7 / 2) and 3 + 7 / 2
        ExpectPixels(canvas, {{x, 100, kCrossRgb, true, "vertical arm"},
                              {x, -100, kCrossRgb, true, "vertical arm"},
                              {x == 6 ? 7 : 6, 100, kCrossRgb, false, "beside the arm"},
                              {x + 120, 0, kCrossRgb, true, "horizontal arm"},
                              {x, 140, kCrossRgb, false, "beyond the arm"}});
    }
}

TEST(FigRectangles, noCentreCrossWhenPointsCoincideOrFlagIsOff)
{
    CShapeCanvas canvas;
    CRectFill(20, -20, 20, -20, RGB(255, 255, 255), 1, TRUE).Draw(canvas.DC());
    CCircle(-100, 100, 100, -100, RGB(255, 255, 255), 1, FALSE, PS_SOLID).Draw(canvas.DC());
    EXPECT_EQ(canvas.Count(kCrossRgb), 0);
}

TEST(FigRectangles, roundCornerIsASixthOfTheSidesAndIsRecorded)
{
    EXPECT_EQ(RoundCornerSize(0, 0, 600, -300), 150);
    EXPECT_EQ(RoundCornerSize(600, -300, 0, 0), 150);
    EXPECT_EQ(RoundCornerSize(0, 0, 5, 0), 0);
    EXPECT_EQ(RoundCornerSize(0, 0, 7, -5), 2);
    // Corners a whole int range apart must not overflow the sum.
    EXPECT_EQ(RoundCornerSize(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 1431655765);

    CShapeCanvas canvas;
    CRectRound outlined(-120, 60, 120, -60, 0, 1, FALSE, PS_SOLID);
    outlined.Draw(canvas.DC());
    EXPECT_EQ(outlined.m_nCorner, 60);
    CRectRoundFill filled(0, 0, 600, -300, 0, 1, FALSE);
    filled.Draw(canvas.DC());
    EXPECT_EQ(filled.m_nCorner, 150);
}

TEST(FigRectangles, recordsMatchTheFileLayoutAndReadBack)
{
    // Each class's own fields, written out by hand after the CFigure part.
    const struct {
        std::unique_ptr<CFigure> pFigure;
        QByteArray ownFields;
    } rows[] = {
        {std::make_unique<CRectangle>(100, -200, 300, -400, 0xFF, 2, TRUE, PS_DASH),
         Bytes({2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0})},
        {std::make_unique<CRectRound>(100, -200, 300, -400, 0xFF, 3, FALSE, PS_DOT),
         Bytes({3, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0})},
        {std::make_unique<CCircle>(100, -200, 300, -400, 0xFF, 20, TRUE, PS_DASHDOTDOT),
         Bytes({20, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0})},
        {std::make_unique<CRectFill>(100, -200, 300, -400, 0xFF, 9, TRUE),
         Bytes({9, 0, 0, 0, 1, 0, 0, 0})},
        {std::make_unique<CRectRoundFill>(100, -200, 300, -400, 0xFF, 14, FALSE),
         Bytes({14, 0, 0, 0, 0, 0, 0, 0})},
        {std::make_unique<CCircleFill>(100, -200, 300, -400, 0xFF, 1, TRUE),
         Bytes({1, 0, 0, 0, 1, 0, 0, 0})},
    };
    for (const auto& row : rows) {
        const QByteArray record = FigurePartBytes() + row.ownFields;
        SCOPED_TRACE(row.pFigure->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(RecordOf(*row.pFigure), record);

        // Read into a figure made as the file reader makes it, then written again.
        std::unique_ptr<CObject> pLoaded(row.pFigure->GetRuntimeClass()->CreateObject());
        auto* pFigure = dynamic_cast<CFigure*>(pLoaded.get());
        ASSERT_NE(pFigure, nullptr);
        CArchive in(record);
        pFigure->Serialize(in);
        EXPECT_FALSE(in.IsBad());
        EXPECT_EQ(in.BytesLeft(), 0);
        EXPECT_EQ(RecordOf(*pFigure), record);
    }

    CArchive in(FigurePartBytes() + Bytes({3, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0}));
    CRectRound round;
    round.Serialize(in);
    EXPECT_EQ(round.m_nWidth, 3);
    EXPECT_EQ(round.m_bCentre, 1);
    EXPECT_EQ(round.m_nPenStyle, PS_DASHDOTDOT);
}

TEST(FigRectangles, copiesKeepEveryField)
{
    const CRectangle rect(1, 2, 3, 4, 0x123456, 7, TRUE, PS_DOT);
    const CRectRound round(1, 2, 3, 4, 0x123456, 8, TRUE, PS_DASH);
    const CCircle circle(1, 2, 3, 4, 0x123456, 9, TRUE, PS_DASHDOT);
    const CRectFill rectFill(1, 2, 3, 4, 0x123456, 5, TRUE);
    const CRectRoundFill roundFill(1, 2, 3, 4, 0x123456, 11, TRUE);
    const CCircleFill circleFill(1, 2, 3, 4, 0x123456, 13, TRUE);
    const CFigure* shapes[] = {&rect, &round, &circle, &rectFill, &roundFill, &circleFill};

    for (const CFigure* pShape : shapes) {
        SCOPED_TRACE(pShape->GetRuntimeClass()->m_lpszClassName);
        auto pMoved = pShape->CopyMoved(CSize(10, -20));
        auto pRebuilt = pShape->CopyWithPoints(-5, 6, 70, -80);
        ASSERT_TRUE(pMoved && pRebuilt);
        EXPECT_EQ(pMoved->GetPointRect(), CRect(11, -18, 13, -16));
        EXPECT_EQ(pRebuilt->GetPointRect(), CRect(-5, 6, 70, -80));
        for (const CFigure* pCopy : {pMoved.get(), pRebuilt.get()}) {
            EXPECT_EQ(pCopy->GetRuntimeClass(), pShape->GetRuntimeClass());
            EXPECT_COLOR_EQ(pCopy->m_color, 0x123456u);
            EXPECT_EQ(pCopy->m_bCentre, TRUE);
            // The record holds every attribute after the points.
            EXPECT_EQ(RecordOf(*pCopy).mid(20), RecordOf(*pShape).mid(20));
        }
    }

    // A move past the int range stops at its edge instead of wrapping round.
    auto pFar = rect.CopyMoved(CSize(INT_MAX, INT_MIN));
    EXPECT_EQ(pFar->GetPointRect(), CRect(INT_MAX, INT_MIN + 2, INT_MAX, INT_MIN + 4));
}

TEST(FigRectangles, filledShapeFramesInItsColourAndPutsBackPenAndBrush)
{
    CShapeCanvas canvas;
    CDC* pDC = canvas.DC();
    CPen penThick(PS_SOLID, 40, RGB(0, 0, 255));
    CBrush brushRed;
    brushRed.CreateSolidBrush(RGB(255, 0, 0));
    pDC->SelectObject(&penThick);
    pDC->SelectObject(&brushRed);

    CRectFill(-50, 50, 50, -50, RGB(0, 160, 0), 1, FALSE).Draw(pDC);
    ExpectPixels(canvas, {{0, 0, qRgb(0, 160, 0), true, "inside"},
                          {48, 0, qRgb(0, 160, 0), true, "frame"},
                          {55, 0, kWhiteRgb, true, "outside the one-unit frame"}});
    EXPECT_EQ(canvas.Count(qRgb(0, 0, 255)), 0);

    CPen penProbe(PS_SOLID, 1, 0);
    CBrush brushProbe;
    brushProbe.CreateSolidBrush(0);
    EXPECT_EQ(pDC->SelectObject(&penProbe), &penThick);
    EXPECT_EQ(pDC->SelectObject(&brushProbe), &brushRed);
}

TEST(FigRectangles, fillStyleWithoutBrushUsesTheContextsBrush)
{
    // Style 0 occurs only in a damaged file.
    CShapeCanvas canvas;
    CBrush brushRed;
    brushRed.CreateSolidBrush(RGB(255, 0, 0));
    canvas.DC()->SelectObject(&brushRed);
    CCircleFill(-50, 50, 50, -50, RGB(0, 0, 0), 0, FALSE).Draw(canvas.DC());
    ExpectPixels(canvas, {{0, 0, qRgb(255, 0, 0), true, "inside"},
                          {45, 45, kWhiteRgb, true, "outside the ellipse"}});
}

TEST(FigRectangles, outlinedShapeLeavesInsideUnpaintedAndPutsBackObjects)
{
    CShapeCanvas canvas;
    CDC* pDC = canvas.DC();
    CPen penThin(PS_SOLID, 1, RGB(0, 0, 255));
    CBrush brushRed;
    brushRed.CreateSolidBrush(RGB(255, 0, 0));
    pDC->SelectObject(&penThin);
    pDC->SelectObject(&brushRed);

    CRectangle(-100, 100, 100, -100, RGB(0, 0, 0), 1, FALSE, PS_SOLID).Draw(pDC);
    // A pen style no pen can have: drawn with the context's pen, nothing breaks.
    CCircle(-50, 50, 50, -50, RGB(0, 0, 0), 1, FALSE, 99).Draw(pDC);
    ExpectPixels(canvas, {{100, 0, qRgb(0, 0, 0), true, "26-unit outline"},
                          {88, 0, qRgb(0, 0, 0), true, "26-unit outline, inner half"},
                          {80, 0, kWhiteRgb, true, "inside"},
                          {0, 50, qRgb(0, 0, 255), true, "ellipse in the context's pen"},
                          {0, 0, kWhiteRgb, true, "inside the ellipse"}});
    EXPECT_EQ(canvas.Count(qRgb(255, 0, 0)), 0);

    CPen penProbe(PS_SOLID, 1, 0);
    CBrush brushProbe;
    brushProbe.CreateSolidBrush(0);
    EXPECT_EQ(pDC->SelectObject(&penProbe), &penThin);
    EXPECT_EQ(pDC->SelectObject(&brushProbe), &brushRed);
}

TEST(FigRectangles, hatchGapsStayTransparent)
{
    CShapeCanvas canvas;
    canvas.DC()->SetBkMode(OPAQUE);
    canvas.DC()->SetBkColor(RGB(0, 0, 0));
    CRectFill(-60, 60, 60, -60, RGB(0, 0, 255), 6, FALSE).Draw(canvas.DC());
    // Inside the frame: hatch lines in blue and untouched white gaps only.
    const QRgb kBlue = qRgb(0, 0, 255);
    int nBlue = 0, nWhite = 0, nOther = 0;
    for (int y = -55; y <= 55; ++y) {
        for (int x = -55; x <= 55; ++x) {
            const QRgb rgb = canvas.At(x, y);
            nBlue += rgb == kBlue;
            nWhite += rgb == kWhiteRgb;
            nOther += rgb != kBlue && rgb != kWhiteRgb;
        }
    }
    EXPECT_GT(nBlue, 0);
    EXPECT_GT(nWhite, nBlue);
    EXPECT_EQ(nOther, 0);
}
