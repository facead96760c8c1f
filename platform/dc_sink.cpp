// What the device context tells its sink beyond the shape calls themselves.
#include "platform/dc.h"

#include "platform/dc_impl.h"
#include "platform/dc_spans.h"
#include "platform/dcsink.h"

#include <QImage>

#include <algorithm>

CDCSinkState CDC::GetSinkState() const
{
    CDCSinkState state;
    state.pen = m_pen;
    state.brush = m_brush;
    state.logFont = m_logFont;
    state.colorText = m_colorText;
    state.colorBk = m_colorBk;
    state.nBkMode = m_nBkMode;
    state.nROP2 = m_nROP2;
    state.nMapMode = m_nMapMode;
    state.dUnitsPerPixel = m_dUnitsPerPixel;
    state.ptViewportOrg = m_ptViewportOrg;
    return state;
}

void CDC::TellSinkOfFill(const CPixelSpans& spans)
{
    if (!m_pSink || !m_pImage)
        return;
    const QRect rectBox = spans.BoundingRect() & m_pImage->rect();
    if (rectBox.isEmpty())
        return;
    QImage mask(rectBox.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    for (const PixelSpan& span : spans.Spans()) {
        if (span.y < rectBox.top() || span.y > rectBox.bottom())
            continue;
        QRgb* pTarget = reinterpret_cast<QRgb*>(mask.scanLine(span.y - rectBox.top()));
        for (int x = std::max(span.x0, rectBox.left()); x <= std::min(span.x1, rectBox.right()); ++x)
            pTarget[x - rectBox.left()] = 0xFF000000u;
    }
    m_pSink->FloodRegion(GetSinkState(), mask, rectBox.topLeft());
    // The pixels as painted (a hatch or pattern included), nothing else:
    // the gaps of a transparent hatch stay out.
    const Ink ink = BrushInk();
    QRgb rgbInk = 0;
    QImage image(rectBox.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const PixelSpan& span : spans.Spans()) {
        if (span.y < rectBox.top() || span.y > rectBox.bottom())
            continue;
        const QRgb* pSource = reinterpret_cast<const QRgb*>(m_pImage->constScanLine(span.y));
        QRgb* pTarget = reinterpret_cast<QRgb*>(image.scanLine(span.y - rectBox.top()));
        for (int x = std::max(span.x0, rectBox.left()); x <= std::min(span.x1, rectBox.right()); ++x)
            if (ink.At(x, span.y, &rgbInk))
                pTarget[x - rectBox.left()] = pSource[x] | 0xFF000000u;
    }
    m_pSink->FloodFill(GetSinkState(), image, rectBox.topLeft());
}
