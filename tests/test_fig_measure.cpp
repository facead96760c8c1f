// Measured lines: arrowhead corners and label position, the objects a
// drawing leaves selected, the pen style of a loaded line, copies.
#include "curvepixels.h"
#include "figures/measure.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);

}  // namespace

TEST(FigMeasure, arrowCornersAndLabelOfTheWorkedExample)
{
    const MeasureArrowCorners corners = GetMeasureArrowCorners(0, 0, 1000, 2000);
    EXPECT_EQ(corners.ptA, CPoint(223, 167));
    EXPECT_EQ(corners.ptB, CPoint(0, 279));
    EXPECT_EQ(corners.ptC, CPoint(1000, 1721));
    EXPECT_EQ(corners.ptD, CPoint(777, 1833));
    EXPECT_EQ(GetMeasureLabelOrigin(0, 0, 1000, 2000, 4), CPoint(220, 1160));
}

TEST(FigMeasure, zeroLengthLineHasTwoTrianglesTipToTip)
{
    const MeasureArrowCorners corners = GetMeasureArrowCorners(500, -300, 500, -300);
    EXPECT_EQ(corners.ptA, CPoint(250, -175));
    EXPECT_EQ(corners.ptB, CPoint(250, -425));
    EXPECT_EQ(corners.ptC, CPoint(750, -175));
    EXPECT_EQ(corners.ptD, CPoint(750, -425));
    // An empty label starts right at the middle, 160 above it.
    EXPECT_EQ(GetMeasureLabelOrigin(500, -300, 500, -300, 0), CPoint(500, -140));
}

TEST(FigMeasure, labelMiddleSwapsXOnlyForALineDrawnDownLeft)
{
    // Down-left: x values swap, the middle is the same either way for x;
    // the y middle always runs from the first end.
    EXPECT_EQ(GetMeasureLabelOrigin(1000, 2000, 0, 0, 1), CPoint(430, 1160));
    // x2 < x1 but y2 > y1: no swap, the middle still lies half-way.
    EXPECT_EQ(GetMeasureLabelOrigin(1001, 0, 0, 2001, 0), CPoint(501, 1160));
    EXPECT_EQ(GetMeasureLabelOrigin(-5, 0, 0, -3, 0), CPoint(-3, 159));
}

