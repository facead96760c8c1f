// Each primitive as the DXF entity that draws the same shape, at the true
// geometry of the figure rather than on the screen's pixel grid.
#include "view/export/dxfsink.h"

#include "platform/dc.h"
#include "platform/dc_raster.h"
#include "view/export/dxfframe.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

double Degrees(double dRadians)
{
    return dRadians * 180 / std::numbers::pi;
}

// Line weights are a fixed set of hundredths of a millimetre.
int LineWeight(double dMillimetres)
{
    constexpr std::array<int, 24> kWeights{0,  5,  9,  13, 15, 18, 20,  25,  30,  35,  40,  50,
                                           53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
    const double dHundredths = dMillimetres * 100;
    return *std::min_element(kWeights.begin(), kWeights.end(), [dHundredths](int a, int b) {
        return std::abs(a - dHundredths) < std::abs(b - dHundredths);
    });
}

// The pen's width in whole device pixels, as the context draws it.
double PenPixels(const CDCSinkState& state)
{
    const double dPixels = state.nMapMode == MM_TEXT ? double(state.pen.nWidth)
                                                     : state.pen.nWidth / state.dUnitsPerPixel;
    return std::clamp(std::floor(dPixels + 0.5), 1.0, 1e9);
}

int TrueColour(COLORREF color)
{
    return GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
}

}  // namespace

CDxfSink::CDxfSink(CSize sizeCanvas)
    : m_sizeCanvas(sizeCanvas), m_nNextHandle(DxfHandle::FirstEntity)
{
}

DxfPoint CDxfSink::ToDxf(const CDCSinkState& state, double x, double y) const
{
    const bool bPixels = state.nMapMode == MM_TEXT;
    const double dScale = bPixels ? state.dUnitsPerPixel : 1.0;
    const double dX = x * dScale + state.ptViewportOrg.x * state.dUnitsPerPixel;
    // Downward from the canvas's top edge, in logical units.
    const double dDown = (bPixels ? y * dScale : -y) + state.ptViewportOrg.y * state.dUnitsPerPixel;
    return {dX / 100, (m_sizeCanvas.cy - dDown) / 100};
}

CDxfSink::DxfEllipse CDxfSink::EllipseOfBox(const CDCSinkState& state, const CRect& rect) const
{
    const DxfPoint p1 = ToDxf(state, rect.left, rect.top), p2 = ToDxf(state, rect.right, rect.bottom);
    return {{(p1.x + p2.x) / 2, (p1.y + p2.y) / 2}, std::abs(p2.x - p1.x) / 2, std::abs(p2.y - p1.y) / 2};
}

double CDxfSink::ToMillimetres(const CDCSinkState& state, double dLength) const
{
    return dLength * (state.nMapMode == MM_TEXT ? state.dUnitsPerPixel : 1.0) / 100;
}

bool CDxfSink::Draws(const CDCSinkState& state) const
{
    return state.nROP2 != R2_NOP;
}

void CDxfSink::BeginEntity(const char* pszType, COLORREF color, const CDCSinkState* pStroke)
{
    m_writer.Text(0, pszType);
    m_writer.Handle(5, m_nNextHandle++);
    m_writer.Handle(330, DxfHandle::ModelSpace);
    m_writer.Text(100, "AcDbEntity");
    m_writer.Text(8, "0");
    if (pStroke) {
        m_writer.Text(6, DxfLineTypeName(pStroke->pen.nStyle));
        // Dashes grow with the pen, as on the screen.
        const double dPixels = PenPixels(*pStroke);
        if (!DashPattern(pStroke->pen.nStyle).empty() && dPixels != 1)
            m_writer.Real(48, dPixels);
        m_writer.Int(370, LineWeight(dPixels * pStroke->dUnitsPerPixel / 100));
    }
    m_writer.Int(420, TrueColour(color));
}

