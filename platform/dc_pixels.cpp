#include "platform/dc.h"

#include "platform/dc_impl.h"
#include "platform/dc_raster.h"
#include "platform/dcsink.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;

// Which pixels a flood fill may take: those not of the border colour, or
// those of the surface colour.
struct FillRule {
    QRgb rgbTarget;
    bool bBorder;
    bool Takes(QRgb rgb) const { return ((rgb & kRgbMask) == rgbTarget) != bBorder; }
};

// Pixels still open to the fill: 1 where the rule takes the pixel and no
// span holds it yet. One pass over the surface that the compiler runs on
// whole vectors; the search then works on bytes alone.
std::vector<std::uint8_t> OpenPixels(const QImage& image, const FillRule& rule)
{
    const int nWidth = image.width(), nHeight = image.height();
    std::vector<std::uint8_t> vecOpen(std::size_t(nWidth) * std::size_t(nHeight));
    const QRgb rgbTarget = rule.rgbTarget;
    const std::uint8_t nIfTarget = rule.bBorder ? 0 : 1;
    for (int y = 0; y < nHeight; ++y) {
        const QRgb* pRow = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* pOpen = vecOpen.data() + std::size_t(y) * std::size_t(nWidth);
        for (int x = 0; x < nWidth; ++x)
            pOpen[x] = ((pRow[x] & kRgbMask) == rgbTarget) ? nIfTarget : std::uint8_t(1 - nIfTarget);
    }
    return vecOpen;
}

// The first open byte in [x, xEnd), or xEnd; eight bytes at a time, as a
// row the fill came from is closed over its whole length.
int FirstOpen(const std::uint8_t* pOpen, int x, int xEnd)
{
    while (x < xEnd && (x & 7) != 0 && !pOpen[x])
        ++x;
    while (x + 8 <= xEnd) {
        std::uint64_t nWord;
        std::memcpy(&nWord, pOpen + x, sizeof nWord);
        if (nWord != 0)
            break;
        x += 8;
    }
    while (x < xEnd && !pOpen[x])
        ++x;
    return x;
}

// The first closed byte in [x, xEnd), or xEnd.
int FirstClosed(const std::uint8_t* pOpen, int x, int xEnd)
{
    const void* pFound = std::memchr(pOpen + x, 0, std::size_t(xEnd - x));
    return pFound ? int(static_cast<const std::uint8_t*>(pFound) - pOpen) : xEnd;
}

// The 4-connected region around the seed, row by row: each span found is
// closed at once, and only the first pixel of each run of open pixels
// above and below it is queued, so the queue stays small and nothing
// recurses.
void FindRegion(const QImage& image, int xSeed, int ySeed, const FillRule& rule, CPixelSpans* pRegion)
{
    const int nWidth = image.width(), nHeight = image.height();
    std::vector<std::uint8_t> vecOpen = OpenPixels(image, rule);
    const auto openOf = [&](int y) { return vecOpen.data() + std::size_t(y) * std::size_t(nWidth); };
    std::vector<QPoint> vecQueue{QPoint(xSeed, ySeed)};
    while (!vecQueue.empty()) {
        const QPoint pt = vecQueue.back();
        vecQueue.pop_back();
        std::uint8_t* pOpen = openOf(pt.y());
        if (!pOpen[pt.x()])
            continue;
        int xLeft = pt.x();
        while (xLeft > 0 && pOpen[xLeft - 1])
            --xLeft;
        const int xRight = FirstClosed(pOpen, pt.x(), nWidth) - 1;
        std::memset(pOpen + xLeft, 0, std::size_t(xRight - xLeft + 1));
        pRegion->AddSpan(pt.y(), xLeft, xRight);
        for (int y : {pt.y() - 1, pt.y() + 1}) {
            if (y < 0 || y >= nHeight)
                continue;
            const std::uint8_t* pNextOpen = openOf(y);
            for (int x = FirstOpen(pNextOpen, xLeft, xRight + 1); x <= xRight;
                 x = FirstOpen(pNextOpen, FirstClosed(pNextOpen, x, xRight + 1), xRight + 1))
                vecQueue.emplace_back(x, y);
        }
    }
}

// Device pixel range of a block: from the first corner up to, not
// including, the second, in whichever direction that runs.
struct BlockAxis {
    double dFrom;
    double dTo;
    double Size() const { return std::abs(dTo - dFrom); }
    // The source pixel that device pixel n of the destination shows.
    std::int64_t SourceAt(std::int64_t n, const BlockAxis& src) const
    {
        const double dFraction = (n + 0.5 - std::min(dFrom, dTo)) / Size();
        const bool bMirrored = (dTo < dFrom) != (src.dTo < src.dFrom);
        const double dOffset = std::floor((bMirrored ? 1 - dFraction : dFraction) * src.Size());
        return std::int64_t(std::min(src.dFrom, src.dTo) + std::min(dOffset, src.Size() - 1));
    }
};

