// The slanted polygon in two clicks: drag the box, then click the point
// the box's far edge swings towards. The box stays on the screen as the
// guide between the clicks.
#include "view/mydrevikview.h"

#include "figures/figure.h"

#include "tools/shapegeometry.h"

namespace {

void DrawSegment(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptTo);
}

void DrawBox(CDC* pDC, const CRect& rect)
{
    pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

void CMyDrevikView::PreviewPolygon(CDC* pDC, CPoint ptM)
{
    const CPoint ptP = m_ptAnchor;
    switch (m_nPolygonStage) {
    case 0:
        DrawBox(pDC, CRect(ptP.x, ptP.y, m_ptPrev.x, m_ptPrev.y));
        DrawBox(pDC, CRect(ptP.x, ptP.y, ptM.x, ptM.y));
        return;
    default: {
        const CPoint ptC = shapegeom::Centre(m_rectPolygon);
        m_nMoveCount += 1;
        DrawSegment(pDC, ptC, m_ptPrev);
        DrawSegment(pDC, ptC, ptM);
        if (m_nMoveCount == 2)
            DrawSegment(pDC, ptC, ptP);
        return;
    }
    }
}

void CMyDrevikView::ReleasePolygon(CDC* pDC, const CToolRelease& release)
{
    const CPoint ptP = m_ptAnchor;
    switch (m_nPolygonStage) {
    case 0:
        // Nothing fixed yet; this release sets the box, even an empty one.
        DrawBox(pDC, CRect(ptP.x, ptP.y, m_ptPrev.x, m_ptPrev.y));
        m_rectPolygon = CRect(ptP.x, ptP.y, release.ptR.x, release.ptR.y);
        DrawBox(pDC, m_rectPolygon);
        m_nPolygonStage = 1;
        return;
    default: {
        // The box is set; this release gives the direction point.
        const CPoint ptC = shapegeom::Centre(m_rectPolygon);
        DrawBox(pDC, m_rectPolygon);
        if (release.nMoves >= 1)
            DrawSegment(pDC, ptC, m_ptPrev);
        if (release.nMoves == 1)
            DrawSegment(pDC, ptC, ptP);
        m_nPolygonStage = 0;
        CommitFigure(pDC, release.pfnMake(*this, ptP, release.ptR, release.settings),
                     UINT(release.settings.nTool));
        return;
    }
    }
}
