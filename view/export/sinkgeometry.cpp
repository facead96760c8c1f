#include "view/export/sinkgeometry.h"

#include "platform/dc.h"
#include "platform/dc_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// From logical units to canvas units: 1 in the metric mapping, a pixel's
// units in the pixel mapping.
double LogicalScale(const CDCSinkState& state)
{
    return state.nMapMode == MM_TEXT ? state.dUnitsPerPixel : 1.0;
}

}  // namespace

double SinkPixelUnits(const CDCSinkState& state)
{
    return state.dUnitsPerPixel;
}

CanvasPoint ToCanvas(const CDCSinkState& state, double x, double y)
{
    const double dScale = LogicalScale(state), dHalf = SinkPixelUnits(state) / 2;
    const double dOrgX = state.ptViewportOrg.x * SinkPixelUnits(state);
    const double dOrgY = state.ptViewportOrg.y * SinkPixelUnits(state);
    // The metric mapping's y axis points up, the canvas's down.
    const double dY = state.nMapMode == MM_TEXT ? y * dScale : -y;
    return {x * dScale + dOrgX + dHalf, dY + dOrgY + dHalf};
}

CanvasBox ToCanvasBox(const CDCSinkState& state, const CRect& rect)
{
    const CanvasPoint p1 = ToCanvas(state, rect.left, rect.top), p2 = ToCanvas(state, rect.right, rect.bottom);
    const double dPixel = SinkPixelUnits(state);
    return {std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x) - dPixel,
            std::max(p1.y, p2.y) - dPixel};
}

CanvasPoint ToCanvasCorner(const CDCSinkState& state, const CanvasBox& box, CSize sizeCorner)
{
    const double dScale = LogicalScale(state), dPixel = SinkPixelUnits(state);
    const double rx = (std::abs(double(sizeCorner.cx)) * dScale - dPixel) / 2;
    const double ry = (std::abs(double(sizeCorner.cy)) * dScale - dPixel) / 2;
    return {std::clamp(rx, 0.0, std::max(0.0, (box.dRight - box.dLeft) / 2)),
            std::clamp(ry, 0.0, std::max(0.0, (box.dBottom - box.dTop) / 2))};
}

double SinkPenPixels(const CDCSinkState& state)
{
    const double dPixels = state.nMapMode == MM_TEXT ? double(state.pen.nWidth)
                                                     : state.pen.nWidth / state.dUnitsPerPixel;
    return std::clamp(std::floor(dPixels + 0.5), 1.0, 1e9);
}

double SinkPenUnits(const CDCSinkState& state)
{
    return SinkPenPixels(state) * SinkPixelUnits(state);
}

CanvasPoint CanvasArc::At(double t) const
{
    return {cx + a * std::cos(t), cy - b * std::sin(t)};
}

bool ToCanvasArc(const CDCSinkState& state, const CRect& rect, CPoint ptStart, CPoint ptEnd, CanvasArc& arc)
{
    const CanvasBox box = ToCanvasBox(state, rect);
    arc.cx = (box.dLeft + box.dRight) / 2;
    arc.cy = (box.dTop + box.dBottom) / 2;
    arc.a = (box.dRight - box.dLeft) / 2;
    arc.b = (box.dBottom - box.dTop) / 2;
    if (arc.a <= 0 || arc.b <= 0)
        return false;
    // Parameters measured counter-clockwise on the screen, the canvas's y down.
    const CanvasPoint s = ToCanvas(state, ptStart.x, ptStart.y), e = ToCanvas(state, ptEnd.x, ptEnd.y);
    arc.dStart = std::atan2(-(s.y - arc.cy) / arc.b, (s.x - arc.cx) / arc.a);
    const double dEnd = std::atan2(-(e.y - arc.cy) / arc.b, (e.x - arc.cx) / arc.a);
    arc.dSweep = std::fmod(dEnd - arc.dStart + 4 * std::numbers::pi, 2 * std::numbers::pi);
    // Start and end on one ray draw the whole ellipse, as the context does.
    if (arc.dSweep < 1e-9)
        arc.dSweep = 2 * std::numbers::pi;
    return true;
}

CanvasPoint ToCanvasPixel(const CDCSinkState& state, CPoint pt)
{
    const double dPixel = SinkPixelUnits(state);
    const CanvasPoint p = ToCanvas(state, pt.x, pt.y);
    // The pixel whose centre is nearest, as the context sets it.
    return {std::floor(p.x / dPixel) * dPixel, std::floor(p.y / dPixel) * dPixel};
}

CanvasPoint DeviceToCanvas(const CDCSinkState& state, QPoint ptDevice)
{
    const double dPixel = SinkPixelUnits(state);
    return {(ptDevice.x() - state.ptViewportOrg.x) * dPixel, (ptDevice.y() - state.ptViewportOrg.y) * dPixel};
}

std::vector<double> SinkDashUnits(const CDCSinkState& state)
{
    std::vector<double> vecDash = DashPattern(state.pen.nStyle);
    for (double& dRun : vecDash)
        dRun *= SinkPenUnits(state);
    return vecDash;
}

// Found by letting a context paint it, so the tiles are the screen's.
QImage SinkHatchTile(const BrushData& brush)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    CBrush brushHatch;
    brushHatch.CreateHatchBrush(brush.nHatch, RGB(0, 0, 0));
    CDC dc(&image);
    dc.SetMapMode(MM_TEXT);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectStockObject(NULL_PEN);
    dc.SelectObject(&brushHatch);
    dc.Rectangle(-2, -2, 11, 11);
    dc.SelectStockObject(WHITE_BRUSH);
    return image;
}

bool CPixelRun::Fits(const CDCSinkState& state, COLORREF color) const
{
    return IsEmpty() || (color == m_color && SinkPixelUnits(state) == m_dPixel);
}

void CPixelRun::Add(const CDCSinkState& state, CPoint pt, COLORREF color)
{
    m_color = color;
    m_dPixel = SinkPixelUnits(state);
    const CanvasPoint p = ToCanvasPixel(state, pt);
    const QPoint ptPixel(int(std::lround(p.x / m_dPixel)), int(std::lround(p.y / m_dPixel)));
    if (m_setPixels.contains(ptPixel))
        return;
    m_setPixels.insert(ptPixel);
    m_vecPixels.push_back(ptPixel);
}

void CPixelRun::Clear()
{
    m_vecPixels.clear();
    m_setPixels.clear();
}

QImage CPixelRun::ToImage(QRect* prectBox) const
{
    QRect rectBox;
    for (const QPoint& ptPixel : m_vecPixels)
        rectBox |= QRect(ptPixel, QSize(1, 1));
    QImage image(rectBox.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb rgb = qRgb(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
    for (const QPoint& ptPixel : m_vecPixels)
        image.setPixel(ptPixel - rectBox.topLeft(), rgb);
    *prectBox = rectBox;
    return image;
}
