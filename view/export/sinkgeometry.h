// Where a device-context sink's primitives lie on the exported canvas: in
// logical units (0.01 mm) from the canvas's top-left corner, y downward,
// moved half a screen pixel right and down (and boxes pulled in by half a
// pixel) so that lines run where the screen's pixel centres lie.
#pragma once

#include "platform/dcsink.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSet>

#include <vector>

// Logical units per device pixel of the context that drew.
double SinkPixelUnits(const CDCSinkState& state);

struct CanvasPoint {
    double x, y;
};
CanvasPoint ToCanvas(const CDCSinkState& state, double x, double y);

// A box through the centres of its outermost pixels.
struct CanvasBox {
    double dLeft, dTop, dRight, dBottom;
};
CanvasBox ToCanvasBox(const CDCSinkState& state, const CRect& rect);

// The radii of a rounded rectangle's corners, within the box's halves.
CanvasPoint ToCanvasCorner(const CDCSinkState& state, const CanvasBox& box, CSize sizeCorner);

// The pen's width in whole device pixels, as the context draws it.
double SinkPenPixels(const CDCSinkState& state);
// The same in logical units.
double SinkPenUnits(const CDCSinkState& state);

// An arc of the ellipse in box: start and sweep as ellipse parameters in
// radians, counter-clockwise as seen on the screen; false when the ellipse
// has no extent.
struct CanvasArc {
    double cx, cy, a, b;
    double dStart, dSweep;
    CanvasPoint At(double t) const;
};
bool ToCanvasArc(const CDCSinkState& state, const CRect& rect, CPoint ptStart, CPoint ptEnd, CanvasArc& arc);

// The pixel a SetPixel at pt paints, its top-left corner on the canvas.
CanvasPoint ToCanvasPixel(const CDCSinkState& state, CPoint pt);
// The top-left corner of device pixel ptDevice on the canvas.
CanvasPoint DeviceToCanvas(const CDCSinkState& state, QPoint ptDevice);

// The on and off runs of the pen's style in logical units; empty when solid.
std::vector<double> SinkDashUnits(const CDCSinkState& state);

// The 8 x 8 pixels of a hatch brush's tile: black where the hatch
// paints, transparent in its gaps.
QImage SinkHatchTile(const BrushData& brush);

// Pixels of one colour set one after another, each once: a thread curve
// sets thousands, most of them several times, and a vector file written
// pixel by pixel would run to megabytes.
class CPixelRun {
public:
    // Whether the pixel can join this run: the run is empty, or of its
    // colour and pixel size. Otherwise the run is written out first.
    bool Fits(const CDCSinkState& state, COLORREF color) const;
    void Add(const CDCSinkState& state, CPoint pt, COLORREF color);
    bool IsEmpty() const { return m_vecPixels.empty(); }
    void Clear();

    // More pixels than a vector file should spell out one by one: the run
    // then goes in as an image of exactly its pixels, as a flood fill does.
    bool IsLong() const { return m_vecPixels.size() > kMaxSquares; }
    // That image: the run's colour on its pixels, transparent elsewhere;
    // *prectBox says which pixels it covers.
    QImage ToImage(QRect* prectBox) const;

    COLORREF GetColor() const { return m_color; }
    double GetPixelUnits() const { return m_dPixel; }
    // The distinct pixels in the order first set, as whole pixels from the
    // canvas's corner: pixel (x, y) covers canvas units x * GetPixelUnits()
    // on from the left, y * GetPixelUnits() down.
    const std::vector<QPoint>& GetPixels() const { return m_vecPixels; }

private:
    static constexpr std::size_t kMaxSquares = 64;

    COLORREF m_color = 0;
    double m_dPixel = 0;
    std::vector<QPoint> m_vecPixels;
    QSet<QPoint> m_setPixels;
};
