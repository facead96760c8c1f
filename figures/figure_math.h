// Arithmetic on stored coordinates. A damaged file can put any int32 in any
// field, so sums and products are formed in 64 bits or doubles and brought
// back into range by saturation; ordinary values give the exact results
// (truncation toward zero) that figures are specified with.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace figmath {

constexpr int SaturateToInt(std::int64_t n)
{
    if (n > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (n < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(n);
}

// Truncates toward zero, saturating; NaN gives 0.
inline int TruncToInt(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (d <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return int(d);
}

constexpr int Mirror(int nSum, int n) { return SaturateToInt(std::int64_t(nSum) - n); }
inline int ZoomIn(int n) { return TruncToInt(n * 1.25); }
inline int ZoomOut(int n) { return TruncToInt(n / 1.25); }
constexpr int Add(int a, int b) { return SaturateToInt(std::int64_t(a) + b); }
constexpr int Sub(int a, int b) { return SaturateToInt(std::int64_t(a) - b); }
// Half-way point a + (b - a) / 2 with the division truncating toward zero.
constexpr int Mid(int a, int b) { return SaturateToInt(a + (std::int64_t(b) - a) / 2); }
// Pen width of a thickness: n x 26 logical units.
constexpr int ThicknessToWidth(int nThickness) { return SaturateToInt(std::int64_t(nThickness) * 26); }

}  // namespace figmath
