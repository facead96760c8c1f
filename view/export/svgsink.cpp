// Each primitive as the SVG element that draws the same shape. Points are
// moved half a screen pixel right and down, and boxes pulled in by half a
// pixel, so lines run where the screen's pixel centres lie.
#include "view/export/svgsink.h"

#include "platform/dc.h"
#include "platform/dc_raster.h"

#include <QBuffer>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Logical units per device pixel, and the factor from logical units to SVG
// units (1 in the metric mapping, a pixel's units in the pixel mapping).
double PixelUnits(const CDCSinkState& state)
{
    return state.dUnitsPerPixel;
}
double LogicalScale(const CDCSinkState& state)
{
    return state.nMapMode == MM_TEXT ? state.dUnitsPerPixel : 1.0;
}

struct SvgPoint {
    double x, y;
};

// A logical point as SVG coordinates: the canvas y axis points up, SVG's down.
SvgPoint ToSvg(const CDCSinkState& state, double x, double y)
{
    const double dScale = LogicalScale(state), dHalf = PixelUnits(state) / 2;
    const double dOrgX = state.ptViewportOrg.x * PixelUnits(state);
    const double dOrgY = state.ptViewportOrg.y * PixelUnits(state);
    const double dY = state.nMapMode == MM_TEXT ? y * dScale : -y;
    return {x * dScale + dOrgX + dHalf, dY + dOrgY + dHalf};
}

// A box through the centres of its outermost pixels.
struct SvgBox {
    double dLeft, dTop, dRight, dBottom;
};
SvgBox ToSvgBox(const CDCSinkState& state, const CRect& rect)
{
    const SvgPoint p1 = ToSvg(state, rect.left, rect.top), p2 = ToSvg(state, rect.right, rect.bottom);
    const double dPixel = PixelUnits(state);
    return {std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x) - dPixel,
            std::max(p1.y, p2.y) - dPixel};
}

QString Colour(COLORREF color)
{
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(color), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(color), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(color), 2, 16, QLatin1Char('0'));
}

