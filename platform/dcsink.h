// A listener a device context hands each primitive to as it draws it, in
// logical coordinates with the objects and modes then in force. Exports
// attach one and let every figure draw itself as it does on the screen, so
// no figure's geometry is written twice.
#pragma once

#include "platform/gdi.h"
#include "platform/types.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

// The objects, modes and mapping a primitive is drawn with.
struct CDCSinkState {
    PenData pen;
    BrushData brush;
    LOGFONT logFont;
    COLORREF colorText = 0;
    COLORREF colorBk = 0;
    int nBkMode = 0;
    int nROP2 = 0;
    int nMapMode = 0;
    double dUnitsPerPixel = 1;
    CPoint ptViewportOrg;
};

enum class CDCArcKind { Arc, Chord, Pie };

class CDCSink {
public:
    virtual ~CDCSink() = default;
    virtual void Line(const CDCSinkState& state, CPoint ptFrom, CPoint ptTo) = 0;
    virtual void Rectangle(const CDCSinkState& state, const CRect& rect) = 0;
    virtual void RoundRect(const CDCSinkState& state, const CRect& rect, CSize sizeCorner) = 0;
    virtual void Ellipse(const CDCSinkState& state, const CRect& rect) = 0;
    // Counter-clockwise as seen on the screen, from the ray through
    // ptStart to the ray through ptEnd, as the context's Arc.
    virtual void ArcShape(const CDCSinkState& state, CDCArcKind kind, const CRect& rect, CPoint ptStart,
                          CPoint ptEnd) = 0;
    // 3n + 1 points: a start, then two controls and an end per curve.
    virtual void Bezier(const CDCSinkState& state, const std::vector<CPoint>& vecPoints) = 0;
    virtual void Polygon(const CDCSinkState& state, const std::vector<CPoint>& vecPoints) = 0;
    virtual void Pixel(const CDCSinkState& state, CPoint pt, COLORREF color) = 0;
    // The top-left corner of the text's cell at pt; fontDevice is the font
    // as the context sized it in device pixels.
    virtual void Text(const CDCSinkState& state, CPoint pt, const QString& strText, const QFont& fontDevice) = 0;
    // A flood fill exists only as pixels: image holds exactly the pixels it
    // painted (the rest transparent), its top-left at device pixel ptDevice.
    virtual void FloodFill(const CDCSinkState& state, const QImage& image, QPoint ptDevice) = 0;
    // The same fill's whole region, gaps of a hatch or pattern included:
    // mask is opaque over every pixel the search reached. Told before
    // FloodFill, for sinks that fill a region with the brush themselves.
    virtual void FloodRegion(const CDCSinkState&, const QImage&, QPoint) {}
};
