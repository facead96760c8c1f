#include "view/printpages.h"

#include "figures/figure_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

int UnitsToPrinterPixels(int nUnits, int nDpi)
{
    return figmath::TruncToInt(std::ceil(double(nUnits) * nDpi / 2540.0));
}

int PagesToCover(int nExtent, int nPageExtent)
{
    if (nPageExtent <= 0 || nExtent <= 0)
        return 1;
    return std::max(1, nExtent / nPageExtent + (nExtent % nPageExtent > 0 ? 1 : 0));
}

PageGrid ComputePageGrid(CSize sizeCanvas, int nHorzRes, int nVertRes, int nDpiX, int nDpiY)
{
    PageGrid grid;
    grid.nColumns = PagesToCover(UnitsToPrinterPixels(sizeCanvas.cx, nDpiX), nHorzRes);
    grid.nRows = PagesToCover(UnitsToPrinterPixels(sizeCanvas.cy, nDpiY), nVertRes);
    return grid;
}

CPoint PageViewportOrigin(int nPage, int nColumns, int nHorzRes, int nVertRes)
{
    const std::int64_t nColumnsUsed = std::max(1, nColumns);
    const std::int64_t nIndex = std::max(1, nPage) - 1;
    const std::int64_t nColumn = nIndex % nColumnsUsed;
    const std::int64_t nRow = nIndex / nColumnsUsed;
    return CPoint(figmath::SaturateToInt(-nColumn * nHorzRes),
                  figmath::SaturateToInt(-nRow * nVertRes));
}
