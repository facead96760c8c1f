// Each primitive as the QPainter call that draws the same shape, placed as
// the SVG export places it, so both vector formats agree with the screen.
#include "view/export/pdfsink.h"

#include "view/export/sinkgeometry.h"

#include "platform/dc.h"
#include "platform/dc_raster.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QColor ToColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

QPen PenFor(const CDCSinkState& state)
{
    if (state.pen.nStyle == PS_NULL)
        return QPen(Qt::NoPen);
    QPen pen(ToColor(state.pen.color), SinkPenUnits(state), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const std::vector<double> vecDash = DashPattern(state.pen.nStyle);
    if (!vecDash.empty()) {
        // Runs in pen widths, as the context measures them.
        pen.setDashPattern(QList<qreal>(vecDash.begin(), vecDash.end()));
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

// Hatches and patterns are tiles on the surface's pixel grid, scaled with it.
QBrush TileBrush(const CDCSinkState& state, QImage tile)
{
    QBrush brush(tile);
    const double dPixel = SinkPixelUnits(state);
    brush.setTransform(QTransform::fromTranslate(state.ptViewportOrg.x * dPixel, state.ptViewportOrg.y * dPixel)
                           .scale(dPixel, dPixel));
    return brush;
}

QBrush BrushFor(const CDCSinkState& state)
{
    switch (state.brush.type) {
    case BrushData::Type::Null:
        return QBrush(Qt::NoBrush);
    case BrushData::Type::Solid:
        return QBrush(ToColor(state.brush.color));
    case BrushData::Type::Pattern:
        return TileBrush(state, state.brush.pattern.convertToFormat(QImage::Format_RGB32));
    case BrushData::Type::Hatch:
        break;
    }
    // The hatch's lines in its colour; its gaps show the background only
    // when the mode is opaque.
    QImage tile = SinkHatchTile(state.brush);
    const QRgb rgbHatch = ToColor(state.brush.color).rgb();
    const QRgb rgbGap = state.nBkMode == OPAQUE ? ToColor(state.colorBk).rgb() : qRgba(0, 0, 0, 0);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, qAlpha(tile.pixel(x, y)) != 0 ? rgbHatch : rgbGap);
    return TileBrush(state, tile);
}

QPointF ToPointF(const CDCSinkState& state, CPoint pt)
{
    const CanvasPoint p = ToCanvas(state, pt.x, pt.y);
    return {p.x, p.y};
}

QRectF ToRectF(const CanvasBox& box)
{
    return QRectF(QPointF(box.dLeft, box.dTop), QPointF(box.dRight, box.dBottom));
}

constexpr double kDegrees = 180 / std::numbers::pi;

}  // namespace

void CPdfSink::AddStep(Step step)
{
    FlushPixels();
    m_vecSteps.push_back(std::move(step));
}

void CPdfSink::AddShape(const CDCSinkState& state, const QPainterPath& path, bool bFilled)
{
    if (state.nROP2 == R2_NOP)
        return;
    const QBrush brush = bFilled ? BrushFor(state) : QBrush(Qt::NoBrush);
    const QPen pen = PenFor(state);
    // An opaque background shows in the gaps of a dashed pen.
    QPen penGaps(Qt::NoPen);
    if (pen.style() != Qt::NoPen && pen.style() != Qt::SolidLine && state.nBkMode == OPAQUE)
        penGaps = QPen(ToColor(state.colorBk), pen.widthF(), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    AddStep([path, brush, pen, penGaps](QPainter* pPainter) {
        if (brush.style() != Qt::NoBrush)
            pPainter->fillPath(path, brush);
        if (penGaps.style() != Qt::NoPen)
            pPainter->strokePath(path, penGaps);
        if (pen.style() != Qt::NoPen)
            pPainter->strokePath(path, pen);
    });
}

void CPdfSink::Line(const CDCSinkState& state, CPoint ptFrom, CPoint ptTo)
{
    QPainterPath path(ToPointF(state, ptFrom));
    path.lineTo(ToPointF(state, ptTo));
    AddShape(state, path, false);
}

void CPdfSink::Rectangle(const CDCSinkState& state, const CRect& rect)
{
    QPainterPath path;
    path.addRect(ToRectF(ToCanvasBox(state, rect)));
    AddShape(state, path, true);
}

void CPdfSink::RoundRect(const CDCSinkState& state, const CRect& rect, CSize sizeCorner)
{
    const CanvasBox box = ToCanvasBox(state, rect);
    const CanvasPoint ptRadii = ToCanvasCorner(state, box, sizeCorner);
    QPainterPath path;
    path.addRoundedRect(ToRectF(box), ptRadii.x, ptRadii.y);
    AddShape(state, path, true);
}

void CPdfSink::Ellipse(const CDCSinkState& state, const CRect& rect)
{
    QPainterPath path;
    path.addEllipse(ToRectF(ToCanvasBox(state, rect)));
    AddShape(state, path, true);
}

void CPdfSink::ArcShape(const CDCSinkState& state, CDCArcKind kind, const CRect& rect, CPoint ptStart,
                        CPoint ptEnd)
{
    CanvasArc arc;
    if (!ToCanvasArc(state, rect, ptStart, ptEnd, arc))
        return;
    // QPainterPath measures ellipse parameters in degrees, counter-clockwise
    // on the screen, as the arc's are.
    const QRectF rectEllipse(arc.cx - arc.a, arc.cy - arc.b, 2 * arc.a, 2 * arc.b);
    QPainterPath path;
    if (kind == CDCArcKind::Pie)
        path.moveTo(arc.cx, arc.cy);
    else
        path.arcMoveTo(rectEllipse, arc.dStart * kDegrees);
    path.arcTo(rectEllipse, arc.dStart * kDegrees, arc.dSweep * kDegrees);
    if (kind != CDCArcKind::Arc)
        path.closeSubpath();
    AddShape(state, path, kind != CDCArcKind::Arc);
}

void CPdfSink::Bezier(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    if (vecPoints.empty())
        return;
    QPainterPath path(ToPointF(state, vecPoints[0]));
    for (std::size_t i = 1; i + 2 < vecPoints.size(); i += 3)
        path.cubicTo(ToPointF(state, vecPoints[i]), ToPointF(state, vecPoints[i + 1]),
                     ToPointF(state, vecPoints[i + 2]));
    AddShape(state, path, false);
}

void CPdfSink::Polygon(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    QPolygonF polygon;
    for (const CPoint& pt : vecPoints)
        polygon << ToPointF(state, pt);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    AddShape(state, path, true);
}

void CPdfSink::Pixel(const CDCSinkState& state, CPoint pt, COLORREF color)
{
    if (state.nROP2 == R2_NOP)
        return;
    if (!m_pixels.Fits(state, color))
        FlushPixels();
    m_pixels.Add(state, pt, color);
}

// A long run goes in as an image, a short one as squares in whole pixel
// units.
void CPdfSink::FlushPixels()
{
    if (m_pixels.IsEmpty())
        return;
    const double dPixel = m_pixels.GetPixelUnits();
    const QColor color = ToColor(m_pixels.GetColor());
    if (m_pixels.IsLong()) {
        QRect rectBox;
        const QImage image = m_pixels.ToImage(&rectBox);
        AddImageStep(QRectF(rectBox.left() * dPixel, rectBox.top() * dPixel, rectBox.width() * dPixel,
                            rectBox.height() * dPixel),
                     image);
    } else {
        QList<QRect> listRects;
        for (const QPoint& ptPixel : m_pixels.GetPixels())
            listRects << QRect(ptPixel, QSize(1, 1));
        m_vecSteps.push_back([listRects, dPixel, color](QPainter* pPainter) {
            pPainter->save();
            pPainter->scale(dPixel, dPixel);
            pPainter->setPen(Qt::NoPen);
            pPainter->setBrush(color);
            pPainter->drawRects(listRects);
            pPainter->restore();
        });
    }
    m_pixels.Clear();
}

void CPdfSink::AddImageStep(const QRectF& rectTarget, const QImage& image)
{
    m_vecSteps.push_back([rectTarget, image](QPainter* pPainter) {
        pPainter->save();
        // Exactly its pixels: no blur between them, no lossy compression.
        pPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        pPainter->setRenderHint(QPainter::LosslessImageRendering);
        pPainter->drawImage(rectTarget, image);
        pPainter->restore();
    });
}

void CPdfSink::Text(const CDCSinkState& state, CPoint pt, const QString& strText, const QFont& fontDevice)
{
    if (state.nROP2 == R2_NOP || strText.isEmpty())
        return;
    const QFontMetricsF metrics(fontDevice);
    const double dPixel = SinkPixelUnits(state);
    const CanvasPoint p = ToCanvas(state, pt.x, pt.y);
    const QPointF ptCell(p.x - dPixel / 2, p.y - dPixel / 2);
    const double dWidth = metrics.horizontalAdvance(strText) * dPixel;
    QRectF rectBack;
    if (state.nBkMode == OPAQUE)
        rectBack = QRectF(ptCell, QSizeF(dWidth, metrics.height() * dPixel));
    QFont font(fontDevice);
    font.setPixelSize(std::max(1, int(std::lround(fontDevice.pixelSize() * dPixel))));
    const double dBaseline = ptCell.y() + metrics.ascent() * dPixel;
    AddStep([=, colorText = ToColor(state.colorText), colorBack = ToColor(state.colorBk)](QPainter* pPainter) {
        if (!rectBack.isNull())
            pPainter->fillRect(rectBack, colorBack);
        pPainter->save();
        pPainter->setFont(font);
        pPainter->setPen(colorText);
        // The screen's advance is kept: another size of the same font
        // rounds its glyphs' widths differently.
        const double dNatural = QFontMetricsF(font).horizontalAdvance(strText);
        pPainter->translate(ptCell.x(), dBaseline);
        if (dNatural > 0)
            pPainter->scale(std::clamp(dWidth / dNatural, 0.5, 2.0), 1.0);
        pPainter->drawText(QPointF(0, 0), strText);
        pPainter->restore();
    });
}

void CPdfSink::FloodFill(const CDCSinkState& state, const QImage& image, QPoint ptDevice)
{
    FlushPixels();
    const double dPixel = SinkPixelUnits(state);
    const CanvasPoint p = DeviceToCanvas(state, ptDevice);
    AddImageStep(QRectF(p.x, p.y, image.width() * dPixel, image.height() * dPixel), image);
}

void CPdfSink::Replay(QPainter* pPainter)
{
    FlushPixels();
    for (const Step& step : m_vecSteps)
        step(pPainter);
}
