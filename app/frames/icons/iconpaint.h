// Drawing helpers of the button images. Every image is drawn on a grid of
// 16 x 15 cells; the painter is scaled so that one cell is one logical
// pixel, and coordinates name cells, so strokes fall on whole device pixels
// at any pixel density.
#pragma once

#include "platform/types.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <initializer_list>
#include <span>

namespace icons {

constexpr int kCellsX = 16;
constexpr int kCellsY = 15;

// One palette for every button, so the two bars read as one family.
inline const QColor kInk(0x1f, 0x2d, 0x3d);     // outlines
inline const QColor kBlue(0x3a, 0x78, 0xc8);    // fills of filled figures
inline const QColor kLight(0xd2, 0xe2, 0xf6);   // paper and light fills
inline const QColor kOrange(0xe0, 0x85, 0x1a);  // tools and highlights
inline const QColor kRed(0xc8, 0x32, 0x32);
inline const QColor kGreen(0x2e, 0x96, 0x48);
inline const QColor kYellow(0xf0, 0xc4, 0x48);
inline const QColor kGrey(0x8a, 0x94, 0xa0);

// A stroke from the centre of cell (x1, y1) to the centre of cell (x2, y2).
void Line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color = kInk, qreal dWidth = 1);
// The outline of the cells x .. x + w - 1, y .. y + h - 1, filled inside.
void Box(QPainter& p, int x, int y, int w, int h, const QColor& colorLine = kInk, const QBrush& fill = Qt::NoBrush);
// Fills the cells x .. x + w - 1, y .. y + h - 1.
void Fill(QPainter& p, int x, int y, int w, int h, const QColor& color);
// A closed polygon through cell centres.
void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& colorLine = kInk,
    const QBrush& fill = Qt::NoBrush);
// An open polyline through cell centres.
void Polyline(QPainter& p, std::initializer_list<QPointF> points, const QColor& color = kInk, qreal dWidth = 1);
// An ellipse around the centre of cell (cx, cy) with radii rx, ry.
void Ellipse(QPainter& p, qreal cx, qreal cy, qreal rx, qreal ry, const QColor& colorLine = kInk,
    const QBrush& fill = Qt::NoBrush);
// A solid triangle pointing in direction (dx, dy) with its tip at cell (x, y).
void Arrowhead(QPainter& p, qreal x, qreal y, qreal dx, qreal dy, qreal dSize, const QColor& color = kInk);

using DrawFn = void (*)(QPainter&);
struct IconRow {
    UINT nID;
    DrawFn pfnDraw;
};

// The images of the main tool bar's and the drawing tool bar's buttons.
std::span<const IconRow> MainBarIcons();
std::span<const IconRow> DrawBarIcons();

} // namespace icons
