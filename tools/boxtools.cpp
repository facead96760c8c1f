// The one-drag shapes: rectangles, rounded rectangles, ellipses and radial
// circles, outlined or filled, and the concentric companion they share.
// P is the press point, Q where the preview was last drawn, M the move
// point and R the release point.
#include "view/mydrevikview.h"

#include "figures/figure.h"
#include "tools/shapegeometry.h"

#include <algorithm>
#include <cstdint>
#include <utility>

using shapegeom::Radius;
using shapegeom::SquareAround;

namespace {

// The box of the radial square through A, drawn as (P.x - r, P.y - r) to
// (P.x + r, P.y + r).
void SquareCorners(CPoint ptP, CPoint ptA, CPoint* pptLow, CPoint* pptHigh)
{
    const CRect rect = SquareAround(ptP, Radius(ptP, ptA));
    *pptLow = rect.TopLeft();
    *pptHigh = rect.BottomRight();
}

}  // namespace

// A horizontal or vertical drag has no area and makes nothing; with the
// radial toggle one displacement is enough for a square.
void CMyDrevikView::ReleaseRectangle(CDC* pDC, const CToolRelease& release)
{
    DrawPreviewBox(pDC, m_ptPrev);
    int dx = release.dx;
    int dy = release.dy;
    CPoint ptR = release.ptR;
    if (m_bRadial) {
        const int r = Radius(m_ptAnchor, m_ptPrev);
        shapegeom::RelaxRadialDeltas(dx, dy);
        const CPoint ptP = m_ptAnchor;
        m_ptAnchor = CPoint(figmath::Sub(ptP.x, r), figmath::Add(ptP.y, r));
        ptR = CPoint(figmath::Add(ptP.x, r), figmath::Sub(ptP.y, r));
    }
    if (dx == 0 || dy == 0)
        return;
    CommitWithCompanion(pDC, release, m_ptAnchor, ptR, true);
}

namespace {

// The rounded box P-A, or the rounded radial square; the corner of the
// last one drawn is remembered.
int DrawRoundBox(CMyDrevikView& view, CDC* pDC, CPoint ptA)
{
    const CPoint ptP = view.m_ptAnchor;
    if (!view.m_bRadial) {
        const int k = shapegeom::RoundCorner(ptP, ptA);
        view.DrawCentreMark(ptP.x, ptP.y, ptA.x, ptA.y, 0);
        pDC->RoundRect(ptP.x, ptP.y, ptA.x, ptA.y, k, k);
        return k;
    }
    const int r = Radius(ptP, ptA);
    const int k = int(2 * std::int64_t(r) / 3);
    const CRect rect = SquareAround(ptP, r);
    view.DrawCentreMark(rect.left, rect.top, rect.right, rect.bottom, 1);
    pDC->RoundRect(rect.left, rect.top, rect.right, rect.bottom, k, k);
    return k;
}

}  // namespace

void CMyDrevikView::PreviewRoundRect(CDC* pDC, CPoint ptM)
{
    DrawRoundBox(*this, pDC, m_ptPrev);
    m_nRoundCorner = DrawRoundBox(*this, pDC, ptM);
}

void CMyDrevikView::ReleaseRoundRect(CDC* pDC, const CToolRelease& release)
{
    m_nRoundCorner = DrawRoundBox(*this, pDC, m_ptPrev);
    int dx = release.dx;
    int dy = release.dy;
    CPoint ptA = m_ptAnchor;
    CPoint ptB = release.ptR;
    if (m_bRadial) {
        shapegeom::RelaxRadialDeltas(dx, dy);
        SquareCorners(m_ptAnchor, m_ptPrev, &ptA, &ptB);
    } else {
        m_nRoundCorner = shapegeom::RoundCorner(m_ptAnchor, release.ptR);
    }
    if (dx == 0 || dy == 0)
        return;
    CommitWithCompanion(pDC, release, ptA, ptB, true);
}

