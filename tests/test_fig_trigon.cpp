// Thread curves: the wave's shape and phase, the vertical variant, the run
// of its parameter over the shown part of the surface, damaged records.
#include "curvepixels.h"
#include "figures/trigon.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);

// Where the wave crosses the line at the given distance along its axis, for
// a rectangle whose middle is dMid and half-size dHalf; K = 25 x pitch.
double WaveAt(double dAlong, double dMid, double dHalf, double dK = 250.0)
{
    return dMid + dHalf * std::cos(dAlong / dK);
}

std::int64_t PointsOfRun(const TrigonRun& run)
{
    return std::int64_t(std::ceil((run.dLast - run.dFirst) / run.dStep));
}

}  // namespace

TEST(FigTrigon, oneWavelengthAcrossTheRectangleStartsAtTheTop)
{
    // x 0 to 1571 at pitch 10 is one wavelength (2 pi x 250); y from -450
    // to -50, so the wave swings about -250 by 200.
    CCurveCanvas canvas(1600, 500, 0, 0);
    CTrigon(0, -50, 1571, -450, RGB(255, 0, 0), 10, FALSE).Draw(canvas.DC());
    const QRgb kRed = qRgb(255, 0, 0);

    ExpectCurvePixels(canvas, {{0, -50, kRed, true, "start at the top"},
                               {1571, -50, kRed, false, "past the rectangle"}});
    const std::vector<QPoint> inked = canvas.Inked();
    // One point every 1.25 units: t = 0, 0.005, ... below 6.284.
    EXPECT_EQ(inked.size(), 1257u);
    int nLast = 0;
    double dLowestX = 0;
    int nLowest = 0;
    for (const QPoint& pt : inked) {
        ASSERT_NEAR(pt.y(), WaveAt(pt.x(), -250, 200), 2.0) << "at x = " << pt.x();
        ASSERT_GE(pt.x(), 0);
        ASSERT_LE(pt.x(), 1570);
        nLast = std::max(nLast, pt.x());
        if (pt.y() == -449) {
            dLowestX += pt.x();
            ++nLowest;
        }
    }
    EXPECT_GE(nLast, 1569) << "the wave stops short of the right side";
    ASSERT_GT(nLowest, 0);
    EXPECT_NEAR(dLowestX / nLowest, 785, 3) << "the bottom comes half a wavelength in";
}

TEST(FigTrigon, verticalWaveRunsUpwardBetweenTheSides)
{
    CCurveCanvas canvas(500, 1600, 0, 10);
    CTrigon(450, -1571, 50, 0, RGB(0, 0, 255), 10, TRUE).Draw(canvas.DC());
    const std::vector<QPoint> inked = canvas.Inked();
    ASSERT_NEAR(double(inked.size()), 1257, 1);
    int nMinX = INT_MAX;
    int nMaxX = INT_MIN;
    for (const QPoint& pt : inked) {
        ASSERT_NEAR(pt.x(), WaveAt(pt.y(), 250, 200), 2.0) << "at y = " << pt.y();
        ASSERT_GE(pt.y(), -1571);
        ASSERT_LE(pt.y(), 0);
        nMinX = std::min(nMinX, pt.x());
        nMaxX = std::max(nMaxX, pt.x());
    }
    EXPECT_LE(nMinX, 51);
    EXPECT_GE(nMaxX, 449);
}

TEST(FigTrigon, runIsThePlainOneWhereTheWholeRectangleIsShown)
{
    const auto run = PlanTrigonRun(0, 1571, 250, -10, 2000, 1'000'000);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->dFirst, 0.0);
    EXPECT_EQ(run->dLast, 1571 / 250.0);
    EXPECT_EQ(run->dStep, 0.005);

    const auto negative = PlanTrigonRun(-1571, -100, 50, -20000, 0, 1'000'000);
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->dFirst, -1571 / 50.0);
    EXPECT_EQ(negative->dLast, -100 / 50.0);
}

TEST(FigTrigon, runKeepsToTheShownPartOnTheSameGrid)
{
    // Two thousand million units each way at pitch 1 would be 3.2e10 points.
    const auto run = PlanTrigonRun(-2e9, 2e9, 25, 0, 1000, 1'000'000);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->dStep, 0.005);
    EXPECT_LE(run->dFirst * 25, 1e-3);
    EXPECT_GT(run->dFirst * 25, -0.125 - 1e-6);
    const double dSteps = (run->dFirst - (-2e9 / 25)) / 0.005;
    EXPECT_NEAR(dSteps, std::round(dSteps), 1e-3) << "the first point is off the plain run's grid";
    EXPECT_EQ(run->dLast, 1000 / 25.0);
    EXPECT_LE(PointsOfRun(*run), 8001);

    EXPECT_FALSE(PlanTrigonRun(5000, 6000, 25, 0, 1000, 1'000'000)) << "wholly right of the surface";
    EXPECT_FALSE(PlanTrigonRun(-6000, -5000, 25, 0, 1000, 1'000'000)) << "wholly left of it";
}

