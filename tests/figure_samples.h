// One figure of every class, each field a different value, and helpers to
// write drawing-file bytes by hand in the tests.
#pragma once

#include "figures/arcs.h"
#include "figures/archive/figurearchive.h"
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/measure.h"
#include "figures/polygon.h"
#include "figures/rectangles.h"
#include "figures/text.h"
#include "figures/trigon.h"

#include <QByteArray>

inline FigureArray MakeOneOfEachClass()
{
    FigureArray figures;
    auto add = [&figures](CFigure* pFigure) { figures.emplace_back(pFigure); };
    add(new CLine(1, -2, 3, -4, 0x0000FF, 5, 1));
    add(new CRectangle(10, -20, 30, -40, 0x00FF00, 2, TRUE, 2));
    add(new CRectRound(11, -21, 31, -41, 0xFF0000, 3, FALSE, 3));
    add(new CCircle(12, -22, 32, -42, 0x123456, 4, TRUE, 4));
    add(new CRectFill(13, -23, 33, -43, 0x654321, 7, TRUE));
    add(new CRectRoundFill(14, -24, 34, -44, 0x010203, 8, FALSE));
    add(new CCircleFill(15, -25, 35, -45, 0x030201, 14, TRUE));
    add(new CArc(100, -100, 300, -300, 400, -200, 200, -50, 0x0A0B0C, 6, TRUE, 1));
    add(new CChord(101, -101, 301, -301, 401, -201, 201, -51, 0x0C0B0A, 7, FALSE, 2));
    add(new CPie(102, -102, 302, -302, 402, -202, 202, -52, 0x111111, 8, TRUE, 3));
    add(new CChordFill(103, -103, 303, -303, 403, -203, 203, -53, 0x222222, 9, TRUE));
    add(new CPieFill(104, -104, 304, -304, 404, -204, 204, -54, 0x333333, 10, FALSE));
    add(new CBezier(0, 0, 100, -500, 300, -500, 400, 0, 0x444444, 11, TRUE, 4));
    add(new CPolygon(50, -60, 250, -160, 900, -90, 0x555555, 12, 1, 2));
    add(new CTrigon(0, -1000, 1571, -2000, 0x666666, 10, TRUE));
    add(new CMeasure(0, 0, 1000, -2000, 0x777777, PS_SOLID, 1, QStringLiteral("12.5 mm")));
    add(new CText(500, -500, 600, -600, 0x888888, QStringLiteral("Bolt \u00D8 8"), LOGFONT{}));
    add(new CFloodFill(700, -700, 0, 0, 0x999999, 0xABCDEF, 13));
    return figures;
}

// Bytes from hex pairs; spaces are for the reader.
inline QByteArray Hex(const char* pszHex)
{
    return QByteArray::fromHex(QByteArray(pszHex).replace(' ', ""));
}

// The record of the red line from (100, -200) to (300, -400), thickness 1,
// solid pen.
inline QByteArray RedLineRecord()
{
    return Hex("64000000 38FFFFFF 2C010000 70FEFFFF FF000000 01000000 00000000");
}

// A one-line drawing of that red line.
inline QByteArray RedLineDrawing()
{
    return Hex("0100 FFFF 0300 0500") + "CLine" + RedLineRecord();
}
