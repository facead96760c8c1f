// The one path from a figure list to pixels: the view's paint, the
// command-line renderer, the tests, the benchmarks and the fuzzer all go
// through these.
#pragma once

#include "platform/dc.h"
#include "platform/types.h"

#include <QImage>
#include <QSize>

#include <functional>

class CMyDrevikDoc;

// The canvas: a 1024 x 768 screen at 26.55844 logical units per pixel.
constexpr CSize kCanvasSize(27195, 20396);
constexpr int kDefaultGridSpacing = 250;

// How every painting of figures starts: the copy raster operation and a
// transparent background, as the release of a tool leaves its preview
// context. A fresh context starts opaque, which would give a text a white
// box and a dotted line white gaps only until some figure set transparency.
CDCModes FigurePaintingModes();
void BeginFigurePainting(CDC* pDC);

// Draws the visible figures (0 .. the step pointer) in order, from the
// start of BeginFigurePainting, each followed by its handles when bHandles
// is set. The context's modes run on from figure to figure.
void PaintFigures(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles);
// The same from visible figure nFirst on, while fnGoOn (asked before each
// figure) says so, on the modes the caller's context holds: a paint in
// parts carries them from part to part as one paint would. Returns the
// index of the first figure not painted: the visible count when every
// figure is done. An image surface is painted in bands on every core
// (view/bandpaint.h), with the same pixels.
int PaintFiguresFrom(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst,
                     const std::function<bool()>& fnGoOn);
// The same on the calling thread alone, one figure after the other.
int PaintFiguresSerially(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst,
                         const std::function<bool()>& fnGoOn);

// Draws the grid dots at multiples of the spacing over the canvas with
// R2_MASKPENNOT, so black dots stay black on any background.
void PaintGrid(CDC* pDC, int nDotX, int nDotY, CSize sizeCanvas, COLORREF colorGrid);

// The canvas in pixels of the screen it was made for (1024 x 768), each
// side rounded up so the last logical unit has a pixel.
QSize GetCanvasPixelSize(double dUnitsPerPixel = kScreenUnitsPerPixel);

// The drawing as that screen shows it: a white canvas with the visible
// figures (each followed by its handles when bHandles is set) and, when
// bGrid is set, the grid dots of the default spacing. When fnGoOn (asked
// before each figure) stops the paint, the image is null; *pnPainted then
// says how many figures were painted.
QImage PaintCanvasImage(CMyDrevikDoc* pDoc, bool bGrid = false, bool bHandles = false,
                        const std::function<bool()>& fnGoOn = {}, int* pnPainted = nullptr);
