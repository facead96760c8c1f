// Arcs, chords and pies: the mirror that keeps the same part of the
// ellipse, zoom, copies, records, and what a filled chord and pie cover.
#include "figures/arcs.h"
#include "platform/archive.h"
#include "shapetesting.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

enum ArcClass { kArc, kChord, kPie, kChordFill, kPieFill };
const ArcClass kArcClasses[] = {kArc, kChord, kPie, kChordFill, kPieFill};

// One figure of each class with the same points and fixed attributes.
std::unique_ptr<CFigure> MakeArc(ArcClass nClass, CRect rect, CPoint ptStart, CPoint ptEnd)
{
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    const int xs = ptStart.x, ys = ptStart.y, xe = ptEnd.x, ye = ptEnd.y;
    const COLORREF color = 0x123456;
    switch (nClass) {
    case kArc:
        return std::make_unique<CArc>(l, t, r, b, xs, ys, xe, ye, color, 3, TRUE, PS_DOT);
    case kChord:
        return std::make_unique<CChord>(l, t, r, b, xs, ys, xe, ye, color, 4, TRUE, PS_DASH);
    case kPie:
        return std::make_unique<CPie>(l, t, r, b, xs, ys, xe, ye, color, 5, TRUE, PS_DASHDOT);
    case kChordFill:
        return std::make_unique<CChordFill>(l, t, r, b, xs, ys, xe, ye, color, 7, TRUE);
    case kPieFill:
        return std::make_unique<CPieFill>(l, t, r, b, xs, ys, xe, ye, color, 12, TRUE);
    }
    return nullptr;
}

std::string ClassName(const CFigure& figure)
{
    return figure.GetRuntimeClass()->m_lpszClassName;
}

}  // namespace

TEST(FigArcs, mirrorSwapsStartAndEndAndTwiceRestores)
{
    const CRect rect(10, 20, 30, 40);
    for (ArcClass nClass : kArcClasses) {
        auto pFigure = MakeArc(nClass, rect, CPoint(1, 2), CPoint(3, 4));
        SCOPED_TRACE(ClassName(*pFigure));
        const QByteArray original = RecordOf(*pFigure);

        pFigure->Transform(100, 0, 0);
        auto pExpected = MakeArc(nClass, CRect(90, 20, 70, 40), CPoint(97, 4), CPoint(99, 2));
        EXPECT_EQ(RecordOf(*pFigure), RecordOf(*pExpected));
        pFigure->Transform(100, 0, 0);
        EXPECT_EQ(RecordOf(*pFigure), original);

        pFigure->Transform(0, 100, 1);
        pExpected = MakeArc(nClass, CRect(10, 80, 30, 60), CPoint(3, 96), CPoint(1, 98));
        EXPECT_EQ(RecordOf(*pFigure), RecordOf(*pExpected));
        pFigure->Transform(0, 100, 1);
        EXPECT_EQ(RecordOf(*pFigure), original);

        pFigure->Transform(100, 100, 4);  // unknown op: no change
        EXPECT_EQ(RecordOf(*pFigure), original);
    }
}

TEST(FigArcs, zoomTruncatesAllEightCoordinates)
{
    for (ArcClass nClass : kArcClasses) {
        auto pFigure = MakeArc(nClass, CRect(3, -3, 4, 8), CPoint(-4, 5), CPoint(7, -8));
        SCOPED_TRACE(ClassName(*pFigure));
        pFigure->Transform(0, 0, 2);
        auto pExpected = MakeArc(nClass, CRect(3, -3, 5, 10), CPoint(-5, 6), CPoint(8, -10));
        EXPECT_EQ(RecordOf(*pFigure), RecordOf(*pExpected));
        pFigure->Transform(0, 0, 3);
        pExpected = MakeArc(nClass, CRect(2, -2, 4, 8), CPoint(-4, 4), CPoint(6, -8));
        EXPECT_EQ(RecordOf(*pFigure), RecordOf(*pExpected));
    }
}

