// The flood fill tool: every click fills around the release point up to
// the colour of the last figures drawn, in the flood colour.
#include "view/mydrevikview.h"

#include "figures/figure.h"

void CMyDrevikView::ReleaseFloodFill(CDC* pDC, const CToolRelease& release)
{
    CommitFigure(pDC, release.pfnMake(*this, m_ptAnchor, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}