void CDxfSink::AddLine(const CDCSinkState& state, DxfPoint ptFrom, DxfPoint ptTo)
{
    BeginEntity("LINE", state.pen.color, &state);
    m_writer.Text(100, "AcDbLine");
    m_writer.Point3(10, ptFrom.x, ptFrom.y, 0);
    m_writer.Point3(11, ptTo.x, ptTo.y, 0);
}

void CDxfSink::AddPolyline(const CDCSinkState& state, const Outline& outline, bool bClosed)
{
    BeginEntity("LWPOLYLINE", state.pen.color, &state);
    m_writer.Text(100, "AcDbPolyline");
    m_writer.Int(90, std::int64_t(outline.vecPoints.size()));
    m_writer.Int(70, bClosed ? 1 : 0);
    m_writer.Real(43, 0);
    for (std::size_t i = 0; i < outline.vecPoints.size(); ++i) {
        m_writer.Point(10, outline.vecPoints[i].x, outline.vecPoints[i].y);
        if (i < outline.vecBulges.size() && outline.vecBulges[i] != 0)
            m_writer.Real(42, outline.vecBulges[i]);
    }
}

void CDxfSink::AddEllipseCurve(const CDCSinkState& state, DxfPoint c, double a, double b, double dStart,
                               double dSweep)
{
    const bool bWhole = dSweep >= kTurn - 1e-9;
    if (std::abs(a - b) < 1e-9) {
        BeginEntity(bWhole ? "CIRCLE" : "ARC", state.pen.color, &state);
        m_writer.Text(100, "AcDbCircle");
        m_writer.Point3(10, c.x, c.y, 0);
        m_writer.Real(40, a);
        if (!bWhole) {
            m_writer.Text(100, "AcDbArc");
            m_writer.Real(50, std::fmod(Degrees(dStart) + 720, 360));
            m_writer.Real(51, std::fmod(Degrees(dStart + dSweep) + 720, 360));
        }
        return;
    }
    // The major axis lies along x or y; measured from a major axis along y
    // the parameters run a quarter turn behind.
    const bool bAlongX = a >= b;
    const double dShift = bAlongX ? 0 : std::numbers::pi / 2;
    BeginEntity("ELLIPSE", state.pen.color, &state);
    m_writer.Text(100, "AcDbEllipse");
    m_writer.Point3(10, c.x, c.y, 0);
    m_writer.Point3(11, bAlongX ? a : 0, bAlongX ? 0 : b, 0);
    m_writer.Point3(210, 0, 0, 1);
    m_writer.Real(40, bAlongX ? b / a : a / b);
    const double dFrom = bWhole ? 0 : std::fmod(dStart - dShift + 2 * kTurn, kTurn);
    m_writer.Real(41, dFrom);
    m_writer.Real(42, bWhole ? kTurn : dFrom + dSweep);
}

void CDxfSink::Line(const CDCSinkState& state, CPoint ptFrom, CPoint ptTo)
{
    FlushPixels();
    // The context draws nothing for a line of no length.
    if (!Draws(state) || state.pen.nStyle == PS_NULL || ptFrom == ptTo)
        return;
    AddLine(state, ToDxf(state, ptFrom.x, ptFrom.y), ToDxf(state, ptTo.x, ptTo.y));
}

void CDxfSink::Rectangle(const CDCSinkState& state, const CRect& rect)
{
    FlushPixels();
    if (!Draws(state))
        return;
    const DxfPoint p1 = ToDxf(state, rect.left, rect.top), p2 = ToDxf(state, rect.right, rect.bottom);
    const Outline outline{{{p1.x, p1.y}, {p2.x, p1.y}, {p2.x, p2.y}, {p1.x, p2.y}}, {}};
    AddFill(state, {outline});
    if (state.pen.nStyle != PS_NULL)
        AddPolyline(state, outline, true);
}

