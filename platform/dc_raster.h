// Which device pixels a pen or a brush covers. A pixel (x, y) is the point
// (x, y) of device space, so a shape through whole points covers the pixels
// it passes through. Everything is clipped to a surface rectangle as it is
// computed: shapes far off the surface cost nothing and never overflow.
#pragma once

#include "platform/dc_spans.h"

#include <QPointF>

#include <vector>

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

// Rounding slack of the half-open pixel rule of wide pens and fills.
constexpr double kPixelSlack = 1e-6;

// Rounds device coordinates to whole points, clamped so that differences
// stay exact in doubles and 64-bit integers.
double ToWholePixel(double d);
