// Which device pixels a pen or a brush covers. A pixel (x, y) is the point
// (x, y) of device space, so a shape through whole points covers the pixels
// it passes through. Everything is clipped to a surface rectangle as it is
// computed: shapes far off the surface cost nothing and never overflow.
#pragma once

#include <QPointF>
#include <QRect>

#include <cstdint>
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
    QRect BoundingRect() const;
    const QRect& ClipRect() const { return m_rectClip; }

private:
    QRect m_rectClip;
    std::vector<PixelSpan> m_vecSpans;
    bool m_bNormal = true;
    std::size_t m_nMergeAt = std::size_t(1) << 20;
};

// Lengths of the on and off runs of a pen style, in pen widths; empty for
// a solid line.
std::vector<double> DashPattern(int nStyle);

// A one-pixel chain through whole points: each segment runs from its start
// pixel up to, not including, its end pixel, so a polyline meets every joint
// once and an open chain leaves its last pixel undrawn. A closed chain whose
// points all coincide is its single pixel. Dashes continue along the chain;
// pixels of the on runs go to pOn, those of the off runs to pOff (may be null).
void ChainPixels(const std::vector<QPointF>& vecPoints, bool bClosed,
                 const std::vector<double>& vecDash, CPixelSpans* pOn, CPixelSpans* pOff);

// A pen dWidth pixels wide along a polyline, with round caps and joins:
// the pixels within half the width of the line (half-open, so a width of n
// covers exactly n pixels across an upright line). Dash runs are scaled by
// the width. A closed polyline whose points coincide is a round dot.
void WideLinePixels(const std::vector<QPointF>& vecPoints, bool bClosed, double dWidth,
                    const std::vector<double>& vecDash, CPixelSpans* pOn);

// The pixels inside a polygon (even-odd rule), with its outline chain.
void PolygonPixels(const std::vector<QPointF>& vecPoints, CPixelSpans* pInside);

// Rounds device coordinates to whole points, clamped so that differences
// stay exact in doubles and 64-bit integers.
double ToWholePixel(double d);
