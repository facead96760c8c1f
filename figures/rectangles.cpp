// The outlined rectangle, rounded rectangle and ellipse.
#include "figures/rectangles.h"

#include "figures/figure_math.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

#include <atomic>
#include <cstdlib>

IMPLEMENT_SERIAL(CRectangle, 3)
IMPLEMENT_SERIAL(CRectRound, 3)
IMPLEMENT_SERIAL(CCircle, 3)

int RoundCornerSize(int x1, int y1, int x2, int y2)
{
    // Side lengths in 64 bits: a damaged file may hold corners a whole int
    // range apart, and even then a sixth of the sum fits an int.
    const std::int64_t nSides =
        std::llabs(std::int64_t(y2) - y1) + std::llabs(std::int64_t(x2) - x1);
    return figmath::SaturateToInt(nSides / 6);
}

void CRectangle::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Rectangle(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}

void CRectRound::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    // Bands of one paint may draw this figure at once: the corner is
    // stored atomically and drawn from the local value.
    const int nCorner = RoundCornerSize(m_x1, m_y1, m_x2, m_y2);
    std::atomic_ref<int>(m_nCorner).store(nCorner, std::memory_order_relaxed);
    pDC->RoundRect(m_x1, m_y1, m_x2, m_y2, nCorner, nCorner);
    DrawCentreCross(pDC);
}

void CCircle::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Ellipse(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}
