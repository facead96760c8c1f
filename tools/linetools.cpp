// The line tools: straight, centric, parallel and end-connected lines, and
// free drawing. P is the press point, Q where the preview was last drawn,
// M the move point and R the release point.
#include "view/mydrevikview.h"

#include "view/drawingsettings.h"
#include "document/mydrevikdoc.h"
#include "figures/figure_math.h"
#include "figures/line.h"
#include "resources/resource.h"

#include <cmath>

namespace {

void DrawSegment(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptTo);
}

// Lines from a fixed start S: the first move redraws S-P, which is visible
// (unlike P-P), so the second move draws it once more to take it away. At
// the release the line to Q goes, and S-P too after a single move.
void PreviewFromFixedStart(CDC* pDC, CPoint ptS, CPoint ptP, CPoint ptQ, CPoint ptM, int nMoveCount)
{
    DrawSegment(pDC, ptS, ptQ);
    DrawSegment(pDC, ptS, ptM);
    if (nMoveCount == 2)
        DrawSegment(pDC, ptS, ptP);
}

void RemoveFromFixedStart(CDC* pDC, CPoint ptS, CPoint ptP, CPoint ptQ, int nMoves)
{
    if (nMoves >= 1)
        DrawSegment(pDC, ptS, ptQ);
    if (nMoves == 1)
        DrawSegment(pDC, ptS, ptP);
}

}  // namespace

void CMyDrevikView::PreviewSegment(CDC* pDC, CPoint ptM)
{
    m_nMoveCount += 1;
    DrawSegment(pDC, m_ptAnchor, m_ptPrev);
    DrawSegment(pDC, m_ptAnchor, ptM);
}

// The straight line, built unless the drag had no length at all.
void CMyDrevikView::ReleaseSegment(CDC* pDC, const CToolRelease& release)
{
    DrawSegment(pDC, m_ptAnchor, m_ptPrev);
    if (release.dx == 0 && release.dy == 0)
        return;
    CommitFigure(pDC, release.pfnMake(*this, m_ptAnchor, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}

void CMyDrevikView::PreviewFromCentre(CDC* pDC, CPoint ptM)
{
    if (m_nCentricState < 1)
        return;
    m_nMoveCount += 1;
    PreviewFromFixedStart(pDC, m_ptCentricCentre, m_ptAnchor, m_ptPrev, ptM, m_nMoveCount);
}

void CMyDrevikView::ReleaseCentric(CDC* pDC, const CToolRelease& release)
{
    switch (m_nCentricState) {
    case 0: {
        // Nothing chosen yet; this release fixes the centre and marks it
        // with a circle that stays until the next repaint.
        m_nCentricState = 1;
        m_ptCentricCentre = release.ptR;
        const CPoint& ptC = m_ptCentricCentre;
        pDC->Ellipse(ptC.x - 260, ptC.y - 260, ptC.x + 260, ptC.y + 260);
        return;
    }
    default:
        // The centre is set; every release draws one more line from it,
        // even a click that did not move.
        RemoveFromFixedStart(pDC, m_ptCentricCentre, m_ptAnchor, m_ptPrev, release.nMoves);
        m_nCentricState += 1;
        CommitFigure(pDC, release.pfnMake(*this, m_ptCentricCentre, release.ptR, release.settings),
                     UINT(release.settings.nTool));
        return;
    }
}

// The copy lies at the parallel offset on the right-hand side of the
// stroke from P to R; each offset component is truncated toward zero.
void CMyDrevikView::ReleaseParallel(CDC* pDC, const CToolRelease& release)
{
    const CPoint ptP = m_ptAnchor;
    const CPoint ptR = release.ptR;
    DrawSegment(pDC, ptP, m_ptPrev);
    if (release.dx == 0 && release.dy == 0)
        return;
    AddFirstOfPair(pDC, release.pfnMake(*this, ptP, ptR, release.settings));
    const double dTheta = std::atan2(double(ptP.y) - ptR.y, double(ptP.x) - ptR.x);
    const int nC = figmath::TruncToInt(std::cos(dTheta) * m_dParallelOffset);
    const int nS = figmath::TruncToInt(std::sin(dTheta) * m_dParallelOffset);
    using figmath::Add;
    using figmath::Sub;
    const CPoint ptFrom(Sub(ptP.x, nS), Add(ptP.y, nC));
    const CPoint ptTo(Sub(ptR.x, nS), Add(ptR.y, nC));
    CommitFigure(pDC, release.pfnMake(*this, ptFrom, ptTo, release.settings), UINT(release.settings.nTool));
}

void CMyDrevikView::PreviewFromChainEnd(CDC* pDC, CPoint ptM)
{
    if (m_nEndLineState < 1) {
        PreviewSegment(pDC, ptM);
        return;
    }
    m_nMoveCount += 1;
    PreviewFromFixedStart(pDC, m_ptEndLineStart, m_ptAnchor, m_ptPrev, ptM, m_nMoveCount);
}

void CMyDrevikView::ReleaseEndLine(CDC* pDC, const CToolRelease& release)
{
    switch (m_nEndLineState) {
    case 0:
        // No chain yet: its first line starts where this drag pressed.
        DrawSegment(pDC, m_ptAnchor, m_ptPrev);
        m_ptEndLineStart = m_ptAnchor;
        break;
    default:
        // The chain goes on from the end of its last line.
        RemoveFromFixedStart(pDC, m_ptEndLineStart, m_ptAnchor, m_ptPrev, release.nMoves);
        break;
    }
    m_nEndLineState += 1;
    const CPoint ptStart = m_ptEndLineStart;
    m_ptEndLineStart = release.ptR;
    CommitFigure(pDC, release.pfnMake(*this, ptStart, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}

// Free drawing adds a line for every grid step the pointer takes, in the
// application's current colour, thickness and pen; off the grid it adds
// nothing.
void CMyDrevikView::PreviewFreeDraw(CDC* pDC, CPoint ptM)
{
    if (!m_bSnap || ptM == m_ptPrev)
        return;
    const CDrawingSettings& settings = GetSettings();
    AddFirstOfPair(pDC, std::make_unique<CLine>(m_ptPrev.x, m_ptPrev.y, ptM.x, ptM.y, settings.m_colorLine,
                                                settings.m_nLineThickness, settings.m_nPenStyle));
    pDC->SetROP2(R2_NOT);
}
