// The knuckle joint's sizes: the worked examples with their strength
// checks, the scaling to the canvas, and a joint whose pin outgrows its eye.
#include "knuckle/knucklejoint.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct DesignCase {
    std::string strName;
    KnuckleInput input;
    double dRod;
    // d1, d2, d3, d4, t, t1, t2, e6, e8, L1, L2 after the checks.
    int nSizes[11];
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const DesignCase& c, std::ostream* pStream)
{
    *pStream << c.strName;
}

int SizeAt(const KnuckleDimensions& k, int nIndex)
{
    const int nSizes[] = {k.m_nD1, k.m_nD2, k.m_nD3, k.m_nD4, k.m_nT, k.m_nT1,
                          k.m_nT2, k.m_nE6, k.m_nE8, k.m_nL1, k.m_nL2};
    return nSizes[nIndex];
}

class KnuckleDesign : public ::testing::TestWithParam<DesignCase> {};

} // namespace

TEST_P(KnuckleDesign, sizesFollowProportionsAndChecks)
{
    const DesignCase& c = GetParam();
    const KnuckleDimensions k = DesignKnuckleJoint(c.input);
    EXPECT_NEAR(k.m_dRod, c.dRod, 0.005);
    const char* const pszNames[] = {"d1", "d2", "d3", "d4", "t", "t1", "t2", "e6", "e8", "L1", "L2"};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(SizeAt(k, i), c.nSizes[i]) << pszNames[i];

    // On the canvas every size is 26 times as large, the rod 26.55844 times.
    const KnuckleDimensions scaled = ScaleKnuckleToCanvas(k);
    EXPECT_DOUBLE_EQ(scaled.m_dRod, k.m_dRod * 26.55844);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(SizeAt(scaled, i), 26 * c.nSizes[i]) << pszNames[i];
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, KnuckleDesign,
    ::testing::Values(
        // Every stress within its limit: the proportions stand.
        DesignCase{"fiftyKilonewtonsPassesEveryCheck", {50, 100, 100, 100}, 25.23,
                   {25, 50, 37, 30, 31, 18, 12, 15, 20, 100, 113}},
        // The pin fails in shear (101.86 > 50), d1 becomes 35; then the eye
        // in shear (215.05), d2 becomes T(100000 / (31 x 50) + 35) = 99.
        DesignCase{"pinAndEyeGrowInShear", {100, 200, 50, 200}, 25.23,
                   {35, 99, 37, 30, 31, 18, 12, 15, 20, 100, 113}},
        // The pin crushes (127.4 > 50): t becomes T(100000 / (25 x 50)) = 80.
        DesignCase{"eyeThickensAgainstCrushing", {100, 200, 200, 50}, 25.23,
                   {25, 50, 37, 30, 80, 18, 12, 15, 20, 100, 113}},
        // The pin grows to 79, past the eye's 50: the eye is rebuilt around
        // it, T(100000 / (31 x 10) + 79) = 401.
        DesignCase{"pinPastTheEyeRebuildsTheEye", {100, 200, 10, 200}, 25.23,
                   {79, 401, 37, 30, 31, 18, 12, 15, 20, 100, 113}},
        DesignCase{"smallestJoint", {10, 200, 200, 200}, 7.98, {7, 15, 11, 9, 9, 5, 3, 4, 6, 31, 35}},
        DesignCase{"largestJoint", {200, 10, 10, 10}, 159.58,
                   {159, 319, 239, 191, 199, 119, 79, 95, 127, 638, 718}}),
    [](const ::testing::TestParamInfo<DesignCase>& info) { return info.param.strName; });

// Whatever the input, the eye must be wider than the pin it carries and
// every part must carry the load with a positive area.
TEST(KnuckleDesignRange, eyeIsAlwaysWiderThanItsPin)
{
    const double dValues[] = {10, 12.5, 20, 37, 50, 80, 100, 150, 199.9, 200};
    for (double dLoad : dValues)
        for (double dTensile : dValues)
            for (double dShear : dValues)
                for (double dCrushing : {10.0, 100.0, 200.0}) {
                    const KnuckleDimensions k = DesignKnuckleJoint({dLoad, dTensile, dShear, dCrushing});
                    ASSERT_GT(k.m_nD2, k.m_nD1)
                        << "F " << dLoad << " Ft " << dTensile << " Fs " << dShear << " Fc " << dCrushing;
                    ASSERT_GT(k.m_nT, 0);
                    ASSERT_GT(k.m_nT1, 0);
                }
}
