// Helpers of the view tests: a real view on a real document under the
// offscreen platform, and the surface pixels of logical points.
#pragma once

#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "platform/dc.h"
#include "view/mydrevikview.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace viewtest {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRgbRed = 0xFFFF0000;
constexpr QRgb kRgbBlue = 0xFF0000FF;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

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
    return view.GetSurface().pixel(SurfacePixel(view, x, y));
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

// The smallest rectangle holding every pixel where two images differ
// (null when they are the same).
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
    return ((kCanvasSize.cx + nSpacing - 1) / nSpacing) * ((kCanvasSize.cy + nSpacing - 1) / nSpacing);
}

struct ViewTest : ::testing::Test {
    CMyDrevikDoc doc;
    CMyDrevikView view{&doc};
};

}  // namespace viewtest
