// The images of the main tool bar: files, printing, grid, the main-bar
// tools, capture and replay, whole-drawing transforms and drag & paste.
#include "app/frames/icons/iconpaint.h"

#include "resources/resource.h"

#include <QPainterPath>

namespace icons {

namespace {

// A sheet of paper with its top-right corner folded.
void DrawPage(QPainter& p, int x, int y, int w, int h)
{
    Polygon(p, {{qreal(x), qreal(y)}, {qreal(x + w - 4), qreal(y)}, {qreal(x + w - 1), qreal(y + 3)},
                   {qreal(x + w - 1), qreal(y + h - 1)}, {qreal(x), qreal(y + h - 1)}},
        kInk, Qt::white);
    Polyline(p, {{qreal(x + w - 4), qreal(y)}, {qreal(x + w - 4), qreal(y + 3)}, {qreal(x + w - 1), qreal(y + 3)}});
}

void DrawNew(QPainter& p)
{
    DrawPage(p, 3, 1, 10, 13);
    Line(p, 5, 9, 10, 9, kLight);
    Line(p, 5, 11, 10, 11, kLight);
    Fill(p, 1, 0, 3, 3, kOrange);
}

void DrawOpen(QPainter& p)
{
    Polygon(p, {{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 12}, {1, 12}}, kInk, kYellow.darker(115));
    Polygon(p, {{3, 7}, {15, 7}, {13, 12}, {1, 12}}, kInk, kYellow);
}

void DrawSave(QPainter& p)
{
    Polyline(p, {{1, 9}, {1, 13}, {14, 13}, {14, 9}});
    Fill(p, 2, 11, 12, 2, kLight);
    Line(p, 7.5, 1, 7.5, 7, kBlue, 2);
    Arrowhead(p, 7.5, 10, 0, 1, 3.5, kBlue);
}

void DrawCopyRegion(QPainter& p)
{
    Box(p, 0, 1, 11, 9, kInk, Qt::white);
    Fill(p, 1, 2, 9, 2, kBlue);
    Box(p, 6, 6, 10, 9, kInk, kLight);
    Line(p, 8, 9, 13, 9, kBlue);
    Line(p, 8, 11, 13, 11, kBlue);
}

void DrawPrint(QPainter& p)
{
    Box(p, 4, 0, 8, 5, kInk, Qt::white);
    Box(p, 1, 5, 14, 6, kInk, kGrey);
    Fill(p, 12, 7, 2, 1, kGreen);
    Box(p, 4, 9, 8, 6, kInk, Qt::white);
    Line(p, 6, 11, 9, 11, kBlue);
}

void DrawAbout(QPainter& p)
{
    Ellipse(p, 7.5, 7, 6.5, 6.5, kInk, kBlue);
    Fill(p, 7, 3, 2, 2, Qt::white);
    Fill(p, 7, 6, 2, 5, Qt::white);
}

// Dots every nStep cells on a white sheet.
void DrawDotGrid(QPainter& p, int nStep)
{
    Box(p, 0, 0, 16, 15, kGrey, Qt::white);
    for (int y = 2; y < 14; y += nStep)
        for (int x = 2; x < 15; x += nStep)
            Fill(p, x, y, 1, 1, kInk);
}

void DrawGridSmall(QPainter& p) { DrawDotGrid(p, 2); }
void DrawGridMedium(QPainter& p) { DrawDotGrid(p, 3); }
void DrawGridLarge(QPainter& p) { DrawDotGrid(p, 4); }
void DrawGridExtraLarge(QPainter& p) { DrawDotGrid(p, 6); }

void DrawGridSync(QPainter& p)
{
    for (int y = 1; y < 15; y += 4)
        for (int x = 1; x < 16; x += 4)
            Fill(p, x, y, 1, 1, kInk);
    Polygon(p, {{5, 5}, {5, 14}, {7, 12}, {9, 14}, {10, 13}, {8, 11}, {11, 11}}, kInk, kOrange);
}

void DrawGridShow(QPainter& p)
{
    Box(p, 0, 0, 16, 15, kInk, kLight);
    for (int y = 2; y < 14; y += 3)
        for (int x = 2; x < 15; x += 3)
            Fill(p, x, y, 1, 1, kInk);
    Line(p, 2, 12, 13, 2, kRed, 1.5);
}

void DrawText(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 2, 13, 7.5, 1, kInk, 2);
    Line(p, 7.5, 1, 13, 13, kInk, 2);
    Line(p, 4.5, 9, 10.5, 9, kInk, 1.5);
}

void DrawFreeDraw(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(QPointF(1.5, 12.5));
    path.cubicTo(QPointF(3, 8), QPointF(6, 15), QPointF(8, 11));
    p.setPen(QPen(kBlue, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    Polygon(p, {{8, 10}, {14, 4}, {15, 5}, {9, 11}}, kInk, kOrange);
    Polygon(p, {{8, 10}, {9, 11}, {7, 12}}, kInk, kInk);
    Line(p, 13, 3, 15, 5, kRed, 1.5);
}

void DrawFloodFill(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{2, 6}, {7, 1}, {12, 6}, {7, 11}}, kInk, kLight);
    Polygon(p, {{2, 6}, {12, 6}, {7, 11}}, kInk, kBlue);
    Ellipse(p, 13.5, 10, 1.5, 2.5, kBlue, kBlue);
    Line(p, 5, 1, 7, 3);
}

void DrawStartCapture(QPainter& p)
{
    Polyline(p, {{5, 1}, {2, 1}, {2, 13}, {5, 13}}, kInk, 1.5);
    p.setRenderHint(QPainter::Antialiasing);
    Ellipse(p, 9.5, 7, 3.5, 3.5, kRed, kRed);
}

void DrawEndCapture(QPainter& p)
{
    Polyline(p, {{10, 1}, {13, 1}, {13, 13}, {10, 13}}, kInk, 1.5);
    Fill(p, 3, 4, 6, 6, kInk);
}

void DrawPlay(QPainter& p)
{
    Box(p, 0, 1, 16, 13, kInk, kLight);
    for (int x = 2; x < 15; x += 3) {
        Fill(p, x, 2, 1, 1, kInk);
        Fill(p, x, 12, 1, 1, kInk);
    }
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{5, 4}, {11, 7}, {5, 10}}, kGreen, kGreen);
}

