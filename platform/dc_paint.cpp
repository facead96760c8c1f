#include "platform/dc.h"

#include "platform/dc_impl.h"
#include "platform/dc_raster.h"
#include "platform/dc_spans.h"

#include <QImage>

#include <algorithm>
#include <vector>

namespace {

// Devices other than images are painted in bands of this many rows, each
// an image of its own, so a page never needs one huge buffer.
constexpr int kBandRows = 128;

// A pattern's rows laid end to end as long as the longest span, so a span
// copied over the surface is one block copy from the right offset.
class CTileRows {
public:
    CTileRows(const QImage* pTile, const CPixelSpans& spans)
    {
        if (!pTile)
            return;
        m_nTileWidth = pTile->width();
        m_nTileHeight = pTile->height();
        int nLongest = 0;
        for (const PixelSpan& span : spans.Spans())
            nLongest = std::max(nLongest, span.x1 - span.x0 + 1);
        m_nRowLength = nLongest + m_nTileWidth;
        m_vecRows.resize(std::size_t(m_nRowLength) * std::size_t(m_nTileHeight));
        for (int y = 0; y < m_nTileHeight; ++y) {
            const QRgb* pTileRow = reinterpret_cast<const QRgb*>(pTile->constScanLine(y));
            QRgb* pRow = m_vecRows.data() + std::size_t(y) * std::size_t(m_nRowLength);
            for (int x = 0; x < m_nRowLength; ++x)
                pRow[x] = pTileRow[x % m_nTileWidth] | 0xFF000000u;
        }
    }
    // Tiles are aligned to the surface's pixel grid, as device brushes are.
    void CopyInto(QRgb* pRow, const PixelSpan& span) const
    {
        const QRgb* pFrom = m_vecRows.data() + std::size_t(span.y % m_nTileHeight) * std::size_t(m_nRowLength) +
                            span.x0 % m_nTileWidth;
        std::copy_n(pFrom, span.x1 - span.x0 + 1, pRow + span.x0);
    }

private:
    int m_nTileWidth = 1;
    int m_nTileHeight = 1;
    int m_nRowLength = 0;
    std::vector<QRgb> m_vecRows;
};

}  // namespace

bool HatchBit(int nHatch, int x, int y)
{
    const bool bHorizontal = (y & 7) == 0;
    const bool bVertical = (x & 7) == 0;
    const bool bDown = ((x - y) & 7) == 0;  // top left to bottom right
    const bool bUp = ((x + y) & 7) == 7;    // bottom left to top right
    switch (nHatch) {
    case HS_HORIZONTAL: return bHorizontal;
    case HS_VERTICAL: return bVertical;
    case HS_FDIAGONAL: return bDown;
    case HS_BDIAGONAL: return bUp;
    case HS_CROSS: return bHorizontal || bVertical;
    case HS_DIAGCROSS: return bDown || bUp;
    default: return false;
    }
}

bool CDC::Ink::At(int x, int y, QRgb* pRgb) const
{
    switch (kind) {
    case Kind::Solid:
        *pRgb = rgb;
        return true;
    case Kind::Hatch:
        if (HatchBit(nHatch, x, y)) {
            *pRgb = rgb;
            return true;
        }
        *pRgb = rgbGap;
        return bGapsPainted;
    case Kind::Tile: {
        // Tiles are aligned to the surface's pixel grid, as device brushes are.
        const QRgb* pRow = reinterpret_cast<const QRgb*>(pTile->constScanLine(y % pTile->height()));
        *pRgb = pRow[x % pTile->width()] | 0xFF000000u;
        return true;
    }
    }
    return false;
}

CDC::Ink CDC::PenInk() const
{
    Ink ink;
    ink.rgb = ToRgb(m_pen.color);
    return ink;
}

CDC::Ink CDC::BackInk() const
{
    Ink ink;
    ink.rgb = ToRgb(m_colorBk);
    return ink;
}

CDC::Ink CDC::BrushInk() const
{
    Ink ink;
    ink.rgb = ToRgb(m_brush.color);
    if (m_brush.type == BrushData::Type::Hatch) {
        ink.kind = Ink::Kind::Hatch;
        ink.nHatch = m_brush.nHatch;
        ink.bGapsPainted = m_nBkMode == OPAQUE;
        ink.rgbGap = ToRgb(m_colorBk);
    } else if (m_brush.type == BrushData::Type::Pattern) {
        ink.kind = Ink::Kind::Tile;
        ink.pTile = &m_brush.pattern;
    }
    return ink;
}

void CDC::DrawPath(const DevicePath& path)
{
    const QRect rectSurface = ClipRect();
    if (rectSurface.isEmpty() || path.vecPoints.empty() || MissesClip(path, rectSurface))
        return;
    CPixelSpans spansPen(rectSurface), spansGaps(rectSurface), spansFill(rectSurface);
    if (path.dPenWidth > 0) {
        const std::vector<double> vecDash = DashPattern(m_pen.nStyle);
        if (path.dPenWidth <= 1)
            // The gaps of a one-pixel styled pen show the background colour
            // in OPAQUE mode.
            ChainPixels(path.vecPoints, path.bClosed, vecDash, &spansPen,
                        m_nBkMode == OPAQUE && !vecDash.empty() ? &spansGaps : nullptr);
        else
            WideLinePixels(path.vecPoints, path.bClosed, path.dPenWidth, vecDash, &spansPen);
    }
    const bool bFill = path.bFilled && path.vecPoints.size() >= 2 &&
                       m_brush.type != BrushData::Type::Null &&
                       (m_brush.type != BrushData::Type::Pattern || !m_brush.pattern.isNull());
    if (bFill)
        PolygonPixels(path.vecPoints, &spansFill);
    // Each pixel is painted once, so an inverting pass meets it once.
    spansPen.Normalise();
    spansGaps.Subtract(spansPen);
    spansFill.Subtract(spansPen);
    spansFill.Subtract(spansGaps);
    PaintSpans(spansFill, BrushInk());
    PaintSpans(spansGaps, BackInk());
    PaintSpans(spansPen, PenInk());
}

