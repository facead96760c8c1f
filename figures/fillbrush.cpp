// Fill style table: 1 solid, 2 to 7 hatches, 8 to 14 pattern bitmaps.
#include "figures/fillbrush.h"

namespace {

constexpr int kHatchOfStyle[] = {HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS,
                                 HS_FDIAGONAL, HS_HORIZONTAL, HS_VERTICAL};
constexpr int kPatternOfStyle[] = {189, 154, 187, 183, 191, 185, 193};

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
