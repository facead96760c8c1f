// CLine: the straight line between the two defining points.
#include "figures/line.h"

#include "figures/figure_math.h"
#include "platform/archive.h"
#include "platform/dc.h"

IMPLEMENT_SERIAL(CLine, 3)

CLine::CLine(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_color = color;
}

void CLine::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(m_nWidth) << std::int32_t(m_nPenStyle);
    } else {
        std::int32_t nWidth = 0, nPenStyle = 0;
        ar >> nWidth >> nPenStyle;
        m_nWidth = nWidth;
        m_nPenStyle = nPenStyle;
    }
}

void CLine::Draw(CDC* pDC)
{
    CPen pen;
    pen.CreatePen(m_nPenStyle, figmath::ThicknessToWidth(m_nWidth), m_color);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(m_x1, m_y1);
    pDC->LineTo(m_x2, m_y2);
    if (pOldPen)
        pDC->SelectObject(pOldPen);
}

std::unique_ptr<CFigure> CLine::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CLine>(Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx),
                                   Add(m_y2, offset.cy), m_color, m_nWidth, m_nPenStyle);
}

std::unique_ptr<CFigure> CLine::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CLine>(x1, y1, x2, y2, m_color, m_nWidth, m_nPenStyle);
}
