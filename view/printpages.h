// Page arithmetic of printing: the canvas goes to paper at true scale as a
// grid of pages, left to right along a row, then the next row down.
#pragma once

#include "platform/types.h"

struct PageGrid {
    int nColumns = 1;
    int nRows = 1;
    int PageCount() const { return nColumns * nRows; }
};

// Device pixels that nUnits logical units (0.01 mm) span at nDpi.
int UnitsToPrinterPixels(int nUnits, int nDpi);

// How many pages of nPageExtent pixels it takes to cover nExtent pixels;
// at least one, also for a page without extent.
int PagesToCover(int nExtent, int nPageExtent);

// The page grid that covers the canvas on a printer whose printable page
// is nHorzRes x nVertRes pixels at nDpiX x nDpiY.
PageGrid ComputePageGrid(CSize sizeCanvas, int nHorzRes, int nVertRes, int nDpiX, int nDpiY);

// Viewport origin of page nPage (from 1): the page shows the part of the
// canvas that starts that many device pixels right of and below its corner.
CPoint PageViewportOrigin(int nPage, int nColumns, int nHorzRes, int nVertRes);
