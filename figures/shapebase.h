// The CFigure part of a closed shape, set from the first constructor
// arguments that all rectangles, ellipses, arcs, chords and pies share.
#pragma once

#include "figures/figure.h"

inline void SetShapeBase(CFigure& figure, int x1, int y1, int x2, int y2, COLORREF color,
                         BOOL bCentre)
{
    figure.m_x1 = x1;
    figure.m_y1 = y1;
    figure.m_x2 = x2;
    figure.m_y2 = y2;
    figure.m_color = color;
    figure.m_bCentre = bCentre;
}