TEST(FigArcs, transformOfExtremeValuesSaturates)
{
    CArc arc(0, 0, 10, 10, INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0, 1, FALSE, PS_SOLID);
    arc.Transform(INT_MIN, INT_MAX, 0);
    EXPECT_EQ(arc.m_xStart, 0);        // INT_MIN - INT_MIN
    EXPECT_EQ(arc.m_xEnd, INT_MIN);    // INT_MIN - INT_MAX, saturated
    arc.Transform(0, INT_MAX, 1);
    EXPECT_EQ(arc.m_yStart, INT_MAX);  // INT_MAX - INT_MIN, saturated
    EXPECT_EQ(arc.m_yEnd, 0);
    arc.Transform(0, 0, 2);
    EXPECT_EQ(arc.m_xStart, INT_MIN);
    EXPECT_EQ(arc.m_yStart, INT_MAX);
}

TEST(FigArcs, copyMovedMovesAllFourPointsAndCopyWithPointsIsNull)
{
    for (ArcClass nClass : kArcClasses) {
        auto pFigure = MakeArc(nClass, CRect(1, 2, 3, 4), CPoint(5, 6), CPoint(7, 8));
        SCOPED_TRACE(ClassName(*pFigure));
        auto pMoved = pFigure->CopyMoved(CSize(100, -1000));
        ASSERT_NE(pMoved, nullptr);
        EXPECT_EQ(pMoved->GetRuntimeClass(), pFigure->GetRuntimeClass());
        auto pExpected =
            MakeArc(nClass, CRect(101, -998, 103, -996), CPoint(105, -994), CPoint(107, -992));
        EXPECT_EQ(RecordOf(*pMoved), RecordOf(*pExpected));
        EXPECT_EQ(pFigure->CopyWithPoints(0, 0, 50, 50), nullptr);
    }
}

TEST(FigArcs, recordsMatchTheFileLayoutAndReadBack)
{
    // Start (5, -6), end (7, 8), then each class's own fields, by hand.
    const QByteArray points = Bytes({5, 0, 0, 0, 0xFA, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0, 8, 0, 0, 0});
    const QByteArray ownFields[] = {
        Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}),  // CArc: width, centre, pen style
        Bytes({4, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}),  // CChord
        Bytes({5, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}),  // CPie
        Bytes({7, 0, 0, 0, 1, 0, 0, 0}),              // CChordFill: fill style, centre
        Bytes({12, 0, 0, 0, 1, 0, 0, 0}),             // CPieFill
    };
    for (ArcClass nClass : kArcClasses) {
        auto pFigure = MakeArc(nClass, CRect(100, -200, 300, -400), CPoint(5, -6), CPoint(7, 8));
        pFigure->m_color = 0xFF;
        SCOPED_TRACE(ClassName(*pFigure));
        const QByteArray record = FigurePartBytes() + points + ownFields[nClass];
        EXPECT_EQ(RecordOf(*pFigure), record);

        std::unique_ptr<CObject> pLoaded(pFigure->GetRuntimeClass()->CreateObject());
        auto* pLoadedFigure = dynamic_cast<CFigure*>(pLoaded.get());
        ASSERT_NE(pLoadedFigure, nullptr);
        CArchive in(record);
        pLoadedFigure->Serialize(in);
        EXPECT_FALSE(in.IsBad());
        EXPECT_EQ(in.BytesLeft(), 0);
        EXPECT_EQ(RecordOf(*pLoadedFigure), record);
    }
}

