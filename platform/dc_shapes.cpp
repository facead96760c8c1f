#include "platform/dc.h"

#include "platform/dc_geometry.h"
#include "platform/dc_impl.h"
#include "platform/dc_raster.h"
#include "platform/dcsink.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// More points than any real polygon has: a damaged count is refused.
constexpr int kMaxPolyPoints = 1 << 24;

enum ArcKind { kArc, kChord, kPie };

}  // namespace

double CDC::PenPixels() const
{
    if (m_pen.nStyle == PS_NULL)
        return 0;
    const double dPixels = m_nMapMode == MM_TEXT ? double(m_pen.nWidth) : m_pen.nWidth / m_dUnitsPerPixel;
    // Widths are whole pixels; anything thinner than two is the one-pixel pen.
    return std::clamp(std::floor(dPixels + 0.5), 1.0, 1e9);
}

bool CDC::MakeFrame(int x1, int y1, int x2, int y2, DeviceFrame* pFrame) const
{
    const QPointF p1 = ToDevice(x1, y1), p2 = ToDevice(x2, y2);
    // The box covers its left and top pixels but not its right and bottom.
    const double dLeft = std::min(p1.x(), p2.x()), dRight = std::max(p1.x(), p2.x());
    const double dTop = std::min(p1.y(), p2.y()), dBottom = std::max(p1.y(), p2.y());
    if (dRight - dLeft < 1 || dBottom - dTop < 1)
        return false;
    double dWidth = PenPixels();
    double dInset = 0;
    if (m_pen.nStyle == PS_INSIDEFRAME && dWidth > 1) {
        dWidth = std::min({dWidth, dRight - dLeft, dBottom - dTop});
        dInset = (dWidth - 1) / 2;
    }
    *pFrame = {dLeft + dInset, dTop + dInset, dRight - 1 - dInset, dBottom - 1 - dInset, dWidth};
    return true;
}

// Whether nothing inside the frame can reach the clip, so the curve's
// points need not even be worked out (a band skips most shapes so).
bool CDC::FrameMissesClip(const DeviceFrame& frame) const
{
    DevicePath path;
    path.vecPoints = {{frame.dLeft, frame.dTop}, {frame.dRight, frame.dBottom}};
    path.dPenWidth = frame.dPenWidth;
    return MissesClip(path, ClipRect());
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint ptOld = m_ptCurrent;
    m_ptCurrent = CPoint(x, y);
    return ptOld;
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_pDevice)
        return FALSE;
    DevicePath path;
    path.vecPoints = {ToDevice(m_ptCurrent.x, m_ptCurrent.y), ToDevice(x, y)};
    path.dPenWidth = PenPixels();
    if (m_pSink)
        m_pSink->Line(GetSinkState(), m_ptCurrent, CPoint(x, y));
    m_ptCurrent = CPoint(x, y);
    DrawPath(path);
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    if (!m_pDevice)
        return FALSE;
    DeviceFrame frame;
    if (!MakeFrame(x1, y1, x2, y2, &frame))
        return TRUE;
    if (m_pSink)
        m_pSink->Rectangle(GetSinkState(), CRect(x1, y1, x2, y2));
    DevicePath path;
    path.vecPoints = {{frame.dLeft, frame.dTop}, {frame.dRight, frame.dTop},
                      {frame.dRight, frame.dBottom}, {frame.dLeft, frame.dBottom}};
    path.bClosed = path.bFilled = true;
    path.dPenWidth = frame.dPenWidth;
    DrawPath(path);
    return TRUE;
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    if (!m_pDevice)
        return FALSE;
    DeviceFrame frame;
    if (!MakeFrame(x1, y1, x2, y2, &frame))
        return TRUE;
    if (m_pSink)
        m_pSink->RoundRect(GetSinkState(), CRect(x1, y1, x2, y2), CSize(x3, y3));
    if (FrameMissesClip(frame))
        return TRUE;
    // The corner ellipse is x3 by y3 logical units, no larger than the box.
    const double dScale = m_nMapMode == MM_TEXT ? 1 : 1 / m_dUnitsPerPixel;
    const double rx = std::clamp((std::abs(double(x3)) * dScale - 1) / 2, 0.0, (frame.dRight - frame.dLeft) / 2);
    const double ry = std::clamp((std::abs(double(y3)) * dScale - 1) / 2, 0.0, (frame.dBottom - frame.dTop) / 2);
    const QPointF corners[4] = {{frame.dRight - rx, frame.dTop + ry}, {frame.dLeft + rx, frame.dTop + ry},
                                {frame.dLeft + rx, frame.dBottom - ry}, {frame.dRight - rx, frame.dBottom - ry}};
    DevicePath path;
    for (int i = 0; i < 4; ++i) {
        const std::vector<QPointF> vecQuarter =
            EllipseArcPoints(corners[i], rx, ry, i * std::numbers::pi / 2, std::numbers::pi / 2);
        path.vecPoints.insert(path.vecPoints.end(), vecQuarter.begin(), vecQuarter.end());
    }
    path.bClosed = path.bFilled = true;
    path.dPenWidth = frame.dPenWidth;
    DrawPath(path);
    return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    if (!m_pDevice)
        return FALSE;
    DeviceFrame frame;
    if (!MakeFrame(x1, y1, x2, y2, &frame))
        return TRUE;
    if (m_pSink)
        m_pSink->Ellipse(GetSinkState(), CRect(x1, y1, x2, y2));
    if (FrameMissesClip(frame))
        return TRUE;
    const QPointF ptCentre((frame.dLeft + frame.dRight) / 2, (frame.dTop + frame.dBottom) / 2);
    DevicePath path;
    path.vecPoints = EllipseArcPoints(ptCentre, (frame.dRight - frame.dLeft) / 2,
                                      (frame.dBottom - frame.dTop) / 2, 0, 2 * std::numbers::pi);
    path.vecPoints.pop_back();  // the last point is the first again
    path.bClosed = path.bFilled = true;
    path.dPenWidth = frame.dPenWidth;
    DrawPath(path);
    return TRUE;
}

