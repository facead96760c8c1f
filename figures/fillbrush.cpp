// Fill style table: 1 solid, 2 to 7 hatches, 8 to 14 pattern bitmaps.
#include "figures/fillbrush.h"

#include "resources/resource.h"

namespace {

constexpr int kHatchOfStyle[] = {HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS,
                                 HS_FDIAGONAL, HS_HORIZONTAL, HS_VERTICAL};
constexpr UINT kPatternOfStyle[] = {IDB_PATTERN_ARROW,       IDB_PATTERN_CIRCLE,
                                     IDB_PATTERN_BIG_CROSS,   IDB_PATTERN_DIAMOND,
                                     IDB_PATTERN_HORIZONTAL_SINE, IDB_PATTERN_SMALL_CROSS,
                                     IDB_PATTERN_VERTICAL_SINE};

}  // namespace

BOOL CreateFillBrush(CBrush& brush, int nFillStyle, COLORREF color)
{
    if (nFillStyle == 1)
        return brush.CreateSolidBrush(color);
    if (nFillStyle >= 2 && nFillStyle <= 7)
        return brush.CreateHatchBrush(kHatchOfStyle[nFillStyle - 2], color);
    if (nFillStyle >= 8 && nFillStyle <= kLastFillStyle) {
        CBitmap bitmap;
        bitmap.Attach(LoadMappedPattern(kPatternOfStyle[nFillStyle - 8], color));
        return brush.CreatePatternBrush(&bitmap);
    }
    return FALSE;
}
