// The outlined rectangle, rounded rectangle and ellipse.
#include "figures/rectangles.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapebase.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

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

// CRectangle

CRectangle::CRectangle(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
                       int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CRectangle::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nWidth, m_bCentre, m_nPenStyle);
}

void CRectangle::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Rectangle(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CRectangle::CopyMoved(CSize offset) const
{
    return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                          figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
}

std::unique_ptr<CFigure> CRectangle::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CRectangle>(x1, y1, x2, y2, m_color, m_nWidth, m_bCentre, m_nPenStyle);
}

// CRectRound

CRectRound::CRectRound(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
                       int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CRectRound::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nWidth, m_bCentre, m_nPenStyle);
}

void CRectRound::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    m_nCorner = RoundCornerSize(m_x1, m_y1, m_x2, m_y2);
    pDC->RoundRect(m_x1, m_y1, m_x2, m_y2, m_nCorner, m_nCorner);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CRectRound::CopyMoved(CSize offset) const
{
    return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                          figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
}

std::unique_ptr<CFigure> CRectRound::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CRectRound>(x1, y1, x2, y2, m_color, m_nWidth, m_bCentre, m_nPenStyle);
}

// CCircle

CCircle::CCircle(int x1, int y1, int x2, int y2, COLORREF color, int nWidth, BOOL bCentre,
                 int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CCircle::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_nWidth, m_bCentre, m_nPenStyle);
}

void CCircle::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Ellipse(m_x1, m_y1, m_x2, m_y2);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CCircle::CopyMoved(CSize offset) const
{
    return CopyWithPoints(figmath::Add(m_x1, offset.cx), figmath::Add(m_y1, offset.cy),
                          figmath::Add(m_x2, offset.cx), figmath::Add(m_y2, offset.cy));
}

std::unique_ptr<CFigure> CCircle::CopyWithPoints(int x1, int y1, int x2, int y2) const
{
    return std::make_unique<CCircle>(x1, y1, x2, y2, m_color, m_nWidth, m_bCentre, m_nPenStyle);
}
