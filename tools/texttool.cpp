// The text tool: the dragged box, then the " Add Your Text ..." dialog of
// the application; its text goes into a text figure at the press point.
#include "view/mydrevikview.h"

#include "figures/figure.h"

void CMyDrevikView::ReleaseText(CDC* pDC, const CToolRelease& release)
{
    DrawPreviewBox(pDC, m_ptPrev);
    // The box is gone from the screen before the dialog covers it.
    ShowSurfaceRect(pDC->GetTouchedRect());
    pDC->ResetTouchedRect();
    m_pTextDlg->DoModal(this);
    if (!m_pTextDlg->m_bAccepted)
        return;
    // Even a click without a drag places a text.
    CommitFigure(pDC, release.pfnMake(*this, m_ptAnchor, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}