// Whether no pixel of the path, pen included, can reach the clip: a band
// then skips a figure that lies in other rows at the cost of one pass.
bool CDC::MissesClip(const DevicePath& path, const QRect& rectClip)
{
    double dTop = path.vecPoints.front().y(), dBottom = dTop;
    double dLeft = path.vecPoints.front().x(), dRight = dLeft;
    for (const QPointF& pt : path.vecPoints) {
        dTop = std::min(dTop, pt.y());
        dBottom = std::max(dBottom, pt.y());
        dLeft = std::min(dLeft, pt.x());
        dRight = std::max(dRight, pt.x());
    }
    const double dReach = path.dPenWidth / 2 + 2;
    return dBottom + dReach < rectClip.top() || dTop - dReach > rectClip.bottom() ||
           dRight + dReach < rectClip.left() || dLeft - dReach > rectClip.right();
}

void CDC::PaintSpans(CPixelSpans& spans, const Ink& ink)
{
    spans.Normalise();
    if (spans.IsEmpty() || m_nROP2 == R2_NOP)
        return;
    if (m_pImage)
        PaintSpansOnImage(spans, ink);
    else
        PaintSpansThroughPainter(spans, ink);
    Touch(spans.BoundingRect());
}

void CDC::PaintSpansOnImage(const CPixelSpans& spans, const Ink& ink)
{
    const bool bPlainCopy = ink.kind == Ink::Kind::Solid && m_nROP2 == R2_COPYPEN;
    // scanLine() checks and detaches on every call; once is enough.
    uchar* pBits = reinterpret_cast<uchar*>(SurfaceRow(0));
    const qsizetype nStride = m_pImage->bytesPerLine();
    const CTileRows tileRows(ink.kind == Ink::Kind::Tile && m_nROP2 == R2_COPYPEN ? ink.pTile : nullptr, spans);
    for (const PixelSpan& span : spans.Spans()) {
        QRgb* pRow = reinterpret_cast<QRgb*>(pBits + span.y * nStride);
        if (bPlainCopy) {
            std::fill(pRow + span.x0, pRow + span.x1 + 1, ink.rgb | 0xFF000000u);
            continue;
        }
        if (ink.kind == Ink::Kind::Tile) {
            if (m_nROP2 == R2_COPYPEN)
                tileRows.CopyInto(pRow, span);
            else
                PaintTileSpan(pRow, span, *ink.pTile);
            continue;
        }
        for (int x = span.x0; x <= span.x1; ++x) {
            QRgb rgb;
            if (ink.At(x, span.y, &rgb))
                pRow[x] = ApplyRop(m_nROP2, rgb, pRow[x]);
        }
    }
}

// A pattern fill walks its tile's row beside the span, as Ink::At would
// find it pixel by pixel: a whole-canvas fill spent most of its time
// looking the tile up.
void CDC::PaintTileSpan(QRgb* pRow, const PixelSpan& span, const QImage& imageTile) const
{
    const int nTileWidth = imageTile.width();
    const QRgb* pTileRow = reinterpret_cast<const QRgb*>(imageTile.constScanLine(span.y % imageTile.height()));
    int xTile = span.x0 % nTileWidth;
    for (int x = span.x0; x <= span.x1; ++x) {
        pRow[x] = ApplyRop(m_nROP2, pTileRow[xTile] | 0xFF000000u, pRow[x]);
        if (++xTile == nTileWidth)
            xTile = 0;
    }
}

void CDC::PaintSpansThroughPainter(const CPixelSpans& spans, const Ink& ink)
{
    // A printer keeps no pixels to combine with: what the raster operation
    // would give on white paper is what it gets.
    QPainter* pPainter = OpenPainter();
    if (!pPainter)
        return;
    pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const std::vector<PixelSpan>& vecSpans = spans.Spans();
    for (std::size_t nFirst = 0; nFirst < vecSpans.size();) {
        const int yBand = vecSpans[nFirst].y;
        std::size_t nEnd = nFirst;
        int xLeft = vecSpans[nFirst].x0, xRight = vecSpans[nFirst].x1;
        while (nEnd < vecSpans.size() && vecSpans[nEnd].y < yBand + kBandRows) {
            xLeft = std::min(xLeft, vecSpans[nEnd].x0);
            xRight = std::max(xRight, vecSpans[nEnd].x1);
            ++nEnd;
        }
        QImage imageBand(xRight - xLeft + 1, kBandRows, QImage::Format_ARGB32_Premultiplied);
        imageBand.fill(Qt::transparent);
        for (std::size_t i = nFirst; i < nEnd; ++i) {
            const PixelSpan& span = vecSpans[i];
            QRgb* pRow = reinterpret_cast<QRgb*>(imageBand.scanLine(span.y - yBand));
            for (int x = span.x0; x <= span.x1; ++x) {
                QRgb rgb;
                if (ink.At(x, span.y, &rgb))
                    pRow[x - xLeft] = ApplyRop(m_nROP2, rgb, 0xFFFFFFFFu);
            }
        }
        pPainter->drawImage(QPoint(xLeft, yBand), imageBand);
        nFirst = nEnd;
    }
}
