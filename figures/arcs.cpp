// The outlined arc, chord and pie, and the transform of the points that
// steer every curve of the family.
#include "figures/arcs.h"

#include "figures/figure_math.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

#include <utility>

IMPLEMENT_SERIAL(CArc, 3)
IMPLEMENT_SERIAL(CChord, 3)
IMPLEMENT_SERIAL(CPie, 3)

void TransformArcEnds(int& xStart, int& yStart, int& xEnd, int& yEnd, int nSumX, int nSumY,
                      int nOp)
{
    switch (nOp) {
    case kMirrorX:
        std::swap(xStart, xEnd);
        std::swap(yStart, yEnd);
        xStart = figmath::Mirror(nSumX, xStart);
        xEnd = figmath::Mirror(nSumX, xEnd);
        break;
    case kMirrorY:
        std::swap(xStart, xEnd);
        std::swap(yStart, yEnd);
        yStart = figmath::Mirror(nSumY, yStart);
        yEnd = figmath::Mirror(nSumY, yEnd);
        break;
    case kZoomIn:
        for (int* pn : {&xStart, &yStart, &xEnd, &yEnd})
            *pn = figmath::ZoomIn(*pn);
        break;
    case kZoomOut:
        for (int* pn : {&xStart, &yStart, &xEnd, &yEnd})
            *pn = figmath::ZoomOut(*pn);
        break;
    default:
        break;
    }
}

void CArc::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Arc(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

void CChord::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Chord(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

void CPie::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Pie(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}
