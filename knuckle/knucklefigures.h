// The drawing of a knuckle joint: 56 figures (lines, one rectangle, two
// circles and arcs) in a fixed order, the eye rod to the left of the pin
// and the fork rod to the right.
#pragma once

#include "figures/figure.h"
#include "knuckle/knucklejoint.h"
#include "platform/types.h"

#include <memory>
#include <vector>

constexpr int kKnuckleFigureCount = 56;

// Where the designer puts the joint's centre on the canvas.
inline constexpr CPoint kKnuckleCentre{8000, -4500};

// The figures of a joint already scaled to the canvas, centred at ptCentre.
std::vector<std::unique_ptr<CFigure>> MakeKnuckleFigures(const KnuckleDimensions& scaled,
                                                         CPoint ptCentre);
