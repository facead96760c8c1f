// Each primitive as the SVG element that draws the same shape. Points are
// moved half a screen pixel right and down, and boxes pulled in by half a
// pixel, so lines run where the screen's pixel centres lie.
#include "view/export/svgsink.h"

#include "view/export/sinkgeometry.h"

#include "platform/dc.h"
#include "platform/dc_raster.h"

#include <QBuffer>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

using SvgPoint = CanvasPoint;

QString Colour(COLORREF color)
{
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(color), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(color), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(color), 2, 16, QLatin1Char('0'));
}

QString PathPoint(const SvgPoint& pt)
{
    return SvgNumber(pt.x) + QLatin1Char(' ') + SvgNumber(pt.y);
}

QString Escape(const QString& str)
{
    return str.toHtmlEscaped();
}

QString PngDataUri(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(bytes.toBase64());
}

}  // namespace

QString SvgNumber(double d)
{
    if (!std::isfinite(d))
        return QStringLiteral("0");
    QString str = QString::number(d, 'f', 2);
    while (str.endsWith(QLatin1Char('0')))
        str.chop(1);
    if (str.endsWith(QLatin1Char('.')))
        str.chop(1);
    return str == QStringLiteral("-0") ? QStringLiteral("0") : str;
}

QString CSvgSink::StrokeAttributes(const CDCSinkState& state) const
{
    if (state.pen.nStyle == PS_NULL)
        return QStringLiteral(" stroke=\"none\"");
    const double dPixels = SinkPenPixels(state);
    QString str = QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                      .arg(Colour(state.pen.color), SvgNumber(dPixels * SinkPixelUnits(state)));
    const std::vector<double> vecDash = DashPattern(state.pen.nStyle);
    if (vecDash.empty())
        return str + QStringLiteral(" stroke-linecap=\"round\" stroke-linejoin=\"round\"");
    QStringList listDash;
    for (double dRun : vecDash)
        listDash << SvgNumber(dRun * dPixels * SinkPixelUnits(state));
    return str + QStringLiteral(" stroke-dasharray=\"%1\" stroke-linejoin=\"round\"").arg(listDash.join(u','));
}

QString CSvgSink::FillAttributes(const CDCSinkState& state, bool bFilled)
{
    if (!bFilled || state.brush.type == BrushData::Type::Null)
        return QStringLiteral(" fill=\"none\"");
    if (state.brush.type == BrushData::Type::Solid)
        return QStringLiteral(" fill=\"%1\"").arg(Colour(state.brush.color));
    return QStringLiteral(" fill=\"url(#%1)\" fill-rule=\"evenodd\"").arg(PatternFor(state));
}

