// Fills, thread-curve pixels, flood fills and the finished file. Each fill
// is written once per hatch its brush becomes; a flood fill, which exists
// only as pixels, is hatched over the pixel rectangles of its region.
#include "view/export/dxfsink.h"

#include "platform/dc.h"
#include "view/export/dxfframe.h"
#include "view/export/dxfhatch.h"

#include <QImage>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>

namespace {

// Rectangles of device pixels covering the opaque ones: runs of each row,
// a run joined to the one of the row above when their ends agree.
std::vector<QRect> PaintedRectangles(const QImage& image)
{
    std::vector<QRect> vecRects;
    std::map<std::pair<int, int>, std::size_t> mapOpen;  // run (x0, x1) to its rectangle
    for (int y = 0; y < image.height(); ++y) {
        std::map<std::pair<int, int>, std::size_t> mapNext;
        for (int x = 0; x < image.width();) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < image.width() && qAlpha(image.pixel(x, y)) != 0)
                ++x;
            const auto key = std::make_pair(x0, x - 1);
            const auto it = mapOpen.find(key);
            if (it != mapOpen.end()) {
                vecRects[it->second].setBottom(y);
                mapNext[key] = it->second;
            } else {
                vecRects.emplace_back(QPoint(x0, y), QPoint(x - 1, y));
                mapNext[key] = vecRects.size() - 1;
            }
        }
        mapOpen = std::move(mapNext);
    }
    return vecRects;
}

}  // namespace

void CDxfSink::BeginHatch(const DxfHatchStyle& style, int nPaths)
{
    BeginEntity("HATCH", style.color, nullptr);
    m_writer.Text(100, "AcDbHatch");
    m_writer.Point3(10, 0, 0, 0);
    m_writer.Point3(210, 0, 0, 1);
    m_writer.Text(2, style.pszName);
    m_writer.Int(70, style.bSolid ? 1 : 0);
    m_writer.Int(71, 0);
    m_writer.Int(91, nPaths);
}

void CDxfSink::EndHatch(const DxfHatchStyle& style)
{
    m_writer.Int(75, 0);
    m_writer.Int(76, style.bSolid ? 1 : 2);  // predefined or custom
    if (!style.bSolid) {
        m_writer.Real(52, 0);
        m_writer.Real(41, 1);
        m_writer.Int(77, 0);
        m_writer.Int(78, int(style.vecLines.size()));
        for (const DxfPatternLine& line : style.vecLines) {
            m_writer.Real(53, line.dAngle);
            m_writer.Real(43, line.dBaseX);
            m_writer.Real(44, line.dBaseY);
            m_writer.Real(45, line.dOffsetX);
            m_writer.Real(46, line.dOffsetY);
            m_writer.Int(79, int(line.vecDashes.size()));
            for (double dDash : line.vecDashes)
                m_writer.Real(49, dDash);
        }
    }
    m_writer.Int(98, 0);
}

std::vector<DxfHatchStyle> CDxfSink::HatchStyles(const CDCSinkState& state) const
{
    // The surface's top-left pixel corner, where the brush's tiles start.
    const double dX = -state.ptViewportOrg.x * state.dUnitsPerPixel;
    const double dDown = -state.ptViewportOrg.y * state.dUnitsPerPixel;
    return HatchStylesOf(state, dX / 100, (m_sizeCanvas.cy - dDown) / 100);
}

void CDxfSink::AddFill(const CDCSinkState& state, const std::vector<Outline>& vecOutlines)
{
    if (vecOutlines.empty())
        return;
    for (const DxfHatchStyle& style : HatchStyles(state)) {
        BeginHatch(style, int(vecOutlines.size()));
        for (const Outline& outline : vecOutlines)
            WritePolylinePath(outline);
        EndHatch(style);
    }
}

void CDxfSink::WritePolylinePath(const Outline& outline)
{
    bool bBulges = false;
    for (double dBulge : outline.vecBulges)
        bBulges = bBulges || dBulge != 0;
    m_writer.Int(92, 3);  // an outer polyline
    m_writer.Int(72, bBulges ? 1 : 0);
    m_writer.Int(73, 1);
    m_writer.Int(93, std::int64_t(outline.vecPoints.size()));
    for (std::size_t i = 0; i < outline.vecPoints.size(); ++i) {
        m_writer.Point(10, outline.vecPoints[i].x, outline.vecPoints[i].y);
        if (bBulges)
            m_writer.Real(42, i < outline.vecBulges.size() ? outline.vecBulges[i] : 0);
    }
    m_writer.Int(97, 0);
}

