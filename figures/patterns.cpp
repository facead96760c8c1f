// The seven pattern bitmaps of the fill styles 8 to 14, 16 pixels wide,
// drawn row by row (leftmost pixel = most significant bit, 1 = black).
#include "figures/fillbrush.h"

#include "resources/resource.h"

#include <QColor>

#include <array>
#include <initializer_list>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace {

struct GreyBlock {
    int nFirstRow, nLastRow, nFirstCol, nLastCol;  // counted from 1, inclusive
};

struct PatternBitmap {
    UINT nId;
    std::vector<std::uint16_t> rows;
    std::vector<GreyBlock> grey;
};

std::vector<std::uint16_t> Rows(std::initializer_list<std::uint16_t> black, int nRows)
{
    std::vector<std::uint16_t> rows(black);
    rows.resize(nRows, 0);
    return rows;
}

const std::vector<PatternBitmap>& Patterns()
{
    static const std::vector<PatternBitmap> patterns = {
        {IDB_PATTERN_ARROW, Rows({0x2000, 0x1000, 0x0800, 0x0400, 0x0800, 0x1000, 0x2000, 0x4000}, 15),
         {{1, 8, 10, 16}, {9, 11, 6, 16}, {12, 15, 1, 16}}},
        {IDB_PATTERN_CIRCLE, Rows({0x3C00, 0x4200, 0x8100, 0x8100, 0x8100, 0x8100, 0x4200, 0x3C00}, 15), {}},
        {IDB_PATTERN_BIG_CROSS, Rows({0xF000, 0xF000, 0xF000, 0xF000}, 15),
         {{1, 4, 10, 16}, {5, 9, 11, 16}, {10, 15, 1, 16}}},
        {IDB_PATTERN_DIAMOND, Rows({0x5555, 0xBBBB, 0x5555, 0xEEEF, 0x5555, 0xBBBB, 0x5555, 0xEEEF,
                    0x5555, 0xBBBB, 0x5555, 0xEEEF, 0x5555, 0xBBBB, 0x5555, 0xEEEF}, 16), {}},
        {IDB_PATTERN_HORIZONTAL_SINE, Rows({0x7040, 0x8880, 0x8880, 0x8880, 0x0700}, 15),
         {{1, 15, 13, 16}, {13, 15, 1, 3}}},
        {IDB_PATTERN_SMALL_CROSS, Rows({0x0F81, 0x0F81, 0x0F81, 0x0F81, 0xF001, 0xF001, 0xF001, 0xF001, 0xF001,
                    0x0001, 0x0001, 0x0001, 0x0001, 0x0001, 0xFFC1}, 15), {}},
        {IDB_PATTERN_VERTICAL_SINE, Rows({0x7000, 0x0800, 0x0800, 0x0800, 0x7000, 0x8000, 0x8000, 0x8000, 0x7000}, 15),
         {{1, 8, 13, 16}, {9, 10, 10, 16}, {11, 15, 1, 16}}},
    };
    return patterns;
}

QImage MakeMappedPattern(UINT nResourceId, COLORREF color)
{
    for (const PatternBitmap& pattern : Patterns()) {
        if (pattern.nId != nResourceId)
            continue;
        const int nHeight = int(pattern.rows.size());
        QImage image(16, nHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (const GreyBlock& block : pattern.grey)
            for (int row = block.nFirstRow; row <= block.nLastRow; ++row)
                for (int col = block.nFirstCol; col <= block.nLastCol; ++col)
                    image.setPixel(col - 1, row - 1, qRgb(0xC0, 0xC0, 0xC0));
        for (int row = 0; row < nHeight; ++row)
            for (int col = 0; col < 16; ++col)
                if (pattern.rows[row] & (0x8000 >> col))
                    image.setPixel(col, row, ToRgb(color));
        return image;
    }
    return QImage();
}

}  // namespace

// Every filled figure makes its brush again on each paint, in every band:
// the few patterns in use are kept rather than drawn again pixel by pixel,
// and a figure's kept brush then shares the very same image.
QImage LoadMappedPattern(UINT nResourceId, COLORREF color)
{
    static std::mutex s_mutex;
    static std::map<std::pair<UINT, COLORREF>, QImage> s_cache;
    constexpr std::size_t kMaxKept = 256;
    const std::pair<UINT, COLORREF> key(nResourceId, color & 0xFFFFFF);
    const std::lock_guard lock(s_mutex);
    if (const auto it = s_cache.find(key); it != s_cache.end())
        return it->second;
    const QImage image = MakeMappedPattern(nResourceId, key.second);
    if (s_cache.size() >= kMaxKept)
        s_cache.clear();
    s_cache.emplace(key, image);
    return image;
}
