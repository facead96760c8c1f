// The filled rectangle, rounded rectangle and ellipse.
#include "figures/rectangles.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapebase.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

IMPLEMENT_SERIAL(CRectFill, 3)
IMPLEMENT_SERIAL(CRectRoundFill, 3)
IMPLEMENT_SERIAL(CCircleFill, 3)

// CRectFill

CRectFill::CRectFill(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle, BOOL bCentre)
    : m_nFillStyle(nFillStyle)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CRectFill::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nFillStyle, m_bCentre);
}

void CRectFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Rectangle(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CRectFill::CopyMoved(CSize offset) const
{
    return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                          figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
}

std::unique_ptr<CFigure> CRectFill::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CRectFill>(x1, y1, x2, y2, m_color, m_nFillStyle, m_bCentre);
}

// CRectRoundFill

CRectRoundFill::CRectRoundFill(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle,
                               BOOL bCentre)
    : m_nFillStyle(nFillStyle)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CRectRoundFill::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nFillStyle, m_bCentre);
}

void CRectRoundFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    m_nCorner = RoundCornerSize(m_x1, m_y1, m_x2, m_y2);
    pDC->RoundRect(m_x1, m_y1, m_x2, m_y2, m_nCorner, m_nCorner);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CRectRoundFill::CopyMoved(CSize offset) const
{
    return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                          figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
}

std::unique_ptr<CFigure> CRectRoundFill::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CRectRoundFill>(x1, y1, x2, y2, m_color, m_nFillStyle, m_bCentre);
}

// CCircleFill

CCircleFill::CCircleFill(int x1, int y1, int x2, int y2, COLORREF color, int nFillStyle,
                         BOOL bCentre)
    : m_nFillStyle(nFillStyle)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CCircleFill::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nFillStyle, m_bCentre);
}

void CCircleFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Ellipse(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CCircleFill::CopyMoved(CSize offset) const
{
    return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                          figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
}

std::unique_ptr<CFigure> CCircleFill::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CCircleFill>(x1, y1, x2, y2, m_color, m_nFillStyle, m_bCentre);
}
