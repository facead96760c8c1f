// Thread curves: the wave's shape and phase both ways, the run of its
// parameter over the shown part of a surface, damaged records.
#include "curvepixels.h"
#include "figures/trigon.h"
#include "colortesting.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

// Where the wave crosses the line at dAlong along its axis, for a rectangle
// whose middle is dMid and half-size dHalf; K = 25 x pitch.
double WaveAt(double dAlong, double dMid, double dHalf, double dK = 250.0)
{
    return dMid + dHalf * std::cos(dAlong / dK);
}

const QRgb kRed = qRgb(255, 0, 0);

}  // namespace

// x 0 to 1571 at pitch 10 is one wavelength (2 pi x 250), y -450 to -50
// swings the wave about -250 by 200, starting at the top (cos 0 = 1). The
// vertical wave runs up over the mirror rectangle, swinging about x = 250.
class FigTrigonWave : public ::testing::TestWithParam<bool> {};

TEST_P(FigTrigonWave, oneWavelengthAcrossTheRectangle)
{
    const bool bVertical = GetParam();
    CCurveCanvas canvas(bVertical ? 500 : 1600, bVertical ? 1600 : 500, 0, bVertical ? 1580 : 0);
    if (bVertical)
        CTrigon(450, 0, 50, 1571, RGB(255, 0, 0), 10, TRUE).Draw(canvas.DC());
    else
        CTrigon(0, -50, 1571, -450, RGB(255, 0, 0), 10, FALSE).Draw(canvas.DC());
    const std::vector<QPoint> inked = canvas.Inked();
    EXPECT_EQ(inked.size(), 1257u) << "one point per 1.25 units: t = 0, 0.005, ... below 6.284";
    int nMinAcross = INT_MAX, nMaxAcross = INT_MIN, nLastAlong = 0;
    for (const QPoint& pt : inked) {
        const int nAlong = bVertical ? pt.y() : pt.x();
        const int nAcross = bVertical ? pt.x() : pt.y();
        ASSERT_NEAR(nAcross, WaveAt(nAlong, bVertical ? 250 : -250, 200), 2.0) << "at " << nAlong;
        ASSERT_TRUE(nAlong >= 0 && nAlong <= 1570) << "outside the rectangle at " << nAlong;
        nMinAcross = std::min(nMinAcross, nAcross);
        nMaxAcross = std::max(nMaxAcross, nAcross);
        nLastAlong = std::max(nLastAlong, nAlong);
    }
    EXPECT_COLOR_EQ(bVertical ? canvas.At(450, 0) : canvas.At(0, -50), kRed) << "the wave starts at its crest";
    EXPECT_NEAR(nMaxAcross - nMinAcross, 400, 1) << "the wave touches both sides";
    EXPECT_GE(nLastAlong, 1569) << "the wave stops short of the far side";
}

INSTANTIATE_TEST_SUITE_P(BothWays, FigTrigonWave, ::testing::Values(false, true));

TEST(FigTrigon, runKeepsToTheShownPartAndTheSurfacesPixels)
{
    // Wholly shown: the plain run.
    const auto plain = PlanTrigonRun(0, 1571, 250, -10, 2000, 1'000'000);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->dFirst, 0.0);
    EXPECT_EQ(plain->dLast, 1571 / 250.0);
    EXPECT_EQ(plain->dStep, 0.005);

    // 4e9 units at pitch 1 would be 3.2e10 points; 0 to 1000 is shown, and
    // the run starts there, on the plain run's grid.
    const auto clipped = PlanTrigonRun(-2e9, 2e9, 25, 0, 1000, 1'000'000);
    ASSERT_TRUE(clipped);
    EXPECT_NEAR(clipped->dFirst * 25, -0.0625, 0.063);
    EXPECT_EQ(clipped->dLast, 1000 / 25.0);
    EXPECT_EQ(clipped->dStep, 0.005);

    // A surface showing a huge range steps coarser, never past its pixels.
    const auto coarse = PlanTrigonRun(-1e9, 1e9, 25, -1e9, 1e9, 10'000);
    ASSERT_TRUE(coarse);
    EXPECT_LE((coarse->dLast - coarse->dFirst) / coarse->dStep, 10'001.0);

    EXPECT_FALSE(PlanTrigonRun(5000, 6000, 25, 0, 1000, 1'000'000)) << "right of the surface";
    EXPECT_FALSE(PlanTrigonRun(-6000, -5000, 25, 0, 1000, 1'000'000)) << "left of the surface";
    EXPECT_FALSE(PlanTrigonRun(0, 1000, 25, 0, 1000, 0)) << "a surface without pixels";
    EXPECT_FALSE(PlanTrigonRun(0, 1000, 0, 0, 1000, 100)) << "pitch 0";
}

TEST(FigTrigon, damagedRecordsDrawInBoundedTime)
{
    CCurveCanvas canvas(201, 101, 100, 50);
    for (int nPitch : {0, -1, INT_MIN})
        for (BOOL bVertical : {FALSE, TRUE})
            CTrigon(-90, -40, 90, 40, 0, nPitch, bVertical).Draw(canvas.DC());
    EXPECT_TRUE(canvas.Inked().empty());

    CTrigon(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1, TRUE).Draw(canvas.DC());
    CTrigon(INT_MIN, -10, INT_MAX, 10, 0, INT_MAX, FALSE).Draw(canvas.DC());
    QImage image(100, 100, QImage::Format_RGB32);
    CDC dcCoarse(&image, 1e6);
    CTrigon(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1, FALSE).Draw(&dcCoarse);

    // Amplitude 40 about y = 0 at pitch 1 over the whole int range in x:
    // the shown part is still 40 cos(x / 25).
    CCurveCanvas wide(201, 101, 100, 50);
    CTrigon(INT_MIN, -40, INT_MAX, 40, 0, 1, FALSE).Draw(wide.DC());
    const std::vector<QPoint> inked = wide.Inked();
    ASSERT_GT(inked.size(), 190u);
    for (const QPoint& pt : inked)
        ASSERT_NEAR(pt.y(), WaveAt(pt.x(), 0, 40, 25), 3.0) << "at x = " << pt.x();
}
