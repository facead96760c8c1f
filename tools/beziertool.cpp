// The Bezier curve in three clicks: drag from one end to the other, then
// click the two control points. The segment between the ends and the curve
// through the first control point stay on the screen as guides.
#include "view/mydrevikview.h"

#include "figures/figure.h"

namespace {

void DrawSegment(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptTo);
}

void DrawCurve(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, CPoint pt3)
{
    const CPoint pts[4] = {pt0, pt1, pt2, pt3};
    pDC->PolyBezier(pts, 4);
}

}  // namespace

void CMyDrevikView::PreviewBezier(CDC* pDC, CPoint ptM)
{
    const CPoint ptP0 = m_ptBezier[0];
    const CPoint ptP1 = m_ptBezier[1];
    const CPoint ptP3 = m_ptBezier[3];
    switch (m_nBezierStage) {
    case 0:
        DrawSegment(pDC, m_ptAnchor, m_ptPrev);
        DrawSegment(pDC, m_ptAnchor, ptM);
        return;
    case 1:
        // The curve bends towards the pointer; the one through the press
        // point, drawn by the first move, goes at the second.
        m_nMoveCount += 1;
        DrawCurve(pDC, ptP0, m_ptPrev, ptP0, ptP3);
        DrawCurve(pDC, ptP0, ptM, ptP0, ptP3);
        if (m_nMoveCount == 2)
            DrawCurve(pDC, ptP0, m_ptAnchor, ptP0, ptP3);
        return;
    default:
        m_nMoveCount += 1;
        DrawCurve(pDC, ptP0, ptP1, m_ptPrev, ptP3);
        DrawCurve(pDC, ptP0, ptP1, ptM, ptP3);
        if (m_nMoveCount == 2) {
            DrawSegment(pDC, ptP0, ptP3);
            DrawCurve(pDC, ptP0, ptP1, m_ptAnchor, ptP3);
            DrawCurve(pDC, ptP0, ptP1, ptP0, ptP3);
        }
        return;
    }
}

void CMyDrevikView::ReleaseBezier(CDC* pDC, const CToolRelease& release)
{
    CPoint* pt = m_ptBezier;
    const int nMoves = release.nMoves;
    switch (m_nBezierStage) {
    case 0:
        // Nothing fixed yet; this release sets the two ends, and the
        // segment between them stays as the guide.
        DrawSegment(pDC, m_ptAnchor, m_ptPrev);
        if (release.dx == 0 && release.dy == 0)
            return;
        pt[0] = m_ptAnchor;
        pt[3] = release.ptR;
        DrawSegment(pDC, pt[0], pt[3]);
        m_nBezierStage = 1;
        return;
    case 1:
        // The ends are set; this release fixes the first control point.
        if (nMoves >= 1)
            DrawCurve(pDC, pt[0], m_ptPrev, pt[0], pt[3]);
        if (nMoves == 1)
            DrawCurve(pDC, pt[0], m_ptAnchor, pt[0], pt[3]);
        pt[1] = release.ptR;
        DrawCurve(pDC, pt[0], pt[1], pt[0], pt[3]);
        m_nBezierStage = 2;
        return;
    default:
        // Ends and first control point are set; this release fixes the
        // second, and the guides and the last preview go.
        if (nMoves >= 1)
            DrawCurve(pDC, pt[0], pt[1], m_ptPrev, pt[3]);
        if (nMoves <= 1) {
            DrawSegment(pDC, pt[0], pt[3]);
            DrawCurve(pDC, pt[0], pt[1], pt[0], pt[3]);
        }
        if (nMoves == 1)
            DrawCurve(pDC, pt[0], pt[1], m_ptAnchor, pt[3]);
        pt[2] = release.ptR;
        m_nBezierStage = 0;
        CommitFigure(pDC, release.pfnMake(*this, pt[0], pt[3], release.settings), UINT(release.settings.nTool));
        return;
    }
}
