// Drag and paste with the mouse: a press on an end point picks a figure
// up, the drag shows where it goes, and the release drops a moved copy or,
// in resize and rotate mode, a copy whose grabbed end point has moved.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "figures/figure.h"
#include "figures/figure_math.h"

// The oldest visible figure wins where end points overlap. A press that
// hits nothing goes on as the press of the current tool.
void CMyDrevikView::SearchHit(CPoint ptP)
{
    // A drag that ended with the mode turned off kept its figure.
    m_bHit = false;
    CMyDrevikDoc* pDoc = GetDocument();
    const int nVisible = pDoc->GetVisibleCount();
    for (int i = 0; i < nVisible; ++i) {
        CFigure* pFigure = pDoc->GetFigure(i);
        if (!pFigure || !pFigure->HitEndPoint(ptP.x, ptP.y))
            continue;
        m_pHitFigure = pFigure;
        m_ptHandle = m_bResizeRotate ? pFigure->OppositeEndPoint(ptP.x, ptP.y)
                                     : pFigure->SnapEndPoint(ptP.x, ptP.y);
        m_bHit = true;
        m_nHitIndex = i;
        return;
    }
}

// The picked-up figure, if it is still where the press found it: Undo or
// Delete All from the keyboard during the drag may have removed it.
CFigure* CMyDrevikView::GetHitFigure()
{
    CMyDrevikDoc* pDoc = GetDocument();
    if (!m_bHit || m_nHitIndex >= pDoc->GetVisibleCount())
        return nullptr;
    CFigure* pFigure = pDoc->GetFigure(m_nHitIndex);
    return pFigure == m_pHitFigure ? pFigure : nullptr;
}

// Drawn inverted for the cursor and again for the last point, which takes
// the last one away. A figure that cannot be resized shows nothing.
void CMyDrevikView::PreviewDrag(CDC* pDC, CPoint ptM)
{
    CFigure* pFigure = GetHitFigure();
    if (!pFigure)
        return;
    if (m_bResizeRotate) {
        for (const CPoint& pt : {ptM, m_ptPrev})
            if (auto pTemp = pFigure->CopyWithPoints(pt.x, pt.y, m_ptHandle.x, m_ptHandle.y))
                pTemp->Draw(pDC);
        return;
    }
    pFigure->DrawMovedOutline(pDC, ptM.x, ptM.y, m_ptHandle.x, m_ptHandle.y);
    pFigure->DrawMovedOutline(pDC, m_ptPrev.x, m_ptPrev.y, m_ptHandle.x, m_ptHandle.y);
}

// The new figure becomes the newest visible step. There is no zero-length
// test: a drop where the press was still moves the figure to the top (cut,
// resize) or doubles it (paste). Without a new figure nothing is removed.
void CMyDrevikView::DropFigure(CPoint ptR)
{
    CFigure* pFigure = GetHitFigure();
    m_bHit = false;
    CMyDrevikDoc* pDoc = GetDocument();
    if (pFigure) {
        std::unique_ptr<CFigure> pNew;
        if (m_bResizeRotate) {
            pNew = pFigure->CopyWithPoints(ptR.x, ptR.y, m_ptHandle.x, m_ptHandle.y);
        } else {
            const CSize offset(figmath::Sub(ptR.x, m_ptHandle.x), figmath::Sub(ptR.y, m_ptHandle.y));
            pNew = pFigure->CopyMoved(offset);
        }
        if (pNew) {
            if (m_bResizeRotate || m_bCutMode)
                pDoc->RemoveFigureAt(m_nHitIndex);
            pDoc->AddFigure(std::move(pNew));
        }
    }
    pDoc->UpdateAllViews(nullptr);
}
