#include "bench/benchdrawing.h"

#include "document/mydrevikdoc.h"
#include "figures/arcs.h"
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/polygon.h"
#include "figures/rectangles.h"
#include "figures/text.h"
#include "figures/trigon.h"
#include "platform/archive.h"

#include <array>
#include <cstdint>
#include <memory>

namespace {

// The canvas in logical units; y runs negative downwards as in the files.
constexpr int kCanvasWidth = 27195;
constexpr int kCanvasHeight = 20396;
// Figures stay small against the canvas, as the parts of a sketch do.
constexpr int kMaxFigureSize = 1600;
constexpr int kFiguresPerFloodFill = 5000;
constexpr int kFiguresPerText = 500;
// Flood fills stop at the frame's colour, so no other figure may use it.
constexpr COLORREF kFrameColor = 0x000000;
constexpr int kFrameSize = 1200;

constexpr std::array<COLORREF, 8> kColors = {0x0000FF, 0x00A000, 0xFF0000, 0x808000,
                                              0x008080, 0x800080, 0x4080C0, 0x606060};

// A small generator written out here (not std::uniform_int_distribution,
// whose results differ between standard libraries): the drawing must be
// the same wherever the suite runs.
class CBenchRandom {
public:
    explicit CBenchRandom(unsigned nSeed) : m_nState(nSeed * 2654435761u + 1) {}
    int Below(int nLimit)
    {
        m_nState ^= m_nState << 13;
        m_nState ^= m_nState >> 7;
        m_nState ^= m_nState << 17;
        return int(m_nState % std::uint64_t(nLimit));
    }

private:
    std::uint64_t m_nState;
};

// One figure's place: a box of up to kMaxFigureSize inside the canvas.
struct BenchBox {
    int x1, y1, x2, y2;
    COLORREF color;
    int nWidth;
    int nPenStyle;
    int nFillStyle;
};

BenchBox RandomBox(CBenchRandom& random, int nIndex)
{
    BenchBox box{};
    box.x1 = random.Below(kCanvasWidth - kMaxFigureSize);
    box.y1 = -random.Below(kCanvasHeight - kMaxFigureSize);
    box.x2 = box.x1 + 40 + random.Below(kMaxFigureSize - 40);
    box.y2 = box.y1 - 40 - random.Below(kMaxFigureSize - 40);
    box.color = kColors[size_t(random.Below(int(kColors.size())))];
    box.nWidth = 1 + nIndex % 5;
    // Every pen style, the null and inside-frame ones included.
    box.nPenStyle = (nIndex / 5) % 7;
    box.nFillStyle = 1 + nIndex % 14;
    return box;
}

std::unique_ptr<CFigure> MakeOutlined(const BenchBox& b, int nKind)
{
    const int xMid = (b.x1 + b.x2) / 2;
    switch (nKind) {
    case 0: return std::make_unique<CRectangle>(b.x1, b.y1, b.x2, b.y2, b.color, b.nWidth, FALSE, b.nPenStyle);
    case 1: return std::make_unique<CRectRound>(b.x1, b.y1, b.x2, b.y2, b.color, b.nWidth, FALSE, b.nPenStyle);
    case 2: return std::make_unique<CCircle>(b.x1, b.y1, b.x2, b.y2, b.color, b.nWidth, TRUE, b.nPenStyle);
    case 3: return std::make_unique<CArc>(b.x1, b.y1, b.x2, b.y2, b.x2, b.y1, xMid, b.y2, b.color, b.nWidth, FALSE, b.nPenStyle);
    case 4: return std::make_unique<CChord>(b.x1, b.y1, b.x2, b.y2, b.x1, b.y1, b.x2, b.y2, b.color, b.nWidth, FALSE, b.nPenStyle);
    default: return std::make_unique<CPie>(b.x1, b.y1, b.x2, b.y2, b.x2, b.y2, xMid, b.y1, b.color, b.nWidth, FALSE, b.nPenStyle);
    }
}

std::unique_ptr<CFigure> MakeFilled(const BenchBox& b, int nKind)
{
    const int xMid = (b.x1 + b.x2) / 2;
    switch (nKind) {
    case 0: return std::make_unique<CRectFill>(b.x1, b.y1, b.x2, b.y2, b.color, b.nFillStyle, FALSE);
    case 1: return std::make_unique<CRectRoundFill>(b.x1, b.y1, b.x2, b.y2, b.color, b.nFillStyle, FALSE);
    case 2: return std::make_unique<CCircleFill>(b.x1, b.y1, b.x2, b.y2, b.color, b.nFillStyle, TRUE);
    case 3: return std::make_unique<CChordFill>(b.x1, b.y1, b.x2, b.y2, b.x1, b.y2, b.x2, b.y1, b.color, b.nFillStyle, FALSE);
    default: return std::make_unique<CPieFill>(b.x1, b.y1, b.x2, b.y2, b.x2, b.y1, xMid, b.y2, b.color, b.nFillStyle, FALSE);
    }
}

std::unique_ptr<CFigure> MakeCurve(const BenchBox& b, int nKind)
{
    switch (nKind) {
    case 0:
        return std::make_unique<CBezier>(b.x1, b.y1, b.x1, b.y2, b.x2, b.y1, b.x2, b.y2, b.color, b.nWidth, FALSE, b.nPenStyle);
    case 1:
        return std::make_unique<CPolygon>(b.x1, b.y1, b.x2, b.y2, b.x2 + 300, (b.y1 + b.y2) / 2, b.color, b.nWidth,
                                          b.nPenStyle, 1 + (b.nFillStyle % 4));
    default:
        return std::make_unique<CTrigon>(b.x1, b.y1, b.x2, b.y1 - 200, b.color, 5 + b.nFillStyle, FALSE);
    }
}

// The mix, out of 100: mostly lines, as in a sketch, then closed shapes,
// filled shapes, arcs and curves.
std::unique_ptr<CFigure> MakeMixedFigure(CBenchRandom& random, int nIndex)
{
    const BenchBox b = RandomBox(random, nIndex);
    const int nSlot = nIndex % 100;
    // Lines run both ways, rising and falling.
    if (nSlot < 40 && nIndex % 2 == 0)
        return std::make_unique<CLine>(b.x1, b.y1, b.x2, b.y2, b.color, b.nWidth, b.nPenStyle);
    if (nSlot < 40)
        return std::make_unique<CLine>(b.x2, b.y1, b.x1, b.y2, b.color, b.nWidth, b.nPenStyle);
    if (nSlot < 60)
        return MakeOutlined(b, nSlot % 6);
    if (nSlot < 80)
        return MakeFilled(b, nSlot % 5);
    return MakeCurve(b, nSlot % 9 == 0 ? 2 : nSlot % 2);
}

std::unique_ptr<CFigure> MakeText(CBenchRandom& random, int nIndex)
{
    const BenchBox b = RandomBox(random, nIndex);
    return std::make_unique<CText>(b.x1, b.y1, b.x1 + 900, b.y1 - 300, b.color,
                                   QStringLiteral("Bolt M%1 x 40").arg(4 + nIndex % 20), GetDefaultTextFont());
}

// A closed frame in the boundary colour, and a fill seeded at its middle:
// the fill takes whatever the figures before it left inside the frame.
void AppendFramedFloodFill(FigureArray& figures, CBenchRandom& random, int nIndex)
{
    const int x1 = random.Below(kCanvasWidth - kFrameSize);
    const int y1 = -random.Below(kCanvasHeight - kFrameSize);
    figures.push_back(std::make_unique<CRectangle>(x1, y1, x1 + kFrameSize, y1 - kFrameSize, kFrameColor, 2, FALSE, PS_SOLID));
    figures.push_back(std::make_unique<CFloodFill>(x1 + kFrameSize / 2, y1 - kFrameSize / 2, 0, 0, kFrameColor,
                                                   kColors[size_t(nIndex) % kColors.size()], 1 + nIndex % 14));
}

}  // namespace