namespace {

// A quarter of an ellipse as polyline vertices: one with a bulge when it
// is round, else flattened, from angle dFrom on (each edge leaves its
// vertex counter-clockwise).
void AddCorner(CDxfSink::Outline& outline, DxfPoint c, double rx, double ry, double dFrom)
{
    constexpr int kSteps = 8;
    const bool bRound = std::abs(rx - ry) < 1e-9;
    for (int i = 0; i < (bRound ? 1 : kSteps); ++i) {
        const double t = dFrom + std::numbers::pi / 2 * i / kSteps;
        outline.vecPoints.push_back({c.x + rx * std::cos(t), c.y + ry * std::sin(t)});
        outline.vecBulges.push_back(bRound ? std::tan(std::numbers::pi / 8) : 0);
    }
    const double dTo = dFrom + std::numbers::pi / 2;
    outline.vecPoints.push_back({c.x + rx * std::cos(dTo), c.y + ry * std::sin(dTo)});
    outline.vecBulges.push_back(0);
}

}  // namespace

void CDxfSink::RoundRect(const CDCSinkState& state, const CRect& rect, CSize sizeCorner)
{
    FlushPixels();
    if (!Draws(state))
        return;
    const DxfPoint p1 = ToDxf(state, rect.left, rect.top), p2 = ToDxf(state, rect.right, rect.bottom);
    const double x1 = std::min(p1.x, p2.x), x2 = std::max(p1.x, p2.x);
    const double y1 = std::min(p1.y, p2.y), y2 = std::max(p1.y, p2.y);
    const double rx = std::min(ToMillimetres(state, std::abs(double(sizeCorner.cx))) / 2, (x2 - x1) / 2);
    const double ry = std::min(ToMillimetres(state, std::abs(double(sizeCorner.cy))) / 2, (y2 - y1) / 2);
    if (rx <= 0 || ry <= 0) {
        Rectangle(state, rect);
        return;
    }
    // Counter-clockwise from the lower edge: each corner ends where the
    // next straight edge begins.
    Outline outline;
    AddCorner(outline, {x2 - rx, y1 + ry}, rx, ry, -std::numbers::pi / 2);
    AddCorner(outline, {x2 - rx, y2 - ry}, rx, ry, 0);
    AddCorner(outline, {x1 + rx, y2 - ry}, rx, ry, std::numbers::pi / 2);
    AddCorner(outline, {x1 + rx, y1 + ry}, rx, ry, std::numbers::pi);
    AddFill(state, {outline});
    if (state.pen.nStyle != PS_NULL)
        AddPolyline(state, outline, true);
}

void CDxfSink::Ellipse(const CDCSinkState& state, const CRect& rect)
{
    FlushPixels();
    if (!Draws(state))
        return;
    const auto [c, a, b] = EllipseOfBox(state, rect);
    if (a == 0 && b == 0)
        return;
    if (a == 0 || b == 0) {
        // Flat: what shows is the line across it.
        if (state.pen.nStyle != PS_NULL)
            AddLine(state, {c.x - a, c.y - b}, {c.x + a, c.y + b});
        return;
    }
    AddEllipseFill(state, c, a, b);
    if (state.pen.nStyle != PS_NULL)
        AddEllipseCurve(state, c, a, b, 0, kTurn);
}