// The pen's width in whole device pixels, as the context draws it.
double PenPixels(const CDCSinkState& state)
{
    const double dPixels = state.nMapMode == MM_TEXT ? double(state.pen.nWidth)
                                                     : state.pen.nWidth / state.dUnitsPerPixel;
    return std::clamp(std::floor(dPixels + 0.5), 1.0, 1e9);
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

// The pixels of an 8 x 8 hatch tile, found by letting a context paint it.
QImage HatchTile(const BrushData& brush)
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
    const double dPixels = PenPixels(state);
    QString str = QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                      .arg(Colour(state.pen.color), SvgNumber(dPixels * PixelUnits(state)));
    const std::vector<double> vecDash = DashPattern(state.pen.nStyle);
    if (vecDash.empty())
        return str + QStringLiteral(" stroke-linecap=\"round\" stroke-linejoin=\"round\"");
    QStringList listDash;
    for (double dRun : vecDash)
        listDash << SvgNumber(dRun * dPixels * PixelUnits(state));
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
    const QImage tile = bHatch ? HatchTile(brush) : brush.pattern.convertToFormat(QImage::Format_RGB32);
    const bool bGaps = bHatch && state.nBkMode == OPAQUE;
    const QString strKey = bHatch ? QStringLiteral("h%1-%2-%3").arg(brush.nHatch).arg(brush.color).arg(bGaps ? qint64(state.colorBk) : -1)
                                  : PngDataUri(tile);
    const double dPixel = PixelUnits(state);
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
    if (state.nROP2 == R2_NOP)
        return;
    // An opaque background shows in the gaps of a dashed pen.
    if (state.pen.nStyle != PS_NULL && !DashPattern(state.pen.nStyle).empty() && state.nBkMode == OPAQUE)
        m_strBody += QStringLiteral("<%1 fill=\"none\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
                         .arg(strShape, Colour(state.colorBk), SvgNumber(PenPixels(state) * PixelUnits(state)));
    m_strBody += QStringLiteral("<%1%2%3/>\n").arg(strShape, FillAttributes(state, bFilled), StrokeAttributes(state));
}

void CSvgSink::Line(const CDCSinkState& state, CPoint ptFrom, CPoint ptTo)
{
    AddShape(state,
             QStringLiteral("path d=\"M%1L%2\"")
                 .arg(PathPoint(ToSvg(state, ptFrom.x, ptFrom.y)), PathPoint(ToSvg(state, ptTo.x, ptTo.y))),
             false);
}

void CSvgSink::Rectangle(const CDCSinkState& state, const CRect& rect)
{
    const SvgBox box = ToSvgBox(state, rect);
    AddShape(state,
             QStringLiteral("rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                 .arg(SvgNumber(box.dLeft), SvgNumber(box.dTop), SvgNumber(box.dRight - box.dLeft),
                      SvgNumber(box.dBottom - box.dTop)),
             true);
}

void CSvgSink::RoundRect(const CDCSinkState& state, const CRect& rect, CSize sizeCorner)
{
    const SvgBox box = ToSvgBox(state, rect);
    const double dScale = LogicalScale(state), dPixel = PixelUnits(state);
    const double rx = std::clamp((std::abs(double(sizeCorner.cx)) * dScale - dPixel) / 2, 0.0, (box.dRight - box.dLeft) / 2);
    const double ry = std::clamp((std::abs(double(sizeCorner.cy)) * dScale - dPixel) / 2, 0.0, (box.dBottom - box.dTop) / 2);
    AddShape(state,
             QStringLiteral("rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" ry=\"%6\"")
                 .arg(SvgNumber(box.dLeft), SvgNumber(box.dTop), SvgNumber(box.dRight - box.dLeft),
                      SvgNumber(box.dBottom - box.dTop), SvgNumber(rx), SvgNumber(ry)),
             true);
}

void CSvgSink::Ellipse(const CDCSinkState& state, const CRect& rect)
{
    const SvgBox box = ToSvgBox(state, rect);
    AddShape(state,
             QStringLiteral("ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                 .arg(SvgNumber((box.dLeft + box.dRight) / 2), SvgNumber((box.dTop + box.dBottom) / 2),
                      SvgNumber((box.dRight - box.dLeft) / 2), SvgNumber((box.dBottom - box.dTop) / 2)),
             true);
}

void CSvgSink::ArcShape(const CDCSinkState& state, CDCArcKind kind, const CRect& rect, CPoint ptStart,
                        CPoint ptEnd)
{
    const SvgBox box = ToSvgBox(state, rect);
    const double cx = (box.dLeft + box.dRight) / 2, cy = (box.dTop + box.dBottom) / 2;
    const double a = (box.dRight - box.dLeft) / 2, b = (box.dBottom - box.dTop) / 2;
    if (a <= 0 || b <= 0)
        return;
    // Parameters measured counter-clockwise on the screen, SVG's y down.
    const SvgPoint s = ToSvg(state, ptStart.x, ptStart.y), e = ToSvg(state, ptEnd.x, ptEnd.y);
    const double dStart = std::atan2(-(s.y - cy) / b, (s.x - cx) / a);
    const double dEnd = std::atan2(-(e.y - cy) / b, (e.x - cx) / a);
    double dSweep = std::fmod(dEnd - dStart + 4 * std::numbers::pi, 2 * std::numbers::pi);
    if (dSweep < 1e-9)
        dSweep = 2 * std::numbers::pi;
    auto At = [&](double t) { return SvgPoint{cx + a * std::cos(t), cy - b * std::sin(t)}; };
    const QString strRadii = SvgNumber(a) + QLatin1Char(' ') + SvgNumber(b);
    // A whole turn is two halves: one SVG arc cannot end where it starts.
    const double dMid = dStart + dSweep / 2;
    QString strPath = QStringLiteral("M%1").arg(PathPoint(At(dStart)));
    strPath += QStringLiteral("A%1 0 0 0 %2").arg(strRadii, PathPoint(At(dMid)));
    strPath += QStringLiteral("A%1 0 0 0 %2").arg(strRadii, PathPoint(At(dStart + dSweep)));
    if (kind == CDCArcKind::Pie)
        strPath += QStringLiteral("L%1").arg(PathPoint({cx, cy}));
    if (kind != CDCArcKind::Arc)
        strPath += QLatin1Char('Z');
    AddShape(state, QStringLiteral("path d=\"%1\"").arg(strPath), kind != CDCArcKind::Arc);
}

void CSvgSink::Bezier(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    QString strPath = QStringLiteral("M%1").arg(PathPoint(ToSvg(state, vecPoints[0].x, vecPoints[0].y)));
    for (std::size_t i = 1; i + 2 < vecPoints.size(); i += 3) {
        strPath += QStringLiteral("C%1 %2 %3")
                       .arg(PathPoint(ToSvg(state, vecPoints[i].x, vecPoints[i].y)),
                            PathPoint(ToSvg(state, vecPoints[i + 1].x, vecPoints[i + 1].y)),
                            PathPoint(ToSvg(state, vecPoints[i + 2].x, vecPoints[i + 2].y)));
    }
    AddShape(state, QStringLiteral("path d=\"%1\"").arg(strPath), false);
}

void CSvgSink::Polygon(const CDCSinkState& state, const std::vector<CPoint>& vecPoints)
{
    QStringList listPoints;
    for (const CPoint& pt : vecPoints)
        listPoints << PathPoint(ToSvg(state, pt.x, pt.y));
    AddShape(state, QStringLiteral("path fill-rule=\"evenodd\" d=\"M%1Z\"").arg(listPoints.join(u'L')), true);
}

void CSvgSink::Pixel(const CDCSinkState& state, CPoint pt, COLORREF color)
{
    if (state.nROP2 == R2_NOP)
        return;
    const double dPixel = PixelUnits(state);
    const SvgPoint p = ToSvg(state, pt.x, pt.y);
    // The pixel whose centre is nearest, as the context sets it.
    const double x = std::floor(p.x / dPixel) * dPixel, y = std::floor(p.y / dPixel) * dPixel;
    m_strBody += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\"/>\n")
                     .arg(SvgNumber(x), SvgNumber(y), SvgNumber(dPixel), Colour(color));
}

void CSvgSink::Text(const CDCSinkState& state, CPoint pt, const QString& strText, const QFont& fontDevice)
{
    if (state.nROP2 == R2_NOP || strText.isEmpty())
        return;
    const QFontMetricsF metrics(fontDevice);
    const double dPixel = PixelUnits(state);
    const SvgPoint p = ToSvg(state, pt.x, pt.y);
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
    const double dPixel = PixelUnits(state);
    const double x = (ptDevice.x() - state.ptViewportOrg.x) * dPixel;
    const double y = (ptDevice.y() - state.ptViewportOrg.y) * dPixel;
    m_strBody += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" preserveAspectRatio=\"none\" "
                                "style=\"image-rendering:pixelated\" xlink:href=\"%5\"/>\n")
                     .arg(SvgNumber(x), SvgNumber(y), SvgNumber(image.width() * dPixel),
                          SvgNumber(image.height() * dPixel), PngDataUri(image));
}

QByteArray CSvgSink::Document(CSize sizeCanvas) const
{
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
