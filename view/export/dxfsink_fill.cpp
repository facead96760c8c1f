// Fills, thread-curve pixels, flood fills and the finished file. Solid
// brushes become solid hatches and hatch brushes hatches of the same
// lines; a flood fill, which exists only as pixels, becomes a solid hatch
// of the pixel rectangles it painted.
#include "view/export/dxfsink.h"

#include "platform/dc.h"
#include "view/export/dxfframe.h"

#include <QImage>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>

namespace {

// One family of parallel lines of a hatch brush: its angle in degrees.
// The brush's tile is 8 screen pixels.
std::vector<double> HatchAngles(int nHatch)
{
    switch (nHatch) {
    case HS_HORIZONTAL: return {0};
    case HS_VERTICAL: return {90};
    case HS_FDIAGONAL: return {135};  // falling left to right, y up
    case HS_BDIAGONAL: return {45};
    case HS_CROSS: return {0, 90};
    case HS_DIAGCROSS: return {45, 135};
    default: return {};
    }
}

const char* HatchName(int nHatch)
{
    constexpr const char* kNames[] = {"HORIZONTAL", "VERTICAL", "FDIAGONAL", "BDIAGONAL", "CROSS", "DIAGCROSS"};
    return nHatch >= 0 && nHatch < 6 ? kNames[nHatch] : "SOLID";
}

// Rectangles of device pixels covering the painted ones: runs of each row,
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

bool CDxfSink::BeginHatch(const CDCSinkState& state, COLORREF color, int nPaths)
{
    const BrushData& brush = state.brush;
    const bool bSolid = brush.type == BrushData::Type::Solid;
    if (!bSolid && (brush.type != BrushData::Type::Hatch || HatchAngles(brush.nHatch).empty()))
        return false;
    BeginEntity("HATCH", color, nullptr);
    m_writer.Text(100, "AcDbHatch");
    m_writer.Point3(10, 0, 0, 0);
    m_writer.Point3(210, 0, 0, 1);
    m_writer.Text(2, bSolid ? "SOLID" : HatchName(brush.nHatch));
    m_writer.Int(70, bSolid ? 1 : 0);
    m_writer.Int(71, 0);
    m_writer.Int(91, nPaths);
    return true;
}

void CDxfSink::EndHatch(const CDCSinkState& state)
{
    const bool bSolid = state.brush.type == BrushData::Type::Solid;
    m_writer.Int(75, 0);
    m_writer.Int(76, bSolid ? 1 : 2);
    if (!bSolid) {
        const std::vector<double> vecAngles = HatchAngles(state.brush.nHatch);
        // Lines 8 pixels apart along the axes, as the brush's tile repeats.
        const double dSpacing = 8 * state.dUnitsPerPixel / 100;
        m_writer.Real(52, 0);
        m_writer.Real(41, 1);
        m_writer.Int(77, 0);
        m_writer.Int(78, int(vecAngles.size()));
        for (double dAngle : vecAngles) {
            m_writer.Real(53, dAngle);
            m_writer.Point(43, 0, 0);
            // The step from one line to the next, in drawing coordinates.
            m_writer.Real(45, dAngle == 0 ? 0 : dSpacing);
            m_writer.Real(46, dAngle == 0 ? dSpacing : 0);
            m_writer.Int(79, 0);
        }
    }
    m_writer.Int(98, 0);
}

void CDxfSink::AddFill(const CDCSinkState& state, const std::vector<Outline>& vecOutlines)
{
    if (vecOutlines.empty() || !BeginHatch(state, state.brush.color, int(vecOutlines.size())))
        return;
    for (const Outline& outline : vecOutlines) {
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
    EndHatch(state);
}

void CDxfSink::AddEllipseFill(const CDCSinkState& state, DxfPoint c, double a, double b)
{
    if (!BeginHatch(state, state.brush.color, 1))
        return;
    m_writer.Int(92, 1);  // an outer path of edges
    m_writer.Int(93, 1);
    const bool bRound = std::abs(a - b) < 1e-9;
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
    EndHatch(state);
}

void CDxfSink::FloodFill(const CDCSinkState& state, const QImage& image, QPoint ptDevice)
{
    FlushPixels();
    // Only a solid fill is one colour over its region; the pixels of a
    // hatched or patterned one would be a hatch per pixel.
    if (state.brush.type != BrushData::Type::Solid)
        return;
    const std::vector<QRect> vecRects = PaintedRectangles(image);
    if (vecRects.empty())
        return;
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
