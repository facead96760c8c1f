// What hatches a brush becomes in a DXF file: the lines and dashes are
// written out by hand, one pixel = 1 mm so the numbers read plainly.
#include "platform/gdi.h"
#include "view/export/dxfhatch.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// "NAME #rrggbb" then, per line, "angle@(x,y)+(dx,dy)[dashes]".
QString Describe(const std::vector<DxfHatchStyle>& vecStyles)
{
    QStringList list;
    for (const DxfHatchStyle& style : vecStyles) {
        QString str = QStringLiteral("%1 #%2%3%4")
                          .arg(QString::fromLatin1(style.pszName))
                          .arg(GetRValue(style.color), 2, 16, QLatin1Char('0'))
                          .arg(GetGValue(style.color), 2, 16, QLatin1Char('0'))
                          .arg(GetBValue(style.color), 2, 16, QLatin1Char('0'));
        for (const DxfPatternLine& line : style.vecLines) {
            QStringList listDashes;
            for (double d : line.vecDashes)
                listDashes << QString::number(d);
            str += QStringLiteral(" %1@(%2,%3)+(%4,%5)[%6]")
                       .arg(line.dAngle)
                       .arg(line.dBaseX)
                       .arg(line.dBaseY)
                       .arg(line.dOffsetX)
                       .arg(line.dOffsetY)
                       .arg(listDashes.join(u','));
        }
        list << str;
    }
    return list.join(QStringLiteral(" | "));
}

// A 4 x 2 tile: red, red, white, red over white, grey, white, white.
QImage SmallTile()
{
    QImage tile(4, 2, QImage::Format_RGB32);
    tile.fill(Qt::white);
    for (int x : {0, 1, 3})
        tile.setPixel(x, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 1, qRgb(0xC0, 0xC0, 0xC0));
    return tile;
}

struct BrushCase {
    const char* pszName;
    BrushData brush;
    const char* pszHatches;
};
void PrintTo(const BrushCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class DxfHatchOfBrush : public ::testing::TestWithParam<BrushCase> {};

}  // namespace

TEST_P(DxfHatchOfBrush, linesAndDashes)
{
    CDCSinkState state;
    state.brush = GetParam().brush;
    state.dUnitsPerPixel = 100;
    // The tiles start at (10, 20) mm.
    EXPECT_EQ(Describe(HatchStylesOf(state, 10, 20)).toStdString(), GetParam().pszHatches);
}

INSTANTIATE_TEST_SUITE_P(
    Brushes, DxfHatchOfBrush,
    ::testing::Values(
        BrushCase{"none", BrushData{}, ""},
        BrushCase{"solid", BrushData{BrushData::Type::Solid, RGB(0, 0, 255), 0, {}}, "SOLID #0000ff"},
        BrushCase{"horizontal", BrushData{BrushData::Type::Hatch, RGB(1, 2, 3), HS_HORIZONTAL, {}},
                  "HORIZONTAL #010203 0@(10,20)+(0,8)[]"},
        BrushCase{"cross", BrushData{BrushData::Type::Hatch, RGB(1, 2, 3), HS_CROSS, {}},
                  "CROSS #010203 0@(10,20)+(0,8)[] 90@(10,20)+(8,0)[]"},
        // Falling from left to right on the screen is 135 degrees with y up.
        BrushCase{"fallingDiagonal", BrushData{BrushData::Type::Hatch, RGB(1, 2, 3), HS_FDIAGONAL, {}},
                  "FDIAGONAL #010203 135@(10,20)+(8,0)[]"},
        BrushCase{"hatchOutOfRange", BrushData{BrushData::Type::Hatch, RGB(1, 2, 3), 9, {}}, ""},
        // Each colour's rows through their pixels' middles, a tile apart;
        // white stays paper.
        BrushCase{"patternTile", BrushData{BrushData::Type::Pattern, 0, 0, SmallTile()},
                  "TILE #c0c0c0 0@(10,18.5)+(0,2)[-1,1,-2] | TILE #ff0000 0@(10,19.5)+(0,2)[2,-1,1]"}),
    [](const ::testing::TestParamInfo<BrushCase>& info) { return std::string(info.param.pszName); });
