// Stamping a captured run of figures: a crosshair across the whole canvas
// marks where it will go, and the next left press adds a moved copy of
// every figure of the run.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "figures/figure.h"
#include "figures/figure_math.h"

#include <algorithm>
#include <cstdint>

namespace {

void DrawCrosshair(CDC* pDC, CPoint pt, CSize sizeCanvas)
{
    pDC->MoveTo(pt.x, 0);
    pDC->LineTo(pt.x, -sizeCanvas.cy);
    pDC->MoveTo(0, pt.y);
    pDC->LineTo(sizeCanvas.cx, pt.y);
}

std::int64_t SquaredDistance(CPoint pt)
{
    return std::int64_t(pt.x) * pt.x + std::int64_t(pt.y) * pt.y;
}

}  // namespace

// Inverted: the second draw of the last crosshair removes it.
void CMyDrevikView::MoveCrosshair(CDC* pDC, CPoint ptM)
{
    m_nMoveCount += 1;
    if (m_nMoveCount != 1)
        DrawCrosshair(pDC, m_ptPrev, m_sizeCanvas);
    DrawCrosshair(pDC, ptM, m_sizeCanvas);
    m_ptPrev = ptM;
}

// The run is placed so that its corner nearest the canvas origin lands on
// the press point. Figures of the run that a step back has hidden are left
// out: only what is drawn can be stamped, and a hidden figure's index may
// no longer hold it.
void CMyDrevikView::StampCapture(CPoint ptP)
{
    CMyDrevikDoc* pDoc = GetDocument();
    const int nEnd = std::min(m_nCaptureEnd, pDoc->GetVisibleCount());
    bool bFirst = true;
    for (int i = m_nCaptureFirst; i < nEnd; ++i) {
        const CFigure* pFigure = pDoc->GetFigure(i);
        if (!pFigure)
            continue;
        CRect rect = pFigure->GetPointRect();
        rect.NormalizeRect();
        const CPoint ptCorner(rect.left, rect.bottom);
        if (bFirst || SquaredDistance(ptCorner) < SquaredDistance(m_ptCaptureRef))
            m_ptCaptureRef = ptCorner;
        bFirst = false;
    }
    const CSize offset(figmath::Sub(ptP.x, m_ptCaptureRef.x), figmath::Sub(ptP.y, m_ptCaptureRef.y));
    // The copies go after the step pointer, above every index of the run.
    for (int i = m_nCaptureFirst; i < nEnd; ++i)
        if (const CFigure* pFigure = pDoc->GetFigure(i))
            pDoc->AddFigure(pFigure->CopyMoved(offset));
    m_bCaptureReady = false;
    m_nMoveCount = 0;
    pDoc->UpdateAllViews(nullptr);
}
