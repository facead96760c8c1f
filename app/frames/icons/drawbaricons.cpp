// The images of the drawing tool bar: the figure tools, the step history,
// the modes and the line tools.
#include "app/frames/icons/iconpaint.h"

#include "resources/resource.h"

#include <QPainterPath>

#include <cmath>

namespace icons {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

void Handle(QPainter& p, int x, int y)
{
    Fill(p, x - 1, y - 1, 3, 3, kOrange);
}

void DrawLine(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 2, 12, 13, 2);
    Handle(p, 2, 12);
    Handle(p, 13, 2);
}

void DrawBezier(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 1, 13, 3, 2, kGrey);
    Line(p, 14, 1, 12, 12, kGrey);
    QPainterPath path(QPointF(1.5, 13.5));
    path.cubicTo(QPointF(3.5, 2.5), QPointF(12.5, 12.5), QPointF(14.5, 1.5));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    Handle(p, 3, 2);
    Handle(p, 12, 12);
}

void DrawRectangle(QPainter& p) { Box(p, 1, 2, 14, 11); }
void DrawRectFill(QPainter& p) { Box(p, 1, 2, 14, 11, kInk, kBlue); }

void DrawEllipse(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Ellipse(p, 7.5, 7, 7, 5);
}

void DrawEllipseFill(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Ellipse(p, 7.5, 7, 7, 5, kInk, kBlue);
}

void DrawRoundBox(QPainter& p, const QBrush& fill)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 10), 3.5, 3.5);
}

void DrawRectRound(QPainter& p) { DrawRoundBox(p, Qt::NoBrush); }
void DrawRectRoundFill(QPainter& p) { DrawRoundBox(p, kBlue); }

void DrawRadialCircle(QPainter& p, const QBrush& fill, const QColor& colorRadius)
{
    p.setRenderHint(QPainter::Antialiasing);
    Ellipse(p, 7.5, 7, 6.5, 6.5, kInk, fill);
    Line(p, 7.5, 7, 12, 3, colorRadius);
    Fill(p, 7, 6, 2, 2, kOrange);
}

void DrawRadialCircleOutline(QPainter& p) { DrawRadialCircle(p, Qt::NoBrush, kInk); }
void DrawRadialCircleFill(QPainter& p) { DrawRadialCircle(p, kBlue, Qt::white); }

// The part of a circle around the image's centre from angle dStart (degrees,
// counter-clockwise from three o'clock) over dSpan; bChord closes it with a
// straight line, bPie with two radii.
QPainterPath ArcPath(qreal dStart, qreal dSpan, bool bChord, bool bPie)
{
    const QRectF rect(1.5, 1, 13, 13);
    QPainterPath path;
    if (bPie) {
        path.moveTo(rect.center());
        path.arcTo(rect, dStart, dSpan);
        path.closeSubpath();
        return path;
    }
    path.arcMoveTo(rect, dStart);
    path.arcTo(rect, dStart, dSpan);
    if (bChord)
        path.closeSubpath();
    return path;
}

void DrawArcShape(QPainter& p, const QPainterPath& path, const QBrush& fill)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

void DrawArc(QPainter& p) { DrawArcShape(p, ArcPath(200, 230, false, false), Qt::NoBrush); }
void DrawChord(QPainter& p) { DrawArcShape(p, ArcPath(200, 230, true, false), Qt::NoBrush); }
void DrawChordFill(QPainter& p) { DrawArcShape(p, ArcPath(200, 230, true, false), kBlue); }
void DrawPie(QPainter& p) { DrawArcShape(p, ArcPath(90, 270, false, true), Qt::NoBrush); }
void DrawPieFill(QPainter& p) { DrawArcShape(p, ArcPath(90, 270, false, true), kBlue); }

void DrawRadialTool(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * kPi / 4;
        const qreal x = 7.5 + 5.5 * std::cos(a);
        const qreal y = 7 - 5.5 * std::sin(a);
        Line(p, 7.5, 7, x, y, kGrey);
        p.fillRect(QRectF(x - 0.5, y - 0.5, 2, 2), kBlue);
    }
    Fill(p, 7, 6, 2, 2, kOrange);
}

void DrawThread(QPainter& p)
{
    Line(p, 0, 2, 15, 2, kGrey);
    Line(p, 0, 12, 15, 12, kGrey);
    p.setRenderHint(QPainter::Antialiasing);
    Polyline(p, {{0, 11}, {2, 3}, {4, 11}, {6, 3}, {8, 11}, {10, 3}, {12, 11}, {14, 3}, {15, 7}}, kInk, 1.2);
}

// Triangles pointing left (nDir -1) or right (1) with their tips at x.
void StepTriangle(QPainter& p, qreal x, int nDir, const QColor& color)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{x, 7}, {x - nDir * 5, 2}, {x - nDir * 5, 12}}, kInk, color);
}

void DrawFirstStep(QPainter& p)
{
    Fill(p, 1, 2, 2, 11, kInk);
    StepTriangle(p, 3, -1, kBlue);
    StepTriangle(p, 9, -1, kBlue);
}

void DrawGoBack(QPainter& p) { StepTriangle(p, 4, -1, kBlue); }
void DrawMoveForward(QPainter& p) { StepTriangle(p, 11, 1, kBlue); }

void DrawLastStep(QPainter& p)
{
    Fill(p, 13, 2, 2, 11, kInk);
    StepTriangle(p, 6, 1, kBlue);
    StepTriangle(p, 12, 1, kBlue);
}

