// The filled rectangle, rounded rectangle and ellipse.
#include "figures/rectangles.h"

#include "figures/shapescope.h"
#include "platform/dc.h"

#include <atomic>

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
    // Bands of one paint may draw this figure at once: the corner is
    // stored atomically and drawn from the local value.
    const int nCorner = RoundCornerSize(m_x1, m_y1, m_x2, m_y2);
    std::atomic_ref<int>(m_nCorner).store(nCorner, std::memory_order_relaxed);
    pDC->RoundRect(m_x1, m_y1, m_x2, m_y2, nCorner, nCorner);
    DrawCentreCross(pDC);
}

void CCircleFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Ellipse(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}