// Hatches and patterns are tiles on the surface's pixel grid; each distinct
// one is defined once.
QString CSvgSink::PatternFor(const CDCSinkState& state)
{
    const BrushData& brush = state.brush;
    const bool bHatch = brush.type == BrushData::Type::Hatch;
    const QImage tile = bHatch ? SinkHatchTile(brush) : brush.pattern.convertToFormat(QImage::Format_RGB32);
    const bool bGaps = bHatch && state.nBkMode == OPAQUE;
    const QString strKey = bHatch ? QStringLiteral("h%1-%2-%3").arg(brush.nHatch).arg(brush.color).arg(bGaps ? qint64(state.colorBk) : -1)
                                  : PngDataUri(tile);
    const double dPixel = SinkPixelUnits(state);
    const QString strKeyScaled = strKey + QLatin1Char('@') + SvgNumber(dPixel);
    if (m_mapPatterns.contains(strKeyScaled))
        return m_mapPatterns.value(strKeyScaled);
    const QString strId = QStringLiteral("fill%1").arg(m_mapPatterns.size() + 1);
    m_mapPatterns.insert(strKeyScaled, strId);
    const double dOrgX = state.ptViewportOrg.x * dPixel, dOrgY = state.ptViewportOrg.y * dPixel;
    m_strDefs += QStringLiteral("<pattern id=\"%1\" patternUnits=\"userSpaceOnUse\" x=\"%2\" y=\"%3\" "
                                "width=\"%4\" height=\"%5\">")
                     .arg(strId, SvgNumber(dOrgX), SvgNumber(dOrgY), SvgNumber(tile.width() * dPixel),
                          SvgNumber(tile.height() * dPixel));
    if (!bHatch) {
        m_strDefs += QStringLiteral("<image width=\"%1\" height=\"%2\" preserveAspectRatio=\"none\" "
                                    "style=\"image-rendering:pixelated\" xlink:href=\"%3\"/>")
                         .arg(SvgNumber(tile.width() * dPixel), SvgNumber(tile.height() * dPixel), strKey);
    } else {
        if (bGaps)
            m_strDefs += QStringLiteral("<rect width=\"%1\" height=\"%1\" fill=\"%2\"/>")
                             .arg(SvgNumber(8 * dPixel), Colour(state.colorBk));
        QString strPath;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (qAlpha(tile.pixel(x, y)) != 0)
                    strPath += QStringLiteral("M%1 %2h%3v%3h-%3z")
                                   .arg(SvgNumber(x * dPixel), SvgNumber(y * dPixel), SvgNumber(dPixel));
        m_strDefs += QStringLiteral("<path d=\"%1\" fill=\"%2\"/>").arg(strPath, Colour(brush.color));
    }
    m_strDefs += QStringLiteral("</pattern>\n");
    return strId;
}

