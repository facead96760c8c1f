// Brushes are tiles on the screen's pixel grid; a hatch's lines are laid
// on the same grid so a hatch brush's lines repeat every 8 pixels and a
// pattern's rows every tile.
#include "view/export/dxfhatch.h"

#include "platform/types.h"

#include <QImage>

#include <map>

namespace {

struct HatchRow {
    int nHatch;
    const char* pszName;
    std::vector<double> vecAngles;  // degrees, y up
};

const std::vector<HatchRow>& HatchRows()
{
    static const std::vector<HatchRow> vecRows{
        {HS_HORIZONTAL, "HORIZONTAL", {0}},  {HS_VERTICAL, "VERTICAL", {90}},
        {HS_FDIAGONAL, "FDIAGONAL", {135}},  // falling from left to right
        {HS_BDIAGONAL, "BDIAGONAL", {45}},   {HS_CROSS, "CROSS", {0, 90}},
        {HS_DIAGCROSS, "DIAGCROSS", {45, 135}},
    };
    return vecRows;
}

std::vector<DxfHatchStyle> HatchBrushStyles(const CDCSinkState& state, double dPixel, double dTileX, double dTileY)
{
    for (const HatchRow& row : HatchRows()) {
        if (row.nHatch != state.brush.nHatch)
            continue;
        DxfHatchStyle style{row.pszName, state.brush.color, false, {}};
        // Each family's next line lies one 8-pixel tile along an axis.
        const double dSpacing = 8 * dPixel;
        for (double dAngle : row.vecAngles)
            style.vecLines.push_back({dAngle, dTileX, dTileY, dAngle == 0 ? 0 : dSpacing, dAngle == 0 ? dSpacing : 0, {}});
        return {style};
    }
    return {};
}

// One dashed line per tile row holding rgb: dashes over its pixels.
std::vector<DxfPatternLine> TileRowLines(const QImage& tile, QRgb rgb, double dPixel, double dTileX, double dTileY)
{
    std::vector<DxfPatternLine> vecLines;
    for (int y = 0; y < tile.height(); ++y) {
        std::vector<double> vecDashes;
        for (int x = 0; x < tile.width();) {
            const bool bInk = tile.pixel(x, y) == rgb;
            int nRun = 0;
            while (x < tile.width() && (tile.pixel(x, y) == rgb) == bInk) {
                ++x;
                ++nRun;
            }
            vecDashes.push_back((bInk ? 1 : -1) * nRun * dPixel);
        }
        if (vecDashes.size() == 1 && vecDashes[0] < 0)
            continue;  // nothing of this colour in the row
        // Through the middle of the row's pixels; the next copy of the row
        // is a tile further down.
        vecLines.push_back({0, dTileX, dTileY - (y + 0.5) * dPixel, 0, tile.height() * dPixel, vecDashes});
    }
    return vecLines;
}

std::vector<DxfHatchStyle> PatternBrushStyles(const CDCSinkState& state, double dPixel, double dTileX, double dTileY)
{
    const QImage tile = state.brush.pattern.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> mapColours;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            ++mapColours[tile.pixel(x, y)];
    std::vector<DxfHatchStyle> vecStyles;
    for (const auto& [rgb, nCount] : mapColours) {
        if (qRed(rgb) == 255 && qGreen(rgb) == 255 && qBlue(rgb) == 255)
            continue;
        vecStyles.push_back({"TILE", RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)), false,
                             TileRowLines(tile, rgb, dPixel, dTileX, dTileY)});
    }
    return vecStyles;
}

}  // namespace

std::vector<DxfHatchStyle> HatchStylesOf(const CDCSinkState& state, double dTileX, double dTileY)
{
    const double dPixel = state.dUnitsPerPixel / 100;
    switch (state.brush.type) {
    case BrushData::Type::Solid: return {DxfHatchStyle{"SOLID", state.brush.color, true, {}}};
    case BrushData::Type::Hatch: return HatchBrushStyles(state, dPixel, dTileX, dTileY);
    case BrushData::Type::Pattern: return PatternBrushStyles(state, dPixel, dTileX, dTileY);
    case BrushData::Type::Null: break;
    }
    return {};
}
