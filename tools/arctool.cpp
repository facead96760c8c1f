// The arc family: arc, chord, pie, filled chord and filled pie, in three
// clicks: drag the box, then click the start point and the end point.
// Between the clicks the box's ellipse and the start radius stay on the
// screen as guides; the preview is always an open arc.
#include "view/mydrevikview.h"

#include "figures/figure.h"

#include "tools/shapegeometry.h"

namespace {

void DrawSegment(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptTo);
}

void DrawArcTo(CDC* pDC, const CRect& rect, CPoint ptStart, CPoint ptEnd)
{
    pDC->Arc(rect.left, rect.top, rect.right, rect.bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

// The box P-A with its ellipse, or with the radial toggle the circle of
// radius r(A) around P; each with its centre cross.
void DrawArcBox(CMyDrevikView& view, CDC* pDC, CPoint ptA)
{
    const CPoint ptP = view.m_ptAnchor;
    if (!view.m_bRadial) {
        view.DrawCentreMark(ptP.x, ptP.y, ptA.x, ptA.y, 0);
        pDC->Rectangle(ptP.x, ptP.y, ptA.x, ptA.y);
        pDC->Ellipse(ptP.x, ptP.y, ptA.x, ptA.y);
        return;
    }
    const CRect rect = shapegeom::SquareAround(ptP, shapegeom::Radius(ptP, ptA));
    view.DrawCentreMark(rect.left, rect.top, rect.right, rect.bottom, 1);
    pDC->Ellipse(rect.left, rect.top, rect.right, rect.bottom);
}

// The ellipse of the box and its centre cross. A radial box is a square,
// so both cross rules agree on it.
void DrawBoxGuide(CMyDrevikView& view, CDC* pDC, const CRect& rect)
{
    view.DrawCentreMark(rect.left, rect.top, rect.right, rect.bottom, 0);
    pDC->Ellipse(rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

void CMyDrevikView::PreviewArc(CDC* pDC, CPoint ptM)
{
    const CPoint ptC = shapegeom::Centre(m_rectArc);
    switch (m_nArcStage) {
    case 0:
        DrawArcBox(*this, pDC, m_ptPrev);
        DrawArcBox(*this, pDC, ptM);
        return;
    case 1:
        // The radius from the centre follows the pointer; the one to the
        // press point, drawn by the first move, goes at the second.
        m_nMoveCount += 1;
        DrawSegment(pDC, ptC, m_ptPrev);
        DrawSegment(pDC, ptC, ptM);
        if (m_nMoveCount == 2)
            DrawSegment(pDC, ptC, m_ptAnchor);
        return;
    default:
        // At the second move the guides give way to the arc.
        m_nMoveCount += 1;
        if (m_nMoveCount == 2) {
            pDC->Ellipse(m_rectArc.left, m_rectArc.top, m_rectArc.right, m_rectArc.bottom);
            DrawSegment(pDC, ptC, m_ptAnchor);
            DrawSegment(pDC, ptC, m_ptArcStart);
            DrawArcTo(pDC, m_rectArc, m_ptArcStart, m_ptAnchor);
        }
        DrawSegment(pDC, ptC, m_ptPrev);
        DrawSegment(pDC, ptC, ptM);
        DrawArcTo(pDC, m_rectArc, m_ptArcStart, m_ptPrev);
        DrawArcTo(pDC, m_rectArc, m_ptArcStart, ptM);
        return;
    }
}

void CMyDrevikView::ReleaseArc(CDC* pDC, const CToolRelease& release)
{
    const CPoint ptC = shapegeom::Centre(m_rectArc);
    const int nMoves = release.nMoves;
    switch (m_nArcStage) {
    case 0: {
        // Nothing fixed yet; this release sets the box. A radial box needs
        // one displacement, any other both.
        DrawArcBox(*this, pDC, m_ptPrev);
        const bool bFlat = m_bRadial ? release.dx == 0 && release.dy == 0 : release.dx == 0 || release.dy == 0;
        if (bFlat)
            return;
        const CPoint ptP = m_ptAnchor;
        m_rectArc = m_bRadial ? shapegeom::SquareAround(ptP, shapegeom::Radius(ptP, m_ptPrev))
                              : CRect(ptP.x, ptP.y, release.ptR.x, release.ptR.y);
        DrawBoxGuide(*this, pDC, m_rectArc);
        m_nArcStage = 1;
        return;
    }
    case 1:
        // The box is set; this release fixes the start point, and its
        // radius stays as the guide.
        if (nMoves >= 1)
            DrawSegment(pDC, ptC, m_ptPrev);
        if (nMoves == 1)
            DrawSegment(pDC, ptC, m_ptAnchor);
        m_ptArcStart = release.ptR;
        DrawSegment(pDC, ptC, m_ptArcStart);
        m_nArcStage = 2;
        return;
    default:
        // Box and start point are set; this release fixes the end point.
        // Whatever the drag left of the guides and the arc goes first.
        if (nMoves >= 1) {
            DrawSegment(pDC, ptC, m_ptPrev);
            DrawArcTo(pDC, m_rectArc, m_ptArcStart, m_ptPrev);
        }
        if (nMoves <= 1) {
            pDC->Ellipse(m_rectArc.left, m_rectArc.top, m_rectArc.right, m_rectArc.bottom);
            DrawSegment(pDC, ptC, m_ptArcStart);
        }
        if (nMoves == 1) {
            DrawSegment(pDC, ptC, m_ptAnchor);
            DrawArcTo(pDC, m_rectArc, m_ptArcStart, m_ptAnchor);
        }
        DrawCentreMark(m_rectArc.left, m_rectArc.top, m_rectArc.right, m_rectArc.bottom, 0);
        m_ptArcEnd = release.ptR;
        m_nArcStage = 0;
        CommitWithCompanion(pDC, release, m_rectArc.TopLeft(), m_rectArc.BottomRight(), true);
        return;
    }
}
