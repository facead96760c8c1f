// The splash picture: a flange plate drawn as an engineering sketch on
// gridded paper, with its dimensions, a side view and a title block that
// carries the program's name.
#include "app/splash/splashwnd.h"

#include "app/startup/picturetools.h"

namespace {

constexpr COLORREF kPaper = RGB(250, 250, 245);
constexpr COLORREF kInk = RGB(24, 52, 96);
constexpr COLORREF kGridDot = RGB(196, 204, 216);
constexpr COLORREF kCentreLine = RGB(176, 40, 40);
constexpr COLORREF kShade = RGB(222, 231, 244);
constexpr COLORREF kDimension = RGB(60, 60, 60);

// The plate's view: its box, the bore and the four bolt holes.
constexpr int kPlateLeft = 80, kPlateTop = 60, kPlateRight = 380, kPlateBottom = 240;
constexpr int kBoreX = 230, kBoreY = 150, kBoreRadius = 50;

void DrawGridPaper(CDC* pDC)
{
    for (int y = 25; y < kSplashHeight - 10; y += 25)
        for (int x = 25; x < kSplashWidth - 10; x += 25)
            pDC->SetPixelV(x, -y, kGridDot);
    CDrawObjects objects(pDC, kInk, 2);
    pDC->Rectangle(8, -8, kSplashWidth - 8, -(kSplashHeight - 8));
}

void DrawCircle(CDC* pDC, int x, int y, int nRadius)
{
    pDC->Ellipse(x - nRadius, -(y - nRadius), x + nRadius, -(y + nRadius));
}

// Dash-dot cross through a hole's centre, reaching nReach beyond it.
void DrawCentreCross(CDC* pDC, int x, int y, int nReach)
{
    CDrawObjects objects(pDC, kCentreLine, 1, std::nullopt, PS_DASHDOT);
    DrawSegment(pDC, x - nReach, -y, x + nReach, -y);
    DrawSegment(pDC, x, -(y - nReach), x, -(y + nReach));
}

void DrawPlate(CDC* pDC)
{
    {
        CDrawObjects objects(pDC, kInk, 3, kShade);
        pDC->RoundRect(kPlateLeft, -kPlateTop, kPlateRight, -kPlateBottom, 40, 40);
    }
    {
        CDrawObjects objects(pDC, kInk, 3, kPaper);
        DrawCircle(pDC, kBoreX, kBoreY, kBoreRadius);
        for (int x : {125, 335})
            for (int y : {105, 195})
                DrawCircle(pDC, x, y, 12);
    }
    {
        CDrawObjects objects(pDC, kInk, 1);
        DrawCircle(pDC, kBoreX, kBoreY, kBoreRadius - 14);
    }
    DrawCentreCross(pDC, kBoreX, kBoreY, kBoreRadius + 24);
    for (int x : {125, 335})
        for (int y : {105, 195})
            DrawCentreCross(pDC, x, y, 20);
}

// An arrowhead at (x, y) pointing in the direction (dx, dy), one of the axes.
void DrawArrowHead(CDC* pDC, int x, int y, int dx, int dy)
{
    const CPoint ptHead[] = {{x, -y},
                             {x - 10 * dx - 4 * dy, -(y - 10 * dy - 4 * dx)},
                             {x - 10 * dx + 4 * dy, -(y - 10 * dy + 4 * dx)}};
    CDrawObjects objects(pDC, kDimension, 1, kDimension);
    pDC->Polygon(ptHead, 3);
}

void DrawDimensions(CDC* pDC)
{
    {
        CDrawObjects objects(pDC, kDimension, 1);
        // Width, below the plate.
        DrawSegment(pDC, kPlateLeft, -(kPlateBottom + 6), kPlateLeft, -(kPlateBottom + 32));
        DrawSegment(pDC, kPlateRight, -(kPlateBottom + 6), kPlateRight, -(kPlateBottom + 32));
        DrawSegment(pDC, kPlateLeft, -(kPlateBottom + 24), kPlateRight, -(kPlateBottom + 24));
        // Height, right of the plate.
        DrawSegment(pDC, kPlateRight + 6, -kPlateTop, kPlateRight + 40, -kPlateTop);
        DrawSegment(pDC, kPlateRight + 6, -kPlateBottom, kPlateRight + 40, -kPlateBottom);
        DrawSegment(pDC, kPlateRight + 32, -kPlateTop, kPlateRight + 32, -kPlateBottom);
        // Leader to the bore.
        DrawSegment(pDC, kBoreX + 35, -(kBoreY - 35), kBoreX + 90, -(kBoreY - 110));
        DrawSegment(pDC, kBoreX + 90, -(kBoreY - 110), kBoreX + 150, -(kBoreY - 110));
    }
    DrawArrowHead(pDC, kPlateLeft, kPlateBottom + 24, -1, 0);
    DrawArrowHead(pDC, kPlateRight, kPlateBottom + 24, 1, 0);
    DrawArrowHead(pDC, kPlateRight + 32, kPlateTop, 0, -1);
    DrawArrowHead(pDC, kPlateRight + 32, kPlateBottom, 0, 1);
    DrawLabel(pDC, (kPlateLeft + kPlateRight) / 2 - 14, -(kPlateBottom + 6), QStringLiteral("300"), 14, kDimension);
    DrawLabel(pDC, kPlateRight + 38, -((kPlateTop + kPlateBottom) / 2 - 8), QStringLiteral("180"), 14, kDimension);
    DrawLabel(pDC, kBoreX + 96, -(kBoreY - 128), QString::fromUtf8("\xc3\x98 100"), 14, kDimension);
}

// The plate seen from below, the bore and bolt holes as hidden edges.
void DrawSideView(CDC* pDC)
{
    constexpr int nTop = 318, nBottom = 348;
    {
        CDrawObjects objects(pDC, kInk, 3, kShade);
        pDC->Rectangle(kPlateLeft, -nTop, kPlateRight, -nBottom);
    }
    CDrawObjects hidden(pDC, kInk, 1, std::nullopt, PS_DASH);
    for (int x : {kBoreX - kBoreRadius, kBoreX + kBoreRadius, 113, 137, 323, 347})
        DrawSegment(pDC, x, -(nTop + 2), x, -(nBottom - 2));
    DrawCentreCross(pDC, kBoreX, (nTop + nBottom) / 2, 24);
}

void DrawTitleBlock(CDC* pDC)
{
    constexpr int nLeft = 392, nTop = 300, nRight = 584, nBottom = 434;
    {
        CDrawObjects objects(pDC, kInk, 2, RGB(255, 255, 255));
        pDC->Rectangle(nLeft, -nTop, nRight, -nBottom);
    }
    {
        CDrawObjects objects(pDC, kInk, 1);
        DrawSegment(pDC, nLeft, -(nTop + 64), nRight, -(nTop + 64));
        DrawSegment(pDC, nLeft, -(nTop + 98), nRight, -(nTop + 98));
    }
    DrawLabel(pDC, nLeft + 12, -(nTop + 12), QStringLiteral("Korvada"), 34, kInk, FW_BOLD);
    DrawLabel(pDC, nLeft + 10, -(nTop + 72), QStringLiteral("Engineering sketches"), 16, kDimension);
    DrawLabel(pDC, nLeft + 10, -(nTop + 106), QStringLiteral("Version 3.0"), 16, kDimension);
}

} // namespace

QImage SplashPicture()
{
    CPictureDC dc(kSplashWidth, kSplashHeight, kPaper);
    DrawGridPaper(&dc);
    DrawPlate(&dc);
    DrawDimensions(&dc);
    DrawSideView(&dc);
    DrawTitleBlock(&dc);
    return dc.TakePicture();
}