void CSvgSink::AddShape(const CDCSinkState& state, const QString& strShape, bool bFilled)
{
    FlushPixels();
    if (state.nROP2 == R2_NOP)
        return;
    // An opaque background shows in the gaps of a dashed pen.
    if (state.pen.nStyle != PS_NULL && !DashPattern(state.pen.nStyle).empty() && state.nBkMode == OPAQUE)
        m_strBody += QStringLiteral("<%1 fill=\"none\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
                         .arg(strShape, Colour(state.colorBk), SvgNumber(SinkPenPixels(state) * SinkPixelUnits(state)));
    m_strBody += QStringLiteral("<%1%2%3/>\n").arg(strShape, FillAttributes(state, bFilled), StrokeAttributes(state));
}

void CSvgSink::Line(const CDCSinkState& state, CPoint ptFrom, CPoint ptTo)
{
    AddShape(state,
             QStringLiteral("path d=\"M%1L%2\"")
                 .arg(PathPoint(ToCanvas(state, ptFrom.x, ptFrom.y)), PathPoint(ToCanvas(state, ptTo.x, ptTo.y))),
             false);
}

void CSvgSink::Rectangle(const CDCSinkState& state, const CRect& rect)
{
    const CanvasBox box = ToCanvasBox(state, rect);
    AddShape(state,
             QStringLiteral("rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                 .arg(SvgNumber(box.dLeft), SvgNumber(box.dTop), SvgNumber(box.dRight - box.dLeft),
                      SvgNumber(box.dBottom - box.dTop)),
             true);
}

void CSvgSink::RoundRect(const CDCSinkState& state, const CRect& rect, CSize sizeCorner)
{
    const CanvasBox box = ToCanvasBox(state, rect);
    const CanvasPoint ptRadii = ToCanvasCorner(state, box, sizeCorner);
    AddShape(state,
             QStringLiteral("rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" ry=\"%6\"")
                 .arg(SvgNumber(box.dLeft), SvgNumber(box.dTop), SvgNumber(box.dRight - box.dLeft),
                      SvgNumber(box.dBottom - box.dTop), SvgNumber(ptRadii.x), SvgNumber(ptRadii.y)),
             true);
}

void CSvgSink::Ellipse(const CDCSinkState& state, const CRect& rect)
{
    const CanvasBox box = ToCanvasBox(state, rect);
    AddShape(state,
             QStringLiteral("ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                 .arg(SvgNumber((box.dLeft + box.dRight) / 2), SvgNumber((box.dTop + box.dBottom) / 2),
                      SvgNumber((box.dRight - box.dLeft) / 2), SvgNumber((box.dBottom - box.dTop) / 2)),
             true);
}

void CSvgSink::ArcShape(const CDCSinkState& state, CDCArcKind kind, const CRect& rect, CPoint ptStart,
                        CPoint ptEnd)
{
    CanvasArc arc;
    if (!ToCanvasArc(state, rect, ptStart, ptEnd, arc))
        return;
    const QString strRadii = SvgNumber(arc.a) + QLatin1Char(' ') + SvgNumber(arc.b);
    // A whole turn is two halves: one SVG arc cannot end where it starts.
    const double dMid = arc.dStart + arc.dSweep / 2;
    QString strPath = QStringLiteral("M%1").arg(PathPoint(arc.At(arc.dStart)));
    strPath += QStringLiteral("A%1 0 0 0 %2").arg(strRadii, PathPoint(arc.At(dMid)));
    strPath += QStringLiteral("A%1 0 0 0 %2").arg(strRadii, PathPoint(arc.At(arc.dStart + arc.dSweep)));
    if (kind == CDCArcKind::Pie)
        strPath += QStringLiteral("L%1").arg(PathPoint({arc.cx, arc.cy}));
    if (kind != CDCArcKind::Arc)
        strPath += QLatin1Char('Z');
    AddShape(state, QStringLiteral("path d=\"%1\"").arg(strPath), kind != CDCArcKind::Arc);
}

void CSvgSink::Bezier(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    QString strPath = QStringLiteral("M%1").arg(PathPoint(ToCanvas(state, vecPoints[0].x, vecPoints[0].y)));
    for (std::size_t i = 1; i + 2 < vecPoints.size(); i += 3) {
        strPath += QStringLiteral("C%1 %2 %3")
                       .arg(PathPoint(ToCanvas(state, vecPoints[i].x, vecPoints[i].y)),
                            PathPoint(ToCanvas(state, vecPoints[i + 1].x, vecPoints[i + 1].y)),
                            PathPoint(ToCanvas(state, vecPoints[i + 2].x, vecPoints[i + 2].y)));
    }
    AddShape(state, QStringLiteral("path d=\"%1\"").arg(strPath), false);
}

void CSvgSink::Polygon(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    QStringList listPoints;
    for (const CPoint& pt : vecPoints)
        listPoints << PathPoint(ToCanvas(state, pt.x, pt.y));
    AddShape(state, QStringLiteral("path fill-rule=\"evenodd\" d=\"M%1Z\"").arg(listPoints.join(u'L')), true);
}

void CSvgSink::Pixel(const CDCSinkState& state, CPoint pt, COLORREF color)
{
    if (state.nROP2 == R2_NOP)
        return;
    if (!m_pixels.Fits(state, color))
        FlushPixels();
    m_pixels.Add(state, pt, color);
}

// A long run goes in as an image: as squares it would take a dozen bytes
// a pixel. A short one stays squares, in whole pixels, each relative to
// the one before (a closed square leaves the pen at its corner).
void CSvgSink::FlushPixels()
{
    if (m_pixels.IsEmpty())
        return;
    const double dPixel = m_pixels.GetPixelUnits();
    if (m_pixels.IsLong()) {
        QRect rectBox;
        const QImage image = m_pixels.ToImage(&rectBox);
        AddPixelImage(rectBox.left() * dPixel, rectBox.top() * dPixel, dPixel, image);
    } else {
        QString strPath;
        QPoint ptPen;
        for (const QPoint& ptPixel : m_pixels.GetPixels()) {
            const QPoint ptMove = ptPixel - ptPen;
            strPath += QStringLiteral("m%1 %2h1v1h-1z").arg(ptMove.x()).arg(ptMove.y());
            ptPen = ptPixel;
        }
        m_strBody += QStringLiteral("<path transform=\"scale(%1)\" fill=\"%2\" d=\"M%3\"/>\n")
                         .arg(QString::number(dPixel, 'f', 6), Colour(m_pixels.GetColor()), strPath.mid(1));
    }
    m_pixels.Clear();
}

void CSvgSink::AddPixelImage(double x, double y, double dPixel, const QImage& image)
{
    m_strBody += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" preserveAspectRatio=\"none\" "
                                "style=\"image-rendering:pixelated\" xlink:href=\"%5\"/>\n")
                     .arg(SvgNumber(x), SvgNumber(y), SvgNumber(image.width() * dPixel),
                          SvgNumber(image.height() * dPixel), PngDataUri(image));
}