// Two triangles mirrored about a dashed axis.
void DrawInvertY(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{3, 5}, {12, 5}, {3, 0}}, kInk, kBlue);
    Polygon(p, {{3, 9}, {12, 9}, {3, 14}}, kInk, Qt::white);
    for (int x = 0; x < 16; x += 3)
        Fill(p, x, 7, 2, 1, kRed);
}

void DrawInvertX(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{6, 2}, {6, 12}, {1, 12}}, kInk, kBlue);
    Polygon(p, {{9, 2}, {9, 12}, {14, 12}}, kInk, Qt::white);
    for (int y = 0; y < 15; y += 3)
        Fill(p, 7, y, 2, 1, kRed);
}

void DrawLens(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 9.5, 9.5, 14, 14, kInk, 2.5);
    Ellipse(p, 6, 6, 5, 5, kInk, kLight);
    Line(p, 4, 6, 8, 6, kInk, 1.5);
}

void DrawZoomIn(QPainter& p)
{
    DrawLens(p);
    Line(p, 6, 4, 6, 8, kInk, 1.5);
}

void DrawZoomOut(QPainter& p)
{
    DrawLens(p);
}

void DrawDragPaste(QPainter& p)
{
    Line(p, 7.5, 2, 7.5, 12, kInk, 1.5);
    Line(p, 2, 7, 13, 7, kInk, 1.5);
    p.setRenderHint(QPainter::Antialiasing);
    Arrowhead(p, 7.5, 0, 0, -1, 3, kBlue);
    Arrowhead(p, 7.5, 14, 0, 1, 3, kBlue);
    Arrowhead(p, 0, 7, -1, 0, 3, kBlue);
    Arrowhead(p, 15, 7, 1, 0, 3, kBlue);
}

void DrawCut(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 4, 0, 10, 10, kGrey, 1.5);
    Line(p, 11, 0, 5, 10, kGrey, 1.5);
    Ellipse(p, 3.5, 11.5, 2.5, 2.5, kRed);
    Ellipse(p, 11.5, 11.5, 2.5, 2.5, kRed);
}

void DrawPaste(QPainter& p)
{
    Box(p, 1, 2, 11, 13, kInk, kOrange);
    Box(p, 4, 1, 5, 3, kInk, kGrey);
    DrawPage(p, 6, 5, 9, 10);
}

constexpr IconRow kMainBarIcons[] = {
    {ID_FILE_NEW, DrawNew},
    {ID_FILE_OPEN, DrawOpen},
    {ID_FILE_SAVE, DrawSave},
    {ID_EDIT_COPY, DrawCopyRegion},
    {ID_FILE_PRINT, DrawPrint},
    {ID_APP_ABOUT, DrawAbout},
    {ID_GRID_SMALL, DrawGridSmall},
    {ID_GRID_MEDIUM, DrawGridMedium},
    {ID_GRID_LARGE, DrawGridLarge},
    {ID_GRID_EXTRA_LARGE, DrawGridExtraLarge},
    {ID_GRID_SYNC, DrawGridSync},
    {ID_GRID_SHOW, DrawGridShow},
    {ID_TOOL_TEXT, DrawText},
    {ID_TOOL_FREE_DRAW, DrawFreeDraw},
    {ID_TOOL_FLOOD_FILL, DrawFloodFill},
    {ID_START_CAPTURE, DrawStartCapture},
    {ID_END_CAPTURE, DrawEndCapture},
    {ID_PLAY_ANIMATION, DrawPlay},
    {ID_INVERT_Y, DrawInvertY},
    {ID_INVERT_X, DrawInvertX},
    {ID_ZOOM_IN, DrawZoomIn},
    {ID_ZOOM_OUT, DrawZoomOut},
    {ID_DRAG_PASTE, DrawDragPaste},
    {ID_EDIT_CUT, DrawCut},
    {ID_EDIT_PASTE, DrawPaste},
};

} // namespace

std::span<const IconRow> MainBarIcons()
{
    return kMainBarIcons;
}

} // namespace icons
