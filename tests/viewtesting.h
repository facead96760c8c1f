// Helpers of the view tests: real views on a real document under the
// offscreen platform, and the surface pixels of logical points.
#pragma once

#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "platform/dc.h"
#include "view/mydrevikview.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>

namespace viewtest {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// Surface pixel of a logical point, through the view's own mapping.
inline QPoint SurfacePixel(const CMyDrevikView& view, int x, int y)
{
    CDC dc;
    view.OnPrepareDC(&dc);
    CPoint pt(x, y);
    dc.LPtoDP(&pt);
    return QPoint(pt.x, pt.y);
}

inline QRgb PixelAt(const CMyDrevikView& view, int x, int y)
{
    const QPoint pt = SurfacePixel(view, x, y);
    return view.GetSurface().pixel(pt);
}

inline int CountPixels(const QImage& image, QRgb rgb, const QRect& rect = QRect())
{
    const QRect rectUsed = rect.isNull() ? image.rect() : rect.intersected(image.rect());
    int nCount = 0;
    for (int y = rectUsed.top(); y <= rectUsed.bottom(); ++y)
        for (int x = rectUsed.left(); x <= rectUsed.right(); ++x)
            nCount += image.pixel(x, y) == rgb;
    return nCount;
}

// The first pixel where two images differ, or (-1, -1).
inline QPoint FirstDifference(const QImage& imageA, const QImage& imageB)
{
    for (int y = 0; y < imageA.height(); ++y)
        for (int x = 0; x < imageA.width(); ++x)
            if (imageA.pixel(x, y) != imageB.pixel(x, y))
                return QPoint(x, y);
    return QPoint(-1, -1);
}

// The smallest rectangle holding every pixel where two images differ.
inline QRect DifferenceBounds(const QImage& imageA, const QImage& imageB)
{
    QRect rect;
    for (int y = 0; y < imageA.height(); ++y)
        for (int x = 0; x < imageA.width(); ++x)
            if (imageA.pixel(x, y) != imageB.pixel(x, y))
                rect |= QRect(x, y, 1, 1);
    return rect;
}

inline std::unique_ptr<CFigure> Line(int x1, int y1, int x2, int y2, COLORREF color, int nThickness = 1)
{
    return std::make_unique<CLine>(x1, y1, x2, y2, color, nThickness, PS_SOLID);
}

// Grid dots of one spacing over the whole canvas.
inline int GridDotCount(int nSpacing)
{
    const int nColumns = (kCanvasSize.cx + nSpacing - 1) / nSpacing;
    const int nRows = (kCanvasSize.cy + nSpacing - 1) / nSpacing;
    return nColumns * nRows;
}

}  // namespace viewtest