TEST(FigTrigon, runNeverHasMorePointsThanTheSurfaceHasPixels)
{
    // A surface showing a huge logical range (a mapping of a million units
    // per pixel) steps coarser instead of plotting 8e10 points.
    const auto run = PlanTrigonRun(-1e9, 1e9, 25, -1e9, 1e9, 10'000);
    ASSERT_TRUE(run);
    EXPECT_LE(PointsOfRun(*run), 10'001);
    EXPECT_EQ(run->dFirst, -1e9 / 25);

    EXPECT_FALSE(PlanTrigonRun(0, 1000, 25, 0, 1000, 0)) << "a surface without pixels";
    EXPECT_FALSE(PlanTrigonRun(0, 1000, 0, 0, 1000, 100)) << "pitch 0";
    EXPECT_FALSE(PlanTrigonRun(0, 1000, -25, 0, 1000, 100)) << "negative pitch";
    EXPECT_FALSE(PlanTrigonRun(100, 100, 25, 0, 1000, 100)) << "no width";
}

TEST(FigTrigon, damagedRecordsDrawInBoundedTime)
{
    CCurveCanvas canvas(200, 200, 100, 100);
    for (int nPitch : {0, -1, INT_MIN}) {
        CTrigon(-90, -90, 90, 90, 0, nPitch, FALSE).Draw(canvas.DC());
        CTrigon(-90, -90, 90, 90, 0, nPitch, TRUE).Draw(canvas.DC());
    }
    EXPECT_EQ(canvas.Count(kBlack), 0);

    // The whole int range at pitch 1, both ways and at the largest pitch:
    // only the shown part of the run is stepped through.
    CTrigon(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1, FALSE).Draw(canvas.DC());
    CTrigon(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1, TRUE).Draw(canvas.DC());
    CTrigon(INT_MIN, -10, INT_MAX, 10, 0, INT_MAX, FALSE).Draw(canvas.DC());

    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dcCoarse(&image, 1e6);
    CTrigon(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1, FALSE).Draw(&dcCoarse);
    CTrigon(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1, TRUE).Draw(&dcCoarse);
}

TEST(FigTrigon, shownPartOfAHugeRectangleKeepsTheWavesPhase)
{
    // Amplitude 40 about y = 0 at pitch 1 (K = 25), the rectangle running
    // the whole int range in x: what shows is still 40 cos(x / 25).
    CCurveCanvas canvas(201, 101, 100, 50);
    CTrigon(INT_MIN, -40, INT_MAX, 40, 0, 1, FALSE).Draw(canvas.DC());
    const std::vector<QPoint> inked = canvas.Inked();
    ASSERT_GT(inked.size(), 190u);
    for (const QPoint& pt : inked)
        ASSERT_NEAR(pt.y(), WaveAt(pt.x(), 0, 40, 25), 3.0) << "at x = " << pt.x();
}

TEST(FigTrigon, copyAndRecord)
{
    const CTrigon trigon(1, 2, 3, 4, 0x010203, 7, TRUE);
    const auto pCopy = trigon.CopyMoved(CSize(INT_MAX, -5));
    const auto* pTrigon = dynamic_cast<const CTrigon*>(pCopy.get());
    ASSERT_NE(pTrigon, nullptr);
    EXPECT_EQ(pTrigon->GetPointRect(), CRect(INT_MAX, -3, INT_MAX, -1));
    EXPECT_EQ(pTrigon->m_nPitch, 7);
    EXPECT_EQ(pTrigon->m_bVertical, TRUE);
    EXPECT_EQ(pTrigon->m_color, 0x010203u);

    const QByteArray bytes = QByteArray::fromHex(
        "01000000 02000000 03000000 04000000 03020100"   // the figure part
        "07000000 01000000");                            // pitch, vertical
    CArchive out;
    CTrigon(trigon).Serialize(out);
    EXPECT_EQ(out.GetBuffer().toHex(), bytes.toHex());

    CArchive in(bytes);
    CTrigon loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.BytesLeft(), 0);
    EXPECT_EQ(loaded.m_nPitch, 7);
    EXPECT_EQ(loaded.m_bVertical, 1);
}