// The pixels of the destination rectangle, each taken from the source
// pixel it maps to; black where that lies off the source.
QImage CopyBlock(const QImage& imageSrc, const QRect& rectTarget, const BlockAxis& dstX,
                 const BlockAxis& dstY, const BlockAxis& srcX, const BlockAxis& srcY)
{
    QImage imageCopy(rectTarget.size(), QImage::Format_RGB32);
    for (int j = 0; j < rectTarget.height(); ++j) {
        const std::int64_t ySource = dstY.SourceAt(rectTarget.top() + j, srcY);
        QRgb* pRow = reinterpret_cast<QRgb*>(imageCopy.scanLine(j));
        const bool bRowInside = ySource >= 0 && ySource < imageSrc.height();
        const QRgb* pSrcRow = bRowInside ? reinterpret_cast<const QRgb*>(imageSrc.constScanLine(int(ySource))) : nullptr;
        for (int i = 0; i < rectTarget.width(); ++i) {
            const std::int64_t xSource = dstX.SourceAt(rectTarget.left() + i, srcX);
            const bool bInside = pSrcRow && xSource >= 0 && xSource < imageSrc.width();
            pRow[i] = bInside ? (pSrcRow[xSource] | 0xFF000000u) : 0xFF000000u;
        }
    }
    return imageCopy;
}

}  // namespace

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    QPoint ptPixel;
    if (!m_pDevice || !ToSurfacePixel(x, y, &ptPixel))
        return CLR_INVALID;
    const int nX = ptPixel.x(), nY = ptPixel.y();
    if (m_pSink)
        m_pSink->Pixel(GetSinkState(), CPoint(x, y), color);
    if (m_nROP2 == 11)
        return GetPixel(x, y);
    QRgb rgb = ApplyRop(m_nROP2, ToRgb(color), 0xFFFFFFFFu);
    if (m_pImage) {
        // The grid and thread curves set tens of thousands of single pixels:
        // they go straight into the surface.
        QRgb* pPixel = SurfaceRow(nY) + nX;
        rgb = *pPixel = ApplyRop(m_nROP2, ToRgb(color), *pPixel);
    } else if (QPainter* pPainter = OpenPainter()) {
        pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        pPainter->fillRect(QRect(nX, nY, 1, 1), QColor(rgb));
    }
    m_rectTouched |= QRect(nX, nY, 1, 1);
    return ToColorRef(rgb);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF color)
{
    return SetPixel(x, y, color) != CLR_INVALID;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    QPoint ptPixel;
    if (!m_pImage || !ToSurfacePixel(x, y, &ptPixel))
        return CLR_INVALID;
    return ToColorRef(SurfaceRow(ptPixel.y())[ptPixel.x()]);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF color, UINT nFillType)
{
    if (!m_pImage || m_bBand || (nFillType != FLOODFILLBORDER && nFillType != FLOODFILLSURFACE))
        return FALSE;
    QPoint ptSeed;
    if (!ToSurfacePixel(x, y, &ptSeed))
        return FALSE;
    const FillRule rule{ToRgb(color) & kRgbMask, nFillType == FLOODFILLBORDER};
    if (!rule.Takes(m_pImage->pixel(ptSeed)))
        return FALSE;
    // The whole region is found before any pixel changes: a hatch or a
    // pattern painted while searching would change what the search reads.
    CPixelSpans spansRegion(m_pImage->rect());
    FindRegion(*m_pImage, ptSeed.x(), ptSeed.y(), rule, &spansRegion);
    if (m_brush.type != BrushData::Type::Null) {
        PaintSpans(spansRegion, BrushInk());
        if (m_pSink)
            TellSinkOfFill(spansRegion);
    }
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return StretchBlt(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nWidth, nHeight, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    // A band holds only some rows of its surface: it is no source.
    if (!m_pDevice || !pSrcDC || !pSrcDC->m_pImage || pSrcDC->m_bBand || dwRop != SRCCOPY)
        return FALSE;
    // Sums in 64 bits: a far corner may lie beyond the int range.
    const BlockAxis dstX{ToWholePixel(DeviceX(x)), ToWholePixel(DeviceX(double(x) + nWidth))};
    const BlockAxis dstY{ToWholePixel(DeviceY(y)), ToWholePixel(DeviceY(double(y) + nHeight))};
    const BlockAxis srcX{ToWholePixel(pSrcDC->DeviceX(xSrc)), ToWholePixel(pSrcDC->DeviceX(double(xSrc) + nSrcWidth))};
    const BlockAxis srcY{ToWholePixel(pSrcDC->DeviceY(ySrc)), ToWholePixel(pSrcDC->DeviceY(double(ySrc) + nSrcHeight))};
    if (srcX.Size() < 1 || srcY.Size() < 1)
        return FALSE;
    const QRectF rectBlock(QPointF(std::min(dstX.dFrom, dstX.dTo), std::min(dstY.dFrom, dstY.dTo)),
                           QPointF(std::max(dstX.dFrom, dstX.dTo), std::max(dstY.dFrom, dstY.dTo)));
    const QRect rectTarget = (rectBlock & QRectF(ClipRect())).toAlignedRect();
    if (rectTarget.isEmpty())
        return TRUE;
    // The copy is made first, so a block may be moved within one surface.
    const QImage imageCopy = CopyBlock(*pSrcDC->m_pImage, rectTarget, dstX, dstY, srcX, srcY);
    if (m_pImage) {
        for (int j = 0; j < rectTarget.height(); ++j)
            std::copy_n(reinterpret_cast<const QRgb*>(imageCopy.constScanLine(j)), rectTarget.width(),
                        SurfaceRow(rectTarget.top() + j) + rectTarget.left());
    } else if (QPainter* pPainter = OpenPainter()) {
        pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        pPainter->drawImage(rectTarget.topLeft(), imageCopy);
    }
    Touch(rectTarget);
    return TRUE;
}
