// Basic value types of the drawing core: integers with their customary
// names, colours, points, sizes, rectangles and the font description.
#pragma once

#include <cstdint>
#include <ostream>

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using LPARAM = std::intptr_t;

// 0x00BBGGRR, red in the low byte, as stored in figures and files.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(BYTE(r)) | (COLORREF(BYTE(g)) << 8) | (COLORREF(BYTE(b)) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE(c >> 8); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE(c >> 16); }

struct CSize {
    LONG cx = 0;
    LONG cy = 0;
    constexpr CSize() = default;
    constexpr CSize(LONG x, LONG y) : cx(x), cy(y) {}
    constexpr bool operator==(const CSize&) const = default;
};

struct CPoint {
    LONG x = 0;
    LONG y = 0;
    constexpr CPoint() = default;
    constexpr CPoint(LONG nX, LONG nY) : x(nX), y(nY) {}
    constexpr bool operator==(const CPoint&) const = default;
    void Offset(LONG dx, LONG dy) { x += dx; y += dy; }
};

struct CRect {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    constexpr CRect() = default;
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : left(l), top(t), right(r), bottom(b) {}
    constexpr bool operator==(const CRect&) const = default;
    // Widths in 64 bits: a rectangle from a damaged file may span the whole int range.
    constexpr std::int64_t Width() const { return std::int64_t(right) - left; }
    constexpr std::int64_t Height() const { return std::int64_t(bottom) - top; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    void NormalizeRect()
    {
        if (left > right) { LONG t = left; left = right; right = t; }
        if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
    }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
};

// Points, sizes and rectangles print as their numbers, so a failed check
// or a trace says which values differ.
inline std::ostream& operator<<(std::ostream& out, const CSize& size)
{
    return out << "(" << size.cx << " x " << size.cy << ")";
}
inline std::ostream& operator<<(std::ostream& out, const CPoint& pt)
{
    return out << "(" << pt.x << ", " << pt.y << ")";
}
inline std::ostream& operator<<(std::ostream& out, const CRect& rect)
{
    return out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

// Logical font description; heights and widths are in logical units of the
// context the font is created for (negative height = character height).
struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[32] = {};  // UTF-8, zero-terminated
};

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

// Hatch styles.
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

// Raster operations of SetROP2.
constexpr int R2_BLACK = 1;
constexpr int R2_MASKPENNOT = 5;   // pen AND (NOT screen)
constexpr int R2_NOT = 6;          // NOT screen
constexpr int R2_NOP = 11;         // screen: nothing changes
constexpr int R2_COPYPEN = 13;     // pen
constexpr int R2_WHITE = 16;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Flood fill types.
constexpr UINT FLOODFILLBORDER = 0;
constexpr UINT FLOODFILLSURFACE = 1;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;

// Mapping modes.
constexpr int MM_TEXT = 1;
constexpr int MM_HIMETRIC = 3;

// Block transfer.
constexpr DWORD SRCCOPY = 0x00CC0020;

// GetDeviceCaps indexes and technologies.
constexpr int TECHNOLOGY = 2;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int DT_RASDISPLAY = 1;
constexpr int DT_RASPRINTER = 2;

// Font weights.
constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