namespace {

void DrawEllipseBox(CMyDrevikView& view, CDC* pDC, CPoint ptA)
{
    const CPoint ptP = view.m_ptAnchor;
    view.DrawCentreMark(ptP.x, ptP.y, ptA.x, ptA.y, 0);
    pDC->Ellipse(ptP.x, ptP.y, ptA.x, ptA.y);
}

void DrawRadialCircle(CMyDrevikView& view, CDC* pDC, CPoint ptA)
{
    const CRect rect = SquareAround(view.m_ptAnchor, Radius(view.m_ptAnchor, ptA));
    view.DrawCentreMark(rect.left, rect.top, rect.right, rect.bottom, 1);
    pDC->Ellipse(rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

// The ellipse fills the dragged box whatever the radial toggle says.
void CMyDrevikView::PreviewEllipse(CDC* pDC, CPoint ptM)
{
    DrawEllipseBox(*this, pDC, m_ptPrev);
    DrawEllipseBox(*this, pDC, ptM);
}

void CMyDrevikView::ReleaseEllipse(CDC* pDC, const CToolRelease& release)
{
    DrawEllipseBox(*this, pDC, m_ptPrev);
    if (release.dx == 0 || release.dy == 0)
        return;
    CommitWithCompanion(pDC, release, m_ptAnchor, release.ptR, true);
}

void CMyDrevikView::PreviewRadialCircle(CDC* pDC, CPoint ptM)
{
    DrawRadialCircle(*this, pDC, m_ptPrev);
    DrawRadialCircle(*this, pDC, ptM);
}

// The radius is the one the last preview showed, so the circle is where
// the user saw it even if the button came up elsewhere.
void CMyDrevikView::ReleaseRadialCircle(CDC* pDC, const CToolRelease& release)
{
    DrawRadialCircle(*this, pDC, m_ptPrev);
    if (release.dx == 0 && release.dy == 0)
        return;
    CPoint ptA;
    CPoint ptB;
    SquareCorners(m_ptAnchor, m_ptPrev, &ptA, &ptB);
    CommitWithCompanion(pDC, release, ptA, ptB, false);
}

// The companion is the same kind of figure, its box grown on every side by
// the concentric offset (shrunk when that is negative), in the concentric
// colour and thickness or fill style. A radial circle's box is already
// ordered from its low corner, so growing it keeps it around P.
void CMyDrevikView::CommitWithCompanion(CDC* pDC, const CToolRelease& release, CPoint ptA, CPoint ptB,
                                        bool bNormalise)
{
    const CReleaseSettings& settings = release.settings;
    if (!settings.bConcentric) {
        CommitFigure(pDC, release.pfnMake(*this, ptA, ptB, settings), UINT(settings.nTool));
        return;
    }
    AddFirstOfPair(pDC, release.pfnMake(*this, ptA, ptB, settings));
    const int d = m_nConcentricOffset;
    if (bNormalise) {
        const CPoint ptLeftTop(std::min(ptA.x, ptB.x), std::max(ptA.y, ptB.y));
        const CPoint ptRightBottom(std::max(ptA.x, ptB.x), std::min(ptA.y, ptB.y));
        ptA = ptLeftTop;
        ptB = ptRightBottom;
    }
    const int nUp = bNormalise ? d : -d;
    using figmath::Add;
    using figmath::Sub;
    const CPoint ptGrownA(Sub(ptA.x, d), Add(ptA.y, nUp));
    const CPoint ptGrownB(Add(ptB.x, d), Sub(ptB.y, nUp));

    CReleaseSettings companion = settings;
    companion.nThickness = settings.nConcentricThickness;
    companion.nFillStyle = settings.nConcentricFillStyle;
    std::unique_ptr<CFigure> pCompanion = release.pfnMake(*this, ptGrownA, ptGrownB, companion);
    if (pCompanion)
        pCompanion->m_color = settings.colorConcentric;
    CommitFigure(pDC, std::move(pCompanion), UINT(settings.nTool));
}