void FillBenchDrawing(CMyDrevikDoc& doc, int nFigures, bool bFloodFills, unsigned nSeed)
{
    CBenchRandom random(nSeed);
    FigureArray& figures = doc.m_figures;
    figures.reserve(figures.size() + size_t(nFigures));
    const int nEnd = int(figures.size()) + nFigures;
    for (int i = 0; int(figures.size()) < nEnd; ++i) {
        // The frame and its fill come in the middle of each run of figures,
        // so later figures cross them as they would in a real sketch.
        if (bFloodFills && i % kFiguresPerFloodFill == kFiguresPerFloodFill / 2 && nEnd - int(figures.size()) >= 2)
            AppendFramedFloodFill(figures, random, i);
        else if (i % kFiguresPerText == kFiguresPerText - 1)
            figures.push_back(MakeText(random, i));
        else
            figures.push_back(MakeMixedFigure(random, i));
    }
    doc.m_nStep = doc.GetCount() - 1;
}

void FillBenchLines(CMyDrevikDoc& doc, int nFigures)
{
    CBenchRandom random(7);
    FigureArray& figures = doc.m_figures;
    figures.reserve(figures.size() + size_t(nFigures));
    for (int i = 0; i < nFigures; ++i) {
        const BenchBox b = RandomBox(random, i);
        figures.push_back(std::make_unique<CLine>(b.x1, b.y1, b.x2, b.y2, b.color, b.nWidth, b.nPenStyle % 5));
    }
    doc.m_nStep = doc.GetCount() - 1;
}

QByteArray BenchDrawingBytes(int nFigures, bool bFloodFills)
{
    CMyDrevikDoc doc;
    FillBenchDrawing(doc, nFigures, bFloodFills);
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBuffer();
}
