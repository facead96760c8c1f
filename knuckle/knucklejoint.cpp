#include "knuckle/knucklejoint.h"

#include <cmath>
#include <initializer_list>

namespace {

// 4 / 3.1415 and 2 / 3.1415: the joint is sized with this value of pi.
constexpr double kFourOverPi = 1.273277096928219;
constexpr double kTwoOverPi = 0.6366385484641095;

// Conversions from real numbers truncate toward zero.
int Trunc(double d)
{
    return int(d);
}

// The stress of a check is force over area. An area of zero or less means
// the part does not exist (a pin as wide as the eye around it), so the
// check fails and the size is recomputed by its own formula, which always
// gives a part that can carry the load.
bool IsOverstressed(double dForce, long long nArea, double dAllowed)
{
    return nArea <= 0 || dForce / double(nArea) > dAllowed;
}

void SetProportions(KnuckleDimensions& k, double d)
{
    k.m_dRod = d;
    k.m_nT1 = Trunc(0.75 * d);
    k.m_nT = Trunc(1.25 * d);
    k.m_nD4 = Trunc(1.2 * d);
    k.m_nD1 = Trunc(d);
    k.m_nD2 = Trunc(2 * d);
    k.m_nD3 = Trunc(1.5 * d);
    k.m_nE6 = Trunc(0.6 * d);
    k.m_nE8 = Trunc(0.8 * d);
    k.m_nL1 = Trunc(4 * d);
    k.m_nL2 = Trunc(4.5 * d);
    k.m_nT2 = Trunc(0.5 * d);
}

// The areas are integer products, as the sizes are whole millimetres; only
// the division is real.
void CheckStrength(KnuckleDimensions& k, double dF, const KnuckleInput& input)
{
    const double dTensile = input.m_dTensile;
    const double dShear = input.m_dShear;
    // The pin in double shear; the force carries the factor of its two sections.
    if (IsOverstressed(dF * kTwoOverPi, (long long)k.m_nD1 * k.m_nD1, dShear))
        k.m_nD1 = Trunc(std::sqrt(dF * kTwoOverPi / dShear));
    // The eye in shear, then in tension, across the ring beside the pin.
    if (IsOverstressed(dF, (long long)(k.m_nD2 - k.m_nD1) * k.m_nT, dShear))
        k.m_nD2 = Trunc(dF / (double(k.m_nT) * dShear) + k.m_nD1);
    if (IsOverstressed(dF, (long long)(k.m_nD2 - k.m_nD1) * k.m_nT, dTensile))
        k.m_nD2 = Trunc(dF / (double(k.m_nT) * dTensile) + k.m_nD1);
    // The pin crushing against the eye.
    if (IsOverstressed(dF, (long long)k.m_nD1 * k.m_nT, input.m_dCrushing))
        k.m_nT = Trunc(dF / (double(k.m_nD1) * input.m_dCrushing));
    // The two fork legs in shear, then in tension.
    if (IsOverstressed(dF, 2LL * (k.m_nD2 - k.m_nD1) * k.m_nT1, dShear))
        k.m_nT1 = Trunc(dF / (double(2LL * (k.m_nD2 - k.m_nD1)) * dShear));
    if (IsOverstressed(dF, 2LL * (k.m_nD2 - k.m_nD1) * k.m_nT1, dTensile))
        k.m_nT1 = Trunc(dF / (double(2LL * (k.m_nD2 - k.m_nD1)) * dTensile));
}

} // namespace

KnuckleDimensions DesignKnuckleJoint(const KnuckleInput& input)
{
    const double dF = input.m_dLoad * 1000.0;  // kN to N
    KnuckleDimensions k;
    SetProportions(k, std::sqrt(dF * kFourOverPi / input.m_dTensile));
    CheckStrength(k, dF, input);
    return k;
}

KnuckleDimensions ScaleKnuckleToCanvas(const KnuckleDimensions& dims)
{
    KnuckleDimensions k = dims;
    k.m_dRod = dims.m_dRod * 26.55844;
    for (int* pn : {&k.m_nD1, &k.m_nD2, &k.m_nD3, &k.m_nD4, &k.m_nT, &k.m_nT1, &k.m_nT2,
                    &k.m_nE6, &k.m_nE8, &k.m_nL1, &k.m_nL2})
        *pn *= 26;
    return k;
}