TEST(FigMeasure, hugeCoordinatesSaturate)
{
    const MeasureArrowCorners corners = GetMeasureArrowCorners(INT_MAX, INT_MIN, INT_MAX, INT_MIN);
    EXPECT_EQ(corners.ptA, CPoint(INT_MAX - 250, INT_MIN + 125));
    EXPECT_EQ(corners.ptC, CPoint(INT_MAX, INT_MIN + 125));
    EXPECT_EQ(corners.ptD, CPoint(INT_MAX, INT_MIN));
    EXPECT_EQ(GetMeasureLabelOrigin(INT_MIN, INT_MAX, INT_MIN, INT_MAX, 2'000'000'000),
              CPoint(INT_MIN, INT_MAX));
    EXPECT_EQ(GetMeasureLabelOrigin(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 3), CPoint(-211, 159));
}

TEST(FigMeasure, drawingShowsTheArrowsAndLeavesThePreviousObjectsSelected)
{
    CCurveCanvas canvas(801, 501, 400, 250);
    CPen penBefore(PS_SOLID, 1, RGB(0, 255, 0));
    CFont fontBefore;
    ASSERT_TRUE(fontBefore.CreateFont(100, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    canvas.DC()->SelectObject(&penBefore);
    canvas.DC()->SelectObject(&fontBefore);

    // A zero-length line: both triangles have their far sides 250 from the
    // point, 250 long.
    CMeasure(0, 0, 0, 0, 0, PS_SOLID, 1, QString()).Draw(canvas.DC());
    ExpectCurvePixels(canvas, {{-250, 0, kBlack, true, "far side of the first arrowhead"},
                               {-250, 120, kBlack, true, "far side of the first arrowhead"},
                               {250, -120, kBlack, true, "far side of the second arrowhead"},
                               {-200, 100, kBlack, true, "edge of the first arrowhead"},
                               {200, 100, kBlack, true, "edge of the second arrowhead"},
                               {-125, 0, kBlack, false, "inside the first arrowhead"},
                               {-260, 0, kBlack, false, "beyond the first arrowhead"},
                               {0, 140, kBlack, false, "above the point"}});
    EXPECT_EQ(canvas.DC()->GetBkMode(), TRANSPARENT);

    CPen penProbe(PS_SOLID, 1, 0);
    CFont fontProbe;
    ASSERT_TRUE(fontProbe.CreateFont(50, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    EXPECT_EQ(canvas.DC()->SelectObject(&penProbe), &penBefore);
    EXPECT_EQ(canvas.DC()->SelectObject(&fontProbe), &fontBefore);
}

TEST(FigMeasure, labelIsDrawnInTheFigureColourLeftOfTheMiddle)
{
    CCurveCanvas canvas(1601, 801, 800, 400);
    CMeasure(-700, -300, 700, -300, RGB(0, 0, 255), PS_SOLID, 1, "MMMM").Draw(canvas.DC());
    // The label's cell starts at (-280, -140) and is 340 high; the line
    // runs through it at y = -300 and the arrowheads keep beyond |x| = 450.
    int nLabelInk = 0;
    int nLeftOfLabel = 0;
    int nAboveLabel = 0;
    for (const QPoint& pt : canvas.Inked()) {
        if (std::abs(pt.x()) >= 440 || std::abs(pt.y() + 300) <= 1)
            continue;
        ASSERT_EQ(canvas.At(pt.x(), pt.y()), qRgb(0, 0, 255)) << pt.x() << ", " << pt.y();
        nLabelInk += 1;
        nLeftOfLabel += pt.x() < -290;
        nAboveLabel += pt.y() > -140;
    }
    EXPECT_GT(nLabelInk, 500);
    EXPECT_EQ(nLeftOfLabel, 0);
    EXPECT_EQ(nAboveLabel, 0);
}

TEST(FigMeasure, loadedLineIsSolidAndKeepsTextAndWidth)
{
    const QByteArray bytes = QByteArray::fromHex(
        "64000000 38ffffff 2c010000 70feffff ff000000"   // the figure part
        "03 313233"                                       // "123"
        "01000000");                                      // width
    CArchive out;
    CMeasure(100, -200, 300, -400, 0xFF, PS_DOT, 1, "123").Serialize(out);
    EXPECT_EQ(out.GetBuffer().toHex(), bytes.toHex());

    CArchive in(bytes);
    CMeasure loaded;
    loaded.m_nPenStyle = PS_DASHDOT;
    loaded.Serialize(in);
    EXPECT_FALSE(in.IsBad());
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(loaded.m_nPenStyle, PS_SOLID);
    EXPECT_EQ(loaded.m_strText, "123");
    EXPECT_EQ(loaded.m_nWidth, 1);
    EXPECT_EQ(loaded.GetPointRect(), CRect(100, -200, 300, -400));

    // A text of 300 characters takes the three-byte length.
    CArchive outLong;
    CMeasure(0, 0, 0, 0, 0, PS_SOLID, 1, QString(300, 'x')).Serialize(outLong);
    EXPECT_EQ(outLong.GetBuffer().mid(20, 3).toHex(), QByteArray("ff2c01"));
}

TEST(FigMeasure, copyKeepsStyleWidthAndText)
{
    const CMeasure measure(1, 2, 3, 4, 0x00FF00, PS_DOT, 0, "abc");
    const auto pCopy = measure.CopyMoved(CSize(5, -5));
    const auto* pMeasure = dynamic_cast<const CMeasure*>(pCopy.get());
    ASSERT_NE(pMeasure, nullptr);
    EXPECT_EQ(pMeasure->GetPointRect(), CRect(6, -3, 8, -1));
    EXPECT_EQ(pMeasure->m_nPenStyle, PS_DOT);
    EXPECT_EQ(pMeasure->m_nWidth, 0);
    EXPECT_EQ(pMeasure->m_strText, "abc");
    EXPECT_EQ(pMeasure->m_color, 0x00FF00u);
    EXPECT_EQ(measure.CopyWithPoints(0, 0, 1, 1), nullptr);
}
