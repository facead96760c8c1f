// The filled chord and pie.
#include "figures/arcs.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapebase.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

IMPLEMENT_SERIAL(CChordFill, 3)
IMPLEMENT_SERIAL(CPieFill, 3)

// CChordFill

CChordFill::CChordFill(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
                       COLORREF color, int nFillStyle, BOOL bCentre)
    : m_nFillStyle(nFillStyle),
      m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CChordFill::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nFillStyle, m_bCentre);
}

void CChordFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Chord(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CChordFill::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CChordFill>(
        Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
        Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
        Add(m_yEnd, offset.cy), m_color, m_nFillStyle, m_bCentre);
}

void CChordFill::Transform(int nSumX, int nSumY, int nOp)
{
    CFigure::Transform(nSumX, nSumY, nOp);
    TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
}

// CPieFill

CPieFill::CPieFill(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
                   COLORREF color, int nFillStyle, BOOL bCentre)
    : m_nFillStyle(nFillStyle),
      m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CPieFill::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nFillStyle, m_bCentre);
}

void CPieFill::Draw(CDC* pDC)
{
    CFillScope scope(pDC, this, m_nFillStyle);
    pDC->Pie(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CPieFill::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CPieFill>(
        Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
        Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
        Add(m_yEnd, offset.cy), m_color, m_nFillStyle, m_bCentre);
}

void CPieFill::Transform(int nSumX, int nSumY, int nOp)
{
    CFigure::Transform(nSumX, nSumY, nOp);
    TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
}