void CDxfSink::ArcShape(const CDCSinkState& state, CDCArcKind kind, const CRect& rect, CPoint ptStart,
                        CPoint ptEnd)
{
    FlushPixels();
    if (!Draws(state))
        return;
    const auto [c, a, b] = EllipseOfBox(state, rect);
    if (a <= 0 || b <= 0)
        return;
    // Where the rays through the two points meet the ellipse, as
    // parameters; the y axis points up here as on the screen.
    const DxfPoint s = ToDxf(state, ptStart.x, ptStart.y), e = ToDxf(state, ptEnd.x, ptEnd.y);
    const double dStart = std::atan2((s.y - c.y) / b, (s.x - c.x) / a);
    const double dEnd = std::atan2((e.y - c.y) / b, (e.x - c.x) / a);
    double dSweep = std::fmod(dEnd - dStart + 2 * kTurn, kTurn);
    if (dSweep < 1e-9)
        dSweep = kTurn;
    auto At = [&](double t) { return DxfPoint{c.x + a * std::cos(t), c.y + b * std::sin(t)}; };
    if (kind != CDCArcKind::Arc) {
        // The fill follows the curve closely enough in straight pieces.
        Outline outline;
        const int nSteps = std::max(8, int(std::ceil(dSweep / kTurn * 96)));
        for (int i = 0; i <= nSteps; ++i)
            outline.vecPoints.push_back(At(dStart + dSweep * i / nSteps));
        if (kind == CDCArcKind::Pie)
            outline.vecPoints.push_back(c);
        AddFill(state, {outline});
    }
    if (state.pen.nStyle == PS_NULL)
        return;
    AddEllipseCurve(state, c, a, b, dStart, dSweep);
    if (kind == CDCArcKind::Chord && dSweep < kTurn)
        AddLine(state, At(dStart + dSweep), At(dStart));
    if (kind == CDCArcKind::Pie) {
        AddLine(state, At(dStart + dSweep), c);
        AddLine(state, c, At(dStart));
    }
}

void CDxfSink::Bezier(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    FlushPixels();
    if (!Draws(state) || state.pen.nStyle == PS_NULL || vecPoints.size() < 4)
        return;
    // Cubic Bézier pieces are exactly a B-spline of degree 3 whose inner
    // knots each repeat three times.
    const int nPieces = int((vecPoints.size() - 1) / 3);
    const int nControls = 3 * nPieces + 1;
    BeginEntity("SPLINE", state.pen.color, &state);
    m_writer.Text(100, "AcDbSpline");
    m_writer.Point3(210, 0, 0, 1);
    m_writer.Int(70, 8);  // planar
    m_writer.Int(71, 3);
    m_writer.Int(72, nControls + 4);
    m_writer.Int(73, nControls);
    m_writer.Int(74, 0);
    m_writer.Real(42, 1e-10);
    m_writer.Real(43, 1e-10);
    for (int k = 0; k <= nPieces; ++k)
        for (int i = 0; i < (k == 0 || k == nPieces ? 4 : 3); ++i)
            m_writer.Real(40, k == 0 ? 0 : k);
    for (int i = 0; i < nControls; ++i) {
        const DxfPoint p = ToDxf(state, vecPoints[std::size_t(i)].x, vecPoints[std::size_t(i)].y);
        m_writer.Point3(10, p.x, p.y, 0);
    }
}

void CDxfSink::Polygon(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    FlushPixels();
    if (!Draws(state) || vecPoints.empty())
        return;
    Outline outline;
    for (const CPoint& pt : vecPoints)
        outline.vecPoints.push_back(ToDxf(state, pt.x, pt.y));
    AddFill(state, {outline});
    if (state.pen.nStyle != PS_NULL)
        AddPolyline(state, outline, true);
}

void CDxfSink::Text(const CDCSinkState& state, CPoint pt, const QString& strText, const QFont& fontDevice)
{
    FlushPixels();
    if (!Draws(state) || strText.isEmpty())
        return;
    // The context places the cell's top-left corner; the entity its
    // baseline, and its height is the height of the capitals.
    const QFontMetricsF metrics(fontDevice);
    const double dPixel = state.dUnitsPerPixel / 100;
    const DxfPoint p = ToDxf(state, pt.x, pt.y);
    BeginEntity("TEXT", state.colorText, nullptr);
    m_writer.Text(100, "AcDbText");
    m_writer.Point3(10, p.x, p.y - metrics.ascent() * dPixel, 0);
    m_writer.Real(40, metrics.capHeight() * dPixel);
    m_writer.Text(1, DxfTextContent(strText));
    // A font made narrower or wider than its face keeps that proportion.
    if (fontDevice.stretch() > 0 && fontDevice.stretch() != 100)
        m_writer.Real(41, fontDevice.stretch() / 100.0);
    if (fontDevice.italic())
        m_writer.Real(51, 15);
    m_writer.Text(7, "Standard");
    m_writer.Text(100, "AcDbText");
}
