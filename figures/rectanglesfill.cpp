// The filled rectangle, rounded rectangle and ellipse.
#include "figures/rectangles.h"

#include "figures/shapescope.h"
#include "platform/dc.h"

IMPLEMENT_SERIAL(CRectFill, 3)
IMPLEMENT_SERIAL(CRectRoundFill, 3)
IMPLEMENT_SERIAL(CCircleFill, 3)

void CRectFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Rectangle(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}

void CRectRoundFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    m_nCorner = RoundCornerSize(m_x1, m_y1, m_x2, m_y2);
    pDC->RoundRect(m_x1, m_y1, m_x2, m_y2, m_nCorner, m_nCorner);
    DrawCentreCross(pDC);
}

void CCircleFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Ellipse(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}
