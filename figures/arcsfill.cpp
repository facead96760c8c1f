// The filled chord and pie.
#include "figures/arcs.h"

#include "figures/shapescope.h"
#include "platform/dc.h"

IMPLEMENT_SERIAL(CChordFill, 3)
IMPLEMENT_SERIAL(CPieFill, 3)

void CChordFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Chord(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

void CPieFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Pie(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}
