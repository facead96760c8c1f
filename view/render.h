// The one path from a figure list to pixels: the view's paint and the
// command-line renderer both go through these.
#pragma once

#include "platform/types.h"

#include <functional>

class CDC;
class CMyDrevikDoc;

// The canvas: a 1024 x 768 screen at 26.55844 logical units per pixel.
constexpr CSize kCanvasSize(27195, 20396);
constexpr int kDefaultGridSpacing = 250;

// Draws the visible figures (0 .. the step pointer) in order with the copy
// raster operation, each followed by its handles when bHandles is set.
void PaintFigures(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles);
// The same from visible figure nFirst on, while fnGoOn (asked before each
// figure) says so. Returns the index of the first figure not painted: the
// visible count when every figure is done.
int PaintFiguresFrom(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst,
                     const std::function<bool()>& fnGoOn);

// Draws the grid dots at multiples of the spacing over the canvas with
// R2_MASKPENNOT, so black dots stay black on any background.
void PaintGrid(CDC* pDC, int nDotX, int nDotY, CSize sizeCanvas, COLORREF colorGrid);