void DrawUndo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(QPointF(4, 6.5));
    path.cubicTo(QPointF(8, 2.5), QPointF(15, 4), QPointF(13.5, 9.5));
    path.cubicTo(QPointF(12.5, 12.5), QPointF(9, 13.5), QPointF(6, 12.5));
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    Polygon(p, {{0.5, 8}, {2, 2}, {6.5, 6.5}}, kRed, kRed);
}

void DrawRefresh(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(2.5, 2, 11, 11);
    p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(rect, 20 * 16, 130 * 16);
    p.drawArc(rect, 200 * 16, 130 * 16);
    Arrowhead(p, 12.5, 8.5, 0.4, 1, 3.2, kGreen);
    Arrowhead(p, 2.5, 5.5, -0.4, -1, 3.2, kGreen);
}

void DrawRubber(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{6, 2}, {14, 2}, {9, 12}, {1, 12}}, kInk, QColor(0xf2, 0x9a, 0xb0));
    Polygon(p, {{1, 12}, {3.5, 7}, {11.5, 7}, {9, 12}}, kInk, Qt::white);
    Line(p, 0, 14, 15, 14, kGrey);
}

void DrawConcentric(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Ellipse(p, 7.5, 7, 6.5, 6.5, kInk);
    Ellipse(p, 7.5, 7, 4, 4, kBlue);
    Ellipse(p, 7.5, 7, 1.5, 1.5, kInk, kOrange);
}

void DrawColor(QPainter& p)
{
    Box(p, 0, 0, 8, 7, kInk, kRed);
    Box(p, 8, 0, 8, 7, kInk, kYellow);
    Box(p, 0, 8, 8, 7, kInk, kGreen);
    Box(p, 8, 8, 8, 7, kInk, kBlue);
}

void DrawCentricLines(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 2, 12, 14, 12);
    Line(p, 2, 12, 14, 5);
    Line(p, 2, 12, 11, 1);
    Line(p, 2, 12, 4, 0);
    Fill(p, 1, 11, 3, 3, kOrange);
}

void DrawParallelLines(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Line(p, 1, 9, 9, 1);
    Line(p, 6, 14, 14, 6);
    Line(p, 3, 11, 10, 4, kGrey);
}

void DrawEndLines(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polyline(p, {{1, 12}, {4, 3}, {9, 10}, {14, 2}});
    Handle(p, 4, 3);
    Handle(p, 9, 10);
}

void DrawMeasure(QPainter& p)
{
    Line(p, 1, 4, 1, 14);
    Line(p, 14, 4, 14, 14);
    Line(p, 2, 10, 13, 10, kInk);
    p.setRenderHint(QPainter::Antialiasing);
    Arrowhead(p, 2, 10, -1, 0, 3);
    Arrowhead(p, 13, 10, 1, 0, 3);
    Fill(p, 5, 2, 6, 2, kBlue);
    Fill(p, 5, 5, 6, 1, kBlue);
}

void DrawPolygon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Polygon(p, {{4, 2}, {15, 2}, {11, 12}, {0, 12}}, kInk, kLight);
    Handle(p, 11, 12);
}

constexpr IconRow kDrawBarIcons[] = {
    {ID_TOOL_LINE, DrawLine},
    {ID_TOOL_BEZIER, DrawBezier},
    {ID_TOOL_RECTANGLE, DrawRectangle},
    {ID_TOOL_RECT_FILL, DrawRectFill},
    {ID_TOOL_ELLIPSE, DrawEllipse},
    {ID_TOOL_ELLIPSE_FILL, DrawEllipseFill},
    {ID_TOOL_RECT_ROUND, DrawRectRound},
    {ID_TOOL_RECT_ROUND_FILL, DrawRectRoundFill},
    {ID_TOOL_RADIAL_CIRCLE, DrawRadialCircleOutline},
    {ID_TOOL_RADIAL_CIRCLE_FILL, DrawRadialCircleFill},
    {ID_TOOL_ARC, DrawArc},
    {ID_TOOL_CHORD, DrawChord},
    {ID_TOOL_CHORD_FILL, DrawChordFill},
    {ID_TOOL_PIE, DrawPie},
    {ID_TOOL_PIE_FILL, DrawPieFill},
    {ID_RADIAL_TOOL, DrawRadialTool},
    {ID_TOOL_THREAD, DrawThread},
    {ID_FIRST_STEP, DrawFirstStep},
    {ID_GO_BACKWARD, DrawGoBack},
    {ID_MOVE_FORWARD, DrawMoveForward},
    {ID_LAST_STEP, DrawLastStep},
    {ID_EDIT_UNDO, DrawUndo},
    {ID_REFRESH_SCREEN, DrawRefresh},
    {ID_RUBBER, DrawRubber},
    {ID_CONCENTRIC_MODE, DrawConcentric},
    {ID_COLOR, DrawColor},
    {ID_TOOL_CENTRIC_LINES, DrawCentricLines},
    {ID_TOOL_PARALLEL_LINES, DrawParallelLines},
    {ID_TOOL_END_LINES, DrawEndLines},
    {ID_TOOL_MEASURE, DrawMeasure},
    {ID_TOOL_POLYGON, DrawPolygon},
};

} // namespace

std::span<const IconRow> DrawBarIcons()
{
    return kDrawBarIcons;
}

} // namespace icons
