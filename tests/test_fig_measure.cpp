// Measured lines: arrowhead corners and label position, saturation, and the
// objects a drawing leaves selected.
#include "curvepixels.h"
#include "figures/measure.h"
#include "colortesting.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FigMeasure, arrowCornersAndLabelOfTheWorkedExample)
{
    const MeasureArrowCorners corners = GetMeasureArrowCorners(0, 0, 1000, 2000);
    EXPECT_EQ(corners.ptA, CPoint(223, 167));
    EXPECT_EQ(corners.ptB, CPoint(0, 279));
    EXPECT_EQ(corners.ptC, CPoint(1000, 1721));
    EXPECT_EQ(corners.ptD, CPoint(777, 1833));
    EXPECT_EQ(GetMeasureLabelOrigin(0, 0, 1000, 2000, 4), CPoint(220, 1160));
    // Drawn down-left the x values swap; the y middle runs from the first end.
    EXPECT_EQ(GetMeasureLabelOrigin(1000, 2000, 0, 0, 1), CPoint(430, 1160));
    EXPECT_EQ(GetMeasureLabelOrigin(-5, 0, 0, -3, 0), CPoint(-3, 159));
}

TEST(FigMeasure, zeroLengthLineAndHugeCoordinates)
{
    // atan2(0, 0) = 0: two triangles meeting tip to tip at the point.
    const MeasureArrowCorners corners = GetMeasureArrowCorners(500, -300, 500, -300);
    EXPECT_EQ(corners.ptA, CPoint(250, -175));
    EXPECT_EQ(corners.ptB, CPoint(250, -425));
    EXPECT_EQ(corners.ptC, CPoint(750, -175));
    EXPECT_EQ(corners.ptD, CPoint(750, -425));
    EXPECT_EQ(GetMeasureLabelOrigin(500, -300, 500, -300, 0), CPoint(500, -140));

    const MeasureArrowCorners far = GetMeasureArrowCorners(INT_MAX, INT_MIN, INT_MAX, INT_MIN);
    EXPECT_EQ(far.ptC, CPoint(INT_MAX, INT_MIN + 125));
    EXPECT_EQ(far.ptD, CPoint(INT_MAX, INT_MIN));
    EXPECT_EQ(GetMeasureLabelOrigin(INT_MIN, INT_MAX, INT_MIN, INT_MAX, 2'000'000'000),
              CPoint(INT_MIN, INT_MAX));
}

TEST(FigMeasure, drawingShowsTheArrowsAndLeavesThePreviousObjectsSelected)
{
    const QRgb kBlack = qRgb(0, 0, 0);
    CCurveCanvas canvas(801, 501, 400, 250);
    CPen penBefore(PS_SOLID, 1, RGB(0, 255, 0));
    CFont fontBefore;
    ASSERT_TRUE(fontBefore.CreateFont(100, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    canvas.DC()->SelectObject(&penBefore);
    canvas.DC()->SelectObject(&fontBefore);

    CMeasure(0, 0, 0, 0, 0, PS_SOLID, 1, QString()).Draw(canvas.DC());
    EXPECT_COLOR_EQ(canvas.At(-250, 120), kBlack) << "base of the first arrowhead";
    EXPECT_COLOR_EQ(canvas.At(250, -120), kBlack) << "base of the second arrowhead";
    EXPECT_COLOR_EQ(canvas.At(-200, 100), kBlack) << "side of the first arrowhead";
    EXPECT_COLOR_EQ(canvas.At(200, -100), kBlack) << "side of the second arrowhead";
    EXPECT_COLOR_NE(canvas.At(-125, 0), kBlack) << "inside the first arrowhead";
    EXPECT_COLOR_NE(canvas.At(-260, 0), kBlack) << "beyond the first arrowhead";
    EXPECT_EQ(canvas.DC()->GetBkMode(), TRANSPARENT);

    CPen penProbe(PS_SOLID, 1, 0);
    CFont fontProbe;
    ASSERT_TRUE(fontProbe.CreateFont(50, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    EXPECT_EQ(canvas.DC()->SelectObject(&penProbe), &penBefore);
    EXPECT_EQ(canvas.DC()->SelectObject(&fontProbe), &fontBefore);
}
