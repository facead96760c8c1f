// Inside the device context: its painter and the inks its pixels are
// painted with. Only the device context's own sources include this.
#pragma once

#include "platform/dc.h"

#include <QPainter>
#include <QRgb>

struct CDC::Impl {
    QPainter painter;
};

// What a pen, a brush or the background puts on one pixel: a colour, or
// nothing at all (the gaps of a hatch in TRANSPARENT mode).
struct CDC::Ink {
    enum class Kind { Solid, Hatch, Tile };
    Kind kind = Kind::Solid;
    QRgb rgb = 0;
    bool bGapsPainted = false;
    QRgb rgbGap = 0;
    int nHatch = 0;
    const QImage* pTile = nullptr;

    bool At(int x, int y, QRgb* pRgb) const;
};

// The result of a raster operation R2_BLACK .. R2_WHITE of the pen (or
// brush) colour with the pixel already there: the code less one is the
// truth table of the four combinations of pen and screen bits.
inline QRgb ApplyRop(int nRop, QRgb rgbPen, QRgb rgbScreen)
{
    const unsigned nTable = unsigned(nRop - 1);
    QRgb rgb = 0;
    if (nTable & 1)
        rgb |= ~rgbPen & ~rgbScreen;
    if (nTable & 2)
        rgb |= ~rgbPen & rgbScreen;
    if (nTable & 4)
        rgb |= rgbPen & ~rgbScreen;
    if (nTable & 8)
        rgb |= rgbPen & rgbScreen;
    return rgb | 0xFF000000u;
}

// Whether pixel (x, y) of the surface is on a line of an 8 x 8 hatch.
bool HatchBit(int nHatch, int x, int y);