BOOL CDC::DrawArcShape(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int nKind)
{
    if (!m_pDevice)
        return FALSE;
    DeviceFrame frame;
    if (!MakeFrame(x1, y1, x2, y2, &frame))
        return TRUE;
    if (m_pSink) {
        const CDCArcKind kind = nKind == kArc ? CDCArcKind::Arc : nKind == kChord ? CDCArcKind::Chord : CDCArcKind::Pie;
        m_pSink->ArcShape(GetSinkState(), kind, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
    }
    if (FrameMissesClip(frame))
        return TRUE;
    const QPointF ptCentre((frame.dLeft + frame.dRight) / 2, (frame.dTop + frame.dBottom) / 2);
    const double a = (frame.dRight - frame.dLeft) / 2, b = (frame.dBottom - frame.dTop) / 2;
    const double dStart = RayParameter(a, b, DeviceX(x3) - ptCentre.x(), DeviceY(y3) - ptCentre.y());
    const double dEnd = RayParameter(a, b, DeviceX(x4) - ptCentre.x(), DeviceY(y4) - ptCentre.y());
    DevicePath path;
    path.vecPoints = EllipseArcPoints(ptCentre, a, b, dStart, CounterClockwiseSweep(dStart, dEnd));
    if (nKind == kPie)
        path.vecPoints.push_back(ptCentre);
    path.bClosed = path.bFilled = nKind != kArc;
    path.dPenWidth = frame.dPenWidth;
    DrawPath(path);
    return TRUE;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return DrawArcShape(x1, y1, x2, y2, x3, y3, x4, y4, kArc);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return DrawArcShape(x1, y1, x2, y2, x3, y3, x4, y4, kChord);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return DrawArcShape(x1, y1, x2, y2, x3, y3, x4, y4, kPie);
}

BOOL CDC::PolyBezier(const CPoint* pPoints, int nCount)
{
    if (!m_pDevice || !pPoints || nCount < 4 || nCount > kMaxPolyPoints || (nCount - 1) % 3 != 0)
        return FALSE;
    if (m_pSink)
        m_pSink->Bezier(GetSinkState(), std::vector<CPoint>(pPoints, pPoints + nCount));
    DevicePath path;
    path.vecPoints.push_back(ToDevice(pPoints[0].x, pPoints[0].y));
    for (int i = 1; i + 2 < nCount; i += 3) {
        const std::vector<QPointF> vecCurve = BezierPoints(
            ToDevice(pPoints[i - 1].x, pPoints[i - 1].y), ToDevice(pPoints[i].x, pPoints[i].y),
            ToDevice(pPoints[i + 1].x, pPoints[i + 1].y), ToDevice(pPoints[i + 2].x, pPoints[i + 2].y));
        path.vecPoints.insert(path.vecPoints.end(), vecCurve.begin() + 1, vecCurve.end());
    }
    path.dPenWidth = PenPixels();
    DrawPath(path);
    return TRUE;
}

BOOL CDC::Polygon(const CPoint* pPoints, int nCount)
{
    if (!m_pDevice || !pPoints || nCount < 2 || nCount > kMaxPolyPoints)
        return FALSE;
    if (m_pSink)
        m_pSink->Polygon(GetSinkState(), std::vector<CPoint>(pPoints, pPoints + nCount));
    DevicePath path;
    for (int i = 0; i < nCount; ++i)
        path.vecPoints.push_back(ToDevice(pPoints[i].x, pPoints[i].y));
    path.bClosed = path.bFilled = true;
    path.dPenWidth = PenPixels();
    DrawPath(path);
    return TRUE;
}
