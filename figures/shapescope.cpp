#include "figures/shapescope.h"

#include "figures/figure.h"
#include "figures/figure_math.h"
#include "figures/fillbrush.h"
#include "platform/dc.h"

// A selection that failed returned null and changed nothing, so only a
// real previous object is put back.

COutlineScope::COutlineScope(CDC* pDC, COLORREF color, int nThickness, int nPenStyle)
    : m_pDC(pDC)
{
    m_pen.CreatePen(nPenStyle, figmath::ThicknessToWidth(nThickness), color);
    m_pOldPen = m_pDC->SelectObject(&m_pen);
    m_pOldBrush = m_pDC->SelectStockObject(NULL_BRUSH);
}

COutlineScope::~COutlineScope()
{
    if (m_pOldBrush)
        m_pDC->SelectObject(m_pOldBrush);
    if (m_pOldPen)
        m_pDC->SelectObject(m_pOldPen);
    m_pen.DeleteObject();
}

CFillScope::CFillScope(CDC* pDC, CFigure* pFigure, int nFillStyle) : m_pDC(pDC)
{
    m_pen.CreatePen(PS_INSIDEFRAME, 1, pFigure->m_color);
    m_pOldPen = m_pDC->SelectObject(&m_pen);
    m_pDC->SetBkMode(TRANSPARENT);
    // The shape is filled from a brush of its own: other threads painting
    // the same figure may be storing theirs in the figure meanwhile.
    CBrush* pBrush = pFigure->m_brush.Get();
    if (CreateFillBrush(m_brush, nFillStyle, pFigure->m_color)) {
        pFigure->KeepFillBrush(m_brush);
        pBrush = &m_brush;
    }
    m_pOldBrush = m_pDC->SelectObject(pBrush);
}

CFillScope::~CFillScope()
{
    if (m_pOldBrush)
        m_pDC->SelectObject(m_pOldBrush);
    if (m_pOldPen)
        m_pDC->SelectObject(m_pOldPen);
    m_pen.DeleteObject();
}
