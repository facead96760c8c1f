// The box that a dragged shape fills: the rectangle from the press point to
// the pointer, or, with the radial toggle on, the square whose centre is
// the press point and whose half side reaches the pointer. Its centre
// cross is toggled together with it.
#include "view/mydrevikview.h"

#include "figures/figure.h"
#include "figures/figure_math.h"

#include <cmath>
#include <cstdint>

namespace {

// Half the side of the radial square through A: the distance from P to A,
// truncated.
int RadialHalfSide(CPoint ptP, CPoint ptA)
{
    const double dx = double(ptP.x) - ptA.x;
    const double dy = double(ptP.y) - ptA.y;
    return figmath::TruncToInt(std::sqrt(dx * dx + dy * dy));
}

}  // namespace

void CMyDrevikView::DrawPreviewBox(CDC* pDC, CPoint ptA)
{
    const CPoint ptP = m_ptAnchor;
    if (!m_bRadial) {
        if (m_bCentre)
            DrawCentreMark(ptP.x, ptP.y, ptA.x, ptA.y, 0);
        pDC->Rectangle(ptP.x, ptP.y, ptA.x, ptA.y);
        return;
    }
    using figmath::Add;
    using figmath::Sub;
    const int r = RadialHalfSide(ptP, ptA);
    if (m_bCentre)
        DrawCentreMark(Sub(ptP.x, r), Sub(ptP.y, r), Add(ptP.x, r), Add(ptP.y, r), 1);
    pDC->Rectangle(Sub(ptP.x, r), Sub(ptP.y, r), Add(ptP.x, r), Add(ptP.y, r));
}

void CMyDrevikView::PreviewBox(CDC* pDC, CPoint ptM)
{
    DrawPreviewBox(pDC, m_ptPrev);
    DrawPreviewBox(pDC, ptM);
}

// The box goes (its centre cross was never drawn for these tools), and the
// figure of the row fills P-R if the drag had width and height.
void CMyDrevikView::ReleaseBoxBoth(CDC* pDC, const CToolRelease& release)
{
    DrawPreviewBox(pDC, m_ptPrev);
    if (release.dx == 0 || release.dy == 0)
        return;
    CommitFigure(pDC, release.pfnMake(*this, m_ptAnchor, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}
