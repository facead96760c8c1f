// CFloodFill: a brush of its own for each fill, m_brush stays unused.
#include "figures/floodfill.h"

#include "figures/figure_math.h"
#include "figures/fillbrush.h"
#include "figures/recordfields.h"
#include "platform/archive.h"
#include "platform/dc.h"

IMPLEMENT_SERIAL(CFloodFill, 3)

CFloodFill::CFloodFill(int x1, int y1, int x2, int y2, COLORREF color, COLORREF colorFill,
                       int nFillStyle)
    : m_nFillStyle(nFillStyle), m_colorFill(colorFill)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
}

void CFloodFill::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nFillStyle);
    if (ar.IsStoring())
        ar << std::uint32_t(m_colorFill);
    else
        ar >> m_colorFill;
}

void CFloodFill::Draw(CDC* pDC)
{
    pDC->SetBkMode(TRANSPARENT);
    // A style outside 1 to 14 makes no brush: the fill then uses the
    // context's current one.
    CBrush brush;
    CBrush* pOldBrush = nullptr;
    if (CreateFillBrush(brush, m_nFillStyle, m_colorFill))
        pOldBrush = pDC->SelectObject(&brush);
    pDC->ExtFloodFill(m_x1, m_y1, m_color, FLOODFILLBORDER);
    if (pOldBrush)
        pDC->SelectObject(pOldBrush);
}

std::unique_ptr<CFigure> CFloodFill::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CFloodFill>(Add(m_x1, offset.cx), Add(m_y1, offset.cy),
                                        Add(m_x2, offset.cx), Add(m_y2, offset.cy), m_color,
                                        m_colorFill, m_nFillStyle);
}