void CDxfSink::AddEllipseFill(const CDCSinkState& state, DxfPoint c, double a, double b)
{
    const bool bRound = std::abs(a - b) < 1e-9;
    for (const DxfHatchStyle& style : HatchStyles(state)) {
        BeginHatch(style, 1);
        m_writer.Int(92, 1);  // an outer path of edges
        m_writer.Int(93, 1);
        m_writer.Int(72, bRound ? 2 : 3);
        m_writer.Point(10, c.x, c.y);
        if (bRound) {
            m_writer.Real(40, a);
        } else {
            m_writer.Point(11, a >= b ? a : 0, a >= b ? 0 : b);
            m_writer.Real(40, a >= b ? b / a : a / b);
        }
        m_writer.Real(50, 0);
        m_writer.Real(51, 360);
        m_writer.Int(73, 1);
        m_writer.Int(97, 0);
        EndHatch(style);
    }
}

void CDxfSink::FloodFill(const CDCSinkState&, const QImage&, QPoint)
{
    // The region, told just before, is hatched with the brush instead of
    // copying its pixels.
}

void CDxfSink::FloodRegion(const CDCSinkState& state, const QImage& mask, QPoint ptDevice)
{
    FlushPixels();
    const std::vector<QRect> vecRects = PaintedRectangles(mask);
    const double dPixel = state.dUnitsPerPixel;
    auto Corner = [&](int x, int y) {
        const double dX = (ptDevice.x() + x - state.ptViewportOrg.x) * dPixel;
        const double dDown = (ptDevice.y() + y - state.ptViewportOrg.y) * dPixel;
        return DxfPoint{dX / 100, (m_sizeCanvas.cy - dDown) / 100};
    };
    std::vector<Outline> vecOutlines;
    for (const QRect& rect : vecRects) {
        const DxfPoint p1 = Corner(rect.left(), rect.top()), p2 = Corner(rect.right() + 1, rect.bottom() + 1);
        vecOutlines.push_back({{{p1.x, p2.y}, {p2.x, p2.y}, {p2.x, p1.y}, {p1.x, p1.y}}, {}});
    }
    AddFill(state, vecOutlines);
}

void CDxfSink::Pixel(const CDCSinkState& state, CPoint pt, COLORREF color)
{
    if (!Draws(state))
        return;
    if (!m_vecPixels.empty() && m_statePixels.pen.color != color)
        FlushPixels();
    if (m_vecPixels.empty()) {
        m_statePixels = state;
        m_statePixels.pen = PenData{PS_SOLID, 0, color};
    }
    const DxfPoint p = ToDxf(state, pt.x, pt.y);
    // Steps finer than a tenth of a millimetre add nothing a reader shows.
    if (!m_vecPixels.empty() && std::hypot(p.x - m_vecPixels.back().x, p.y - m_vecPixels.back().y) < 0.1) {
        m_ptLastPixel = p;
        m_bLastPending = true;
        return;
    }
    m_vecPixels.push_back(p);
    m_bLastPending = false;
}

void CDxfSink::FlushPixels()
{
    if (m_vecPixels.empty())
        return;
    if (m_bLastPending)
        m_vecPixels.push_back(m_ptLastPixel);
    m_bLastPending = false;
    if (m_vecPixels.size() == 1) {
        BeginEntity("POINT", m_statePixels.pen.color, &m_statePixels);
        m_writer.Text(100, "AcDbPoint");
        m_writer.Point3(10, m_vecPixels[0].x, m_vecPixels[0].y, 0);
    } else {
        AddPolyline(m_statePixels, {m_vecPixels, {}}, false);
    }
    m_vecPixels.clear();
}

void CDxfSink::EndPixelRun()
{
    FlushPixels();
}

QByteArray CDxfSink::Document()
{
    FlushPixels();
    const double dWidth = m_sizeCanvas.cx / 100.0, dHeight = m_sizeCanvas.cy / 100.0;
    CDxfWriter writer;
    WriteDxfHead(writer, dWidth, dHeight, m_nNextHandle);
    QByteArray bytes = writer.Bytes() + m_writer.Bytes();
    CDxfWriter writerTail;
    WriteDxfTail(writerTail, dWidth, dHeight);
    return bytes + writerTail.Bytes();
}
