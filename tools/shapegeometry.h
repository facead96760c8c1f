// Small geometry the shape tools share: the radius from the press point,
// the square it spans, and the centre of a stored box.
#pragma once

#include "figures/figure_math.h"
#include "platform/types.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace shapegeom {

// The distance from ptP to ptA, truncated.
inline int Radius(CPoint ptP, CPoint ptA)
{
    const double dx = double(ptP.x) - ptA.x;
    const double dy = double(ptP.y) - ptA.y;
    return figmath::TruncToInt(std::sqrt(dx * dx + dy * dy));
}

// The square of half side r around ptP, lower corner first.
inline CRect SquareAround(CPoint ptP, int r)
{
    using figmath::Add;
    using figmath::Sub;
    return CRect(Sub(ptP.x, r), Sub(ptP.y, r), Add(ptP.x, r), Add(ptP.y, r));
}

// The centre of a box, each half truncated toward zero.
inline CPoint Centre(const CRect& rect)
{
    return CPoint(figmath::SaturateToInt(rect.left + rect.Width() / 2),
                  figmath::SaturateToInt(rect.top + rect.Height() / 2));
}

// A sixth of the sum of the box's sides: the corner of a rounded box.
inline int RoundCorner(CPoint ptP, CPoint ptA)
{
    const std::int64_t nSum = std::llabs(std::int64_t(ptA.x) - ptP.x) + std::llabs(std::int64_t(ptA.y) - ptP.y);
    return figmath::SaturateToInt(nSum / 6);
}

// A radial square needs only one of the two displacements: each one that
// is not zero stands in for the other.
inline void RelaxRadialDeltas(int& dx, int& dy)
{
    if (dx != 0)
        dy = dx;
    if (dy != 0)
        dx = dy;
}

}  // namespace shapegeom