void CSvgSink::Text(const CDCSinkState& state, CPoint pt, const QString& strText, const QFont& fontDevice)
{
    if (state.nROP2 == R2_NOP || strText.isEmpty())
        return;
    FlushPixels();
    const QFontMetricsF metrics(fontDevice);
    const double dPixel = SinkPixelUnits(state);
    const SvgPoint p = ToCanvas(state, pt.x, pt.y);
    const double x = p.x - dPixel / 2, y = p.y - dPixel / 2;
    const double dWidth = metrics.horizontalAdvance(strText) * dPixel;
    if (state.nBkMode == OPAQUE)
        m_strBody += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                         .arg(SvgNumber(x), SvgNumber(y), SvgNumber(dWidth),
                              SvgNumber(metrics.height() * dPixel), Colour(state.colorBk));
    QString strDecoration;
    if (fontDevice.underline() || fontDevice.strikeOut())
        strDecoration = QStringLiteral(" text-decoration=\"%1\"")
                            .arg(fontDevice.underline() ? QStringLiteral("underline") : QStringLiteral("line-through"));
    // The advance is pinned so that another reader's font keeps the width.
    m_strBody += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4\" font-weight=\"%5\""
                                " font-style=\"%6\" fill=\"%7\" textLength=\"%8\" lengthAdjust=\"spacingAndGlyphs\""
                                "%9 xml:space=\"preserve\">")
                     .arg(SvgNumber(x), SvgNumber(y + metrics.ascent() * dPixel), Escape(fontDevice.family()),
                          SvgNumber(fontDevice.pixelSize() * dPixel), QString::number(fontDevice.weight()),
                          fontDevice.italic() ? QStringLiteral("italic") : QStringLiteral("normal"),
                          Colour(state.colorText), SvgNumber(dWidth), strDecoration)
                 + Escape(strText) + QStringLiteral("</text>\n");
}

void CSvgSink::FloodFill(const CDCSinkState& state, const QImage& image, QPoint ptDevice)
{
    FlushPixels();
    const auto [x, y] = DeviceToCanvas(state, ptDevice);
    AddPixelImage(x, y, SinkPixelUnits(state), image);
}

QByteArray CSvgSink::Document(CSize sizeCanvas)
{
    FlushPixels();
    const QString strWidth = SvgNumber(sizeCanvas.cx / 100.0), strHeight = SvgNumber(sizeCanvas.cy / 100.0);
    QString str = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                                 "width=\"%1mm\" height=\"%2mm\" viewBox=\"0 0 %3 %4\">\n")
                      .arg(strWidth, strHeight)
                      .arg(sizeCanvas.cx)
                      .arg(sizeCanvas.cy);
    if (!m_strDefs.isEmpty())
        str += QStringLiteral("<defs>\n") + m_strDefs + QStringLiteral("</defs>\n");
    str += QStringLiteral("<rect width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>\n").arg(sizeCanvas.cx).arg(sizeCanvas.cy);
    str += m_strBody + QStringLiteral("</svg>\n");
    return str.toUtf8();
}
