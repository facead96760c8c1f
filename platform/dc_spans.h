// Sets of device pixels held as spans per row: what a pen, a brush or a
// flood fill covers before anything is painted.
#pragma once

#include <QRect>

#include <cstddef>
#include <vector>

// Pixels x0 .. x1 (both included) of row y.
struct PixelSpan {
    int y;
    int x0;
    int x1;
};

// A set of pixels as spans per row, inside a clip rectangle.
class CPixelSpans {
public:
    explicit CPixelSpans(const QRect& rectClip) : m_rectClip(rectClip) {}

    void AddPixel(int x, int y) { AddSpan(y, x, x); }
    void AddSpan(int y, int x0, int x1);
    // Sorts the spans and merges the ones that touch, so each pixel is in
    // exactly one span: a raster operation then meets each pixel once.
    void Normalise();
    // Removes the pixels of other (both sets normalised first).
    void Subtract(CPixelSpans& other);
    void Unite(const CPixelSpans& other);

    const std::vector<PixelSpan>& Spans() const { return m_vecSpans; }
    bool IsEmpty() const { return m_vecSpans.empty(); }
    void Clear()
    {
        m_vecSpans.clear();
        m_bNormal = true;
    }
    QRect BoundingRect() const;
    const QRect& ClipRect() const { return m_rectClip; }

private:
    void SortByRow();

    QRect m_rectClip;
    std::vector<PixelSpan> m_vecSpans;
    bool m_bNormal = true;
    std::size_t m_nMergeAt = std::size_t(1) << 20;
};
