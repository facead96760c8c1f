// Painting on every core: the surface is cut into horizontal bands, each
// painted by a thread of its own with every figure clipped to its rows.
// Figures that read the surface (flood fills) are barriers: a fill waits
// until every band has reached it, runs whole on the full surface, and the
// bands then go on. The pixels are those of a paint on one thread.
#pragma once

#include <functional>

class CDC;
class CMyDrevikDoc;

// Threads a whole-drawing paint uses: the cores of the machine, or the
// value of the environment variable KORVADA_PAINT_THREADS when it holds a
// number from 1 up (1 paints on the calling thread alone), or what
// SetPaintThreadCount set last (0 or less: back to those).
int GetPaintThreadCount();
void SetPaintThreadCount(int nThreads);

// Whether pDC can be painted in bands: a whole image surface that no sink
// listens to (a sink must hear the primitives once, in order).
bool CanPaintInBands(const CDC* pDC);

// As PaintFiguresFrom: the visible figures from nFirst on, fnGoOn asked
// before each in list order, but painted in nBands bands (fewer on a very
// low surface). Every band starts from pDC's mapping, modes and objects;
// pDC ends with those the last figure left. Returns the index of the first
// figure not painted. A context that cannot be banded is painted on this
// thread alone.
int PaintFiguresInBands(CDC* pDC, CMyDrevikDoc* pDoc, bool bHandles, int nFirst, int nBands,
                        const std::function<bool()>& fnGoOn);
