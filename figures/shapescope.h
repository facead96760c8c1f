// The pen and brush of a closed shape, selected for the length of one Draw
// and put back when it ends. Outlined shapes draw with the figure's pen over
// an unpainted inside; filled shapes with a one-unit frame in the figure's
// colour over the figure's fill brush, the hatch gaps left see-through.
#pragma once

#include "platform/gdi.h"
#include "platform/types.h"

class CDC;
class CFigure;

class COutlineScope {
public:
    COutlineScope(CDC* pDC, COLORREF color, int nThickness, int nPenStyle);
    ~COutlineScope();
    COutlineScope(const COutlineScope&) = delete;
    COutlineScope& operator=(const COutlineScope&) = delete;

private:
    CDC* m_pDC;
    CPen m_pen;
    CPen* m_pOldPen = nullptr;
    CGdiObject* m_pOldBrush = nullptr;
};

class CFillScope {
public:
    // Rebuilds the figure's brush for nFillStyle first. A style that makes
    // no brush leaves the context's current brush to fill the shape.
    CFillScope(CDC* pDC, CFigure* pFigure, int nFillStyle);
    ~CFillScope();
    CFillScope(const CFillScope&) = delete;
    CFillScope& operator=(const CFillScope&) = delete;

private:
    CDC* m_pDC;
    CPen m_pen;
    CBrush m_brush;  // what is drawn with; the figure keeps a copy
    CPen* m_pOldPen = nullptr;
    CBrush* m_pOldBrush = nullptr;
};