TEST(FigArcs, mirrorAboutItsOwnCentreLineDrawsTheMirrorImage)
{
    // From the point right of the centre to the point above it: the upper
    // right quarter. Mirrored, the upper left quarter, not the other three.
    const QRgb kBlack = qRgb(0, 0, 0);
    CArc arc(-100, 100, 100, -100, 100, 0, 0, 100, RGB(0, 0, 0), 1, FALSE, PS_SOLID);
    CArc mirrored = arc;
    mirrored.Transform(arc.m_x1 + arc.m_x2, 0, 0);
    EXPECT_EQ(mirrored.m_xStart, 0);
    EXPECT_EQ(mirrored.m_yStart, 100);
    EXPECT_EQ(mirrored.m_xEnd, -100);
    EXPECT_EQ(mirrored.m_yEnd, 0);

    CShapeCanvas canvas, canvasMirrored;
    arc.Draw(canvas.DC());
    mirrored.Draw(canvasMirrored.DC());
    ExpectPixels(canvas, {{71, 71, kBlack, true, "upper right"},
                          {-71, 71, kWhiteRgb, true, "upper left"},
                          {-71, -71, kWhiteRgb, true, "lower left"},
                          {71, -71, kWhiteRgb, true, "lower right"}});
    ExpectPixels(canvasMirrored, {{-71, 71, kBlack, true, "upper left"},
                                  {71, 71, kWhiteRgb, true, "upper right"},
                                  {-71, -71, kWhiteRgb, true, "lower left"},
                                  {71, -71, kWhiteRgb, true, "lower right"}});

    // Pixel for pixel the flipped image, but for rounding at the edges.
    const QImage flipped = canvas.Image().mirrored(true, false);
    const int nDrawn = canvas.CountNot(kWhiteRgb);
    int nDiffer = 0;
    for (int y = 0; y < flipped.height(); ++y)
        for (int x = 0; x < flipped.width(); ++x)
            nDiffer += flipped.pixel(x, y) != canvasMirrored.Image().pixel(x, y);
    EXPECT_GT(nDrawn, 2500);
    EXPECT_LT(nDiffer, nDrawn / 10);
}

TEST(FigArcs, filledPieCoversTheCentreAndFilledChordDoesNot)
{
    const QRgb kBlue = qRgb(0, 0, 255);
    CShapeCanvas canvasPie, canvasChord;
    const COLORREF colorBlue = RGB(0, 0, 255);
    CPieFill(-100, 100, 100, -100, 100, 0, 0, 100, colorBlue, 1, FALSE).Draw(canvasPie.DC());
    CChordFill(-100, 100, 100, -100, 100, 0, 0, 100, colorBlue, 1, FALSE).Draw(canvasChord.DC());
    ExpectPixels(canvasPie, {{10, 10, kBlue, true, "next to the centre"},
                             {5, 60, kBlue, true, "inside the quarter"},
                             {60, 60, kBlue, true, "beyond the chord"},
                             {-10, -10, kWhiteRgb, true, "other quarter"},
                             {-30, 30, kWhiteRgb, true, "other quarter"},
                             {80, 80, kWhiteRgb, true, "outside the ellipse"}});
    ExpectPixels(canvasChord, {{10, 10, kBlue, false, "next to the centre"},
                               {5, 60, kBlue, false, "inside the quarter, before the chord"},
                               {60, 60, kBlue, true, "beyond the chord"},
                               {-10, -10, kWhiteRgb, true, "other quarter"},
                               {80, 80, kWhiteRgb, true, "outside the ellipse"}});
    EXPECT_GT(canvasPie.Count(kBlue), canvasChord.Count(kBlue) * 2);
}

TEST(FigArcs, filledPieAndChordFrameInTheirColourAndPutBackPenAndBrush)
{
    for (bool bPie : {true, false}) {
        SCOPED_TRACE(bPie ? "pie" : "chord");
        CShapeCanvas canvas;
        CDC* pDC = canvas.DC();
        CPen penThick(PS_SOLID, 60, RGB(255, 0, 0));
        CBrush brushRed;
        brushRed.CreateSolidBrush(RGB(255, 0, 0));
        pDC->SelectObject(&penThick);
        pDC->SelectObject(&brushRed);

        if (bPie)
            CPieFill(-100, 100, 100, -100, 100, 0, 0, 100, RGB(0, 0, 255), 3, TRUE).Draw(pDC);
        else
            CChordFill(-100, 100, 100, -100, 100, 0, 0, 100, RGB(0, 0, 255), 3, TRUE).Draw(pDC);
        EXPECT_EQ(canvas.Count(qRgb(255, 0, 0)), 0);
        EXPECT_GT(canvas.Count(qRgb(0, 0, 255)), 0);
        ExpectPixels(canvas, {{0, -60, kCrossRgb, true, "centre cross"}});

        CPen penProbe(PS_SOLID, 1, 0);
        CBrush brushProbe;
        brushProbe.CreateSolidBrush(0);
        EXPECT_EQ(pDC->SelectObject(&penProbe), &penThick);
        EXPECT_EQ(pDC->SelectObject(&brushProbe), &brushRed);
    }
}
