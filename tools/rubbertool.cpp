// The rubber: while its toggle is on, every drag paints a thick white line
// over the drawing. Nothing is taken out of the document, so undo brings
// back what the stroke covered.
#include "view/mydrevikview.h"

#include "figures/figure.h"

void CMyDrevikView::ReleaseRubber(CDC* pDC, const CToolRelease& release)
{
    pDC->MoveTo(m_ptAnchor);
    pDC->LineTo(m_ptPrev);
    m_bCentre = false;
    // Even a click without a move leaves its (empty) white line.
    CommitFigure(pDC, release.pfnMake(*this, m_ptAnchor, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}
