// Fill styles 1 to 14: solid, six hatches and seven pattern bitmaps.
#pragma once

#include "platform/gdi.h"
#include "platform/types.h"

#include <QImage>

constexpr int kFirstFillStyle = 1;
constexpr int kLastFillStyle = 14;

// Makes the brush of a fill style in a colour (the pattern's black pixels
// take the colour); false, and no brush, for a style outside 1 to 14.
BOOL CreateFillBrush(CBrush& brush, int nFillStyle, COLORREF color);

// A pattern bitmap (IDB_PATTERN_ARROW ...) with its black pixels mapped to
// color; grey and white keep theirs. Null image for an unknown id.
QImage LoadMappedPattern(UINT nResourceId, COLORREF color);
