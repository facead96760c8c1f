// What hatches a brush becomes in a DXF file: the lines and dashes are
// written out by hand, one pixel = 1 mm so the numbers read plainly.
#include "figures/floodfill.h"
#include "figures/rectangles.h"
#include "platform/dc.h"
#include "platform/gdi.h"
#include "view/render.h"
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

namespace {

// Keeps the region and the pixels a flood fill reports.
class CRegionSink : public CDCSink {
public:
    void Line(const CDCSinkState&, CPoint, CPoint) override {}
    void Rectangle(const CDCSinkState&, const CRect&) override {}
    void RoundRect(const CDCSinkState&, const CRect&, CSize) override {}
    void Ellipse(const CDCSinkState&, const CRect&) override {}
    void ArcShape(const CDCSinkState&, CDCArcKind, const CRect&, CPoint, CPoint) override {}
    void Bezier(const CDCSinkState&, const std::vector<CPoint>&) override {}
    void Polygon(const CDCSinkState&, const std::vector<CPoint>&) override {}
    void Pixel(const CDCSinkState&, CPoint, COLORREF) override {}
    void Text(const CDCSinkState&, CPoint, const QString&, const QFont&) override {}
    void FloodFill(const CDCSinkState&, const QImage& image, QPoint pt) override { m_nInk = Count(image, pt, &m_rectInk); }
    void FloodRegion(const CDCSinkState&, const QImage& mask, QPoint pt) override { m_nRegion = Count(mask, pt, &m_rectRegion); }

    static int Count(const QImage& image, QPoint pt, QRect* pRect)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0) {
                    ++n;
                    if (pRect)
                        *pRect |= QRect(pt + QPoint(x, y), QSize(1, 1));
                }
        return n;
    }
    int m_nInk = -1, m_nRegion = -1;
    QRect m_rectRegion, m_rectInk;
};

}  // namespace

TEST(FloodRegion, holdsTheGapsOfAHatchedFill)
{
    // Inside a frame the cross hatch paints only some pixels; the region
    // is the whole inside, a rectangle, and holds every painted pixel.
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, 1.0);
    BeginFigurePainting(&dc);
    CRectangle frame(10, -10, 111, -61, 0x000000, 1, FALSE, PS_SOLID);
    frame.Draw(&dc);
    CRegionSink sink;
    dc.SetSink(&sink);
    CFloodFill fill(50, -30, 0, 0, 0x000000, 0x00FF00, 5);  // cross hatch
    fill.Draw(&dc);
    dc.Detach();
    const QRect rectRegion = sink.m_rectRegion;
    EXPECT_TRUE(QRect(10, 10, 101, 51).contains(rectRegion)) << rectRegion.x() << "," << rectRegion.y();
    EXPECT_EQ(sink.m_nRegion, rectRegion.width() * rectRegion.height());
    EXPECT_GT(sink.m_nRegion, 1000);
    EXPECT_GT(sink.m_nInk, 0);
    EXPECT_LT(sink.m_nInk, sink.m_nRegion / 2);
    EXPECT_TRUE(rectRegion.contains(sink.m_rectInk));
}
