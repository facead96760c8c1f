// The hatches a brush becomes: a solid brush one solid hatch, a hatch
// brush its families of lines, and a pattern brush one hatch per colour of
// its tile, each pixel row of that colour a dashed line. White pixels of a
// tile are left to the paper.
#pragma once

#include "platform/dcsink.h"

#include <vector>

// One family of parallel lines, in millimetres: through (dBaseX, dBaseY)
// at dAngle degrees, the next one (dOffsetX, dOffsetY) away, dashes
// positive and gaps negative (none: a continuous line).
struct DxfPatternLine {
    double dAngle = 0;
    double dBaseX = 0, dBaseY = 0;
    double dOffsetX = 0, dOffsetY = 0;
    std::vector<double> vecDashes;
};

struct DxfHatchStyle {
    const char* pszName = "SOLID";
    COLORREF color = 0;
    bool bSolid = true;
    std::vector<DxfPatternLine> vecLines;
};

// dTileX, dTileY: where the surface's top-left pixel corner lies, in
// millimetres; tiles repeat from there. Empty for no brush.
std::vector<DxfHatchStyle> HatchStylesOf(const CDCSinkState& state, double dTileX, double dTileY);
