// The outlined arc, chord and pie, and the transform of the points that
// steer every curve of the family.
#include "figures/arcs.h"

#include "figures/figure_math.h"
#include "figures/recordfields.h"
#include "figures/shapebase.h"
#include "figures/shapescope.h"
#include "platform/dc.h"

#include <utility>

IMPLEMENT_SERIAL(CArc, 3)
IMPLEMENT_SERIAL(CChord, 3)
IMPLEMENT_SERIAL(CPie, 3)

void TransformArcEnds(int& xStart, int& yStart, int& xEnd, int& yEnd, int nSumX, int nSumY,
                      int nOp)
{
    switch (nOp) {
    case 0:
        std::swap(xStart, xEnd);
        std::swap(yStart, yEnd);
        xStart = figmath::Mirror(nSumX, xStart);
        xEnd = figmath::Mirror(nSumX, xEnd);
        break;
    case 1:
        std::swap(xStart, xEnd);
        std::swap(yStart, yEnd);
        yStart = figmath::Mirror(nSumY, yStart);
        yEnd = figmath::Mirror(nSumY, yEnd);
        break;
    case 2:
        for (int* pn : {&xStart, &yStart, &xEnd, &yEnd})
            *pn = figmath::ZoomIn(*pn);
        break;
    case 3:
        for (int* pn : {&xStart, &yStart, &xEnd, &yEnd})
            *pn = figmath::ZoomOut(*pn);
        break;
    default:
        break;
    }
}

// CArc

CArc::CArc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
           COLORREF color, int nWidth, BOOL bCentre, int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle),
      m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CArc::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nWidth, m_bCentre, m_nPenStyle);
}

void CArc::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Arc(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CArc::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CArc>(
        Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
        Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
        Add(m_yEnd, offset.cy), m_color, m_nWidth, m_bCentre, m_nPenStyle);
}

void CArc::Transform(int nSumX, int nSumY, int nOp)
{
    CFigure::Transform(nSumX, nSumY, nOp);
    TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
}

// CChord

CChord::CChord(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
               COLORREF color, int nWidth, BOOL bCentre, int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle),
      m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CChord::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nWidth, m_bCentre, m_nPenStyle);
}

void CChord::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Chord(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CChord::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CChord>(
        Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
        Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
        Add(m_yEnd, offset.cy), m_color, m_nWidth, m_bCentre, m_nPenStyle);
}

void CChord::Transform(int nSumX, int nSumY, int nOp)
{
    CFigure::Transform(nSumX, nSumY, nOp);
    TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
}

// CPie

CPie::CPie(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd,
           COLORREF color, int nWidth, BOOL bCentre, int nPenStyle)
    : m_nWidth(nWidth), m_nPenStyle(nPenStyle),
      m_xStart(xStart), m_yStart(yStart), m_xEnd(xEnd), m_yEnd(yEnd)
{
    SetShapeBase(*this, x1, y1, x2, y2, color, bCentre);
}

void CPie::Serialize(CArchive& ar)
{
    CFigure::Serialize(ar);
    SerializeInt32Fields(ar, m_xStart, m_yStart, m_xEnd, m_yEnd, m_nWidth, m_bCentre, m_nPenStyle);
}

void CPie::Draw(CDC* pDC)
{
    COutlineScope scope(pDC, m_color, m_nWidth, m_nPenStyle);
    pDC->Pie(m_x1, m_y1, m_x2, m_y2, m_xStart, m_yStart, m_xEnd, m_yEnd);
    DrawCentreCross(pDC);
}

std::unique_ptr<CFigure> CPie::CopyMoved(CSize offset) const
{
    using figmath::Add;
    return std::make_unique<CPie>(
        Add(m_x1, offset.cx), Add(m_y1, offset.cy), Add(m_x2, offset.cx), Add(m_y2, offset.cy),
        Add(m_xStart, offset.cx), Add(m_yStart, offset.cy), Add(m_xEnd, offset.cx),
        Add(m_yEnd, offset.cy), m_color, m_nWidth, m_bCentre, m_nPenStyle);
}

void CPie::Transform(int nSumX, int nSumY, int nOp)
{
    CFigure::Transform(nSumX, nSumY, nOp);
    TransformArcEnds(m_xStart, m_yStart, m_xEnd, m_yEnd, nSumX, nSumY, nOp);
}
