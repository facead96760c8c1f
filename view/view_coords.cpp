// The view's coordinate system: logical units of 0.01 mm over the canvas
// surface, mouse positions to logical points, snapping and display units.
#include "view/mydrevikview.h"

#include "figures/figure_math.h"

#include <QScrollBar>

#include <cmath>
#include <cstdint>

namespace {

struct UnitFactor {
    int nUnits;
    double dFactor;
};

// Unit codes of the Units menu and the factor each applies to logical units.
constexpr UnitFactor kUnitFactors[] = {
    {2, 1.0},                    // High Metric, 0.01 mm
    {-2, 0.1},                   // Low Metric, 0.1 mm
    {1, 0.3941320293398533},     // High English, 0.001 inch
    {-1, 0.03960880195599022},   // Low English, 0.01 inch
    {4, 0.5677261613691932},     // Twips, 1/1440 inch
    {3, 0.03765281173594132},    // Screen Pixels, 26.55844 units
};

// Snapping of x: the nearest multiple on the canvas, the larger one when
// half-way; left of the canvas the remainder is simply dropped.
int SnapX(int x, int nSpacing)
{
    if (nSpacing <= 0)
        return x;
    const std::int64_t nRest = x % nSpacing;
    if (nRest == 0)
        return x;
    if (nRest < nSpacing / 2)
        return figmath::SaturateToInt(x - nRest);
    return figmath::SaturateToInt(x + (nSpacing - nRest));
}

// Snapping of y (negative on the canvas): the nearest multiple, the one
// nearer zero when half-way; above the canvas the remainder is dropped.
int SnapY(int y, int nSpacing)
{
    if (nSpacing <= 0)
        return y;
    const std::int64_t nRest = y % nSpacing;
    if (nRest == 0)
        return y;
    if (-nRest > nSpacing / 2)
        return figmath::SaturateToInt(std::int64_t(y) - nSpacing - nRest);
    return figmath::SaturateToInt(y - nRest);
}

}  // namespace

// On screen the surface covers the whole canvas, so logical (0, 0) stays at
// its top-left pixel whatever the scroll position.
void CMyDrevikView::OnPrepareDC(CDC* pDC) const
{
    pDC->SetMapMode(MM_HIMETRIC);
    pDC->SetUnitsPerPixel(GetUnitsPerPixel());
    pDC->SetViewportOrg(0, 0);
}

// Before the first surface is made the ratio is not known yet; one device
// pixel per viewport pixel is what a surface would then get.
double CMyDrevikView::GetSurfaceRatio() const
{
    return m_dSurfaceRatio > 0.0 ? m_dSurfaceRatio : 1.0;
}

double CMyDrevikView::GetUnitsPerPixel() const
{
    const double dRatio = GetSurfaceRatio();
    return kScreenUnitsPerPixel / dRatio;
}

QPoint CMyDrevikView::GetScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CMyDrevikView::ScrollToPosition(const QPoint& pt)
{
    horizontalScrollBar()->setValue(pt.x());
    verticalScrollBar()->setValue(pt.y());
}

CPoint CMyDrevikView::DeviceToLogical(const QPointF& ptClient) const
{
    const double dRatio = GetSurfaceRatio();
    const QPointF ptSurface = (ptClient + QPointF(GetScrollPosition())) * dRatio;
    CPoint pt(figmath::TruncToInt(std::floor(ptSurface.x())),
              figmath::TruncToInt(std::floor(ptSurface.y())));
    CDC dc;
    OnPrepareDC(&dc);
    dc.DPtoLP(&pt);
    return pt;
}

QRect CMyDrevikView::LogicalToSurfaceRect(const CRect& rectLogical) const
{
    CDC dc;
    OnPrepareDC(&dc);
    CRect rect = rectLogical;
    dc.LPtoDP(&rect);
    rect.NormalizeRect();
    const QRect rectDevice(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom));
    return rectDevice.intersected(m_imageSurface.rect());
}

CPoint CMyDrevikView::SnapToGrid(int x, int y) const
{
    return CPoint(SnapX(x, m_nSnapX), SnapY(y, m_nSnapY));
}

double CMyDrevikView::DisplayUnitFactor(int nUnits)
{
    for (const UnitFactor& unit : kUnitFactors) {
        if (unit.nUnits == nUnits)
            return unit.dFactor;
    }
    return 1.0;
}

// Displayed y grows downwards from the top edge of the canvas.
CPoint CMyDrevikView::ToDisplayUnits(int x, int y) const
{
    const double dFactor = DisplayUnitFactor(GetSettings().m_nUnits);
    return CPoint(figmath::TruncToInt(x * dFactor), figmath::TruncToInt(-(y * dFactor)));
}
