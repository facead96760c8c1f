// A drawing that shows every class but text at a size the eye can check,
// for the export tests.
#pragma once

#include "figures/arcs.h"
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/line.h"
#include "figures/polygon.h"
#include "figures/rectangles.h"
#include "figures/trigon.h"

#include "figures/archive/figurearchive.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>

inline FigureArray MakeVisibleShapes()
{
    FigureArray figures;
    auto add = [&figures](CFigure* pFigure) { figures.emplace_back(pFigure); };
    add(new CLine(1000, -1000, 9000, -3000, 0x0000FF, 3, PS_SOLID));
    add(new CLine(1000, -2000, 9000, -4000, 0x000000, 1, PS_DASH));
    add(new CRectangle(1000, -5000, 6000, -8000, 0x00A000, 2, FALSE, PS_SOLID));
    add(new CRectRound(7000, -5000, 12000, -8000, 0xA00000, 2, FALSE, PS_SOLID));
    add(new CCircle(13000, -5000, 17000, -9000, 0x123456, 4, FALSE, PS_SOLID));
    add(new CRectFill(1000, -9000, 6000, -12000, 0x654321, 1, FALSE));
    add(new CRectRoundFill(7000, -9000, 12000, -12000, 0x0000C0, 4, FALSE));
    add(new CCircleFill(13000, -10000, 17000, -14000, 0x00C0C0, 9, FALSE));
    add(new CArc(18000, -1000, 24000, -6000, 25000, -3500, 21000, 0, 0x0A0B0C, 2, FALSE, PS_SOLID));
    add(new CChord(18000, -7000, 24000, -12000, 25000, -9500, 21000, -6000, 0x800080, 2, FALSE, PS_SOLID));
    add(new CPie(18000, -13000, 24000, -18000, 25000, -15500, 21000, -12000, 0x008080, 2, FALSE, PS_SOLID));
    add(new CChordFill(1000, -13000, 6000, -17000, 8000, -15000, 3500, -12000, 0x808000, 1, FALSE));
    add(new CPieFill(7000, -13000, 12000, -17000, 14000, -15000, 9500, -12000, 0x404040, 6, FALSE));
    add(new CBezier(1000, -18000, 4000, -14000, 8000, -20000, 12000, -18000, 0x444444, 2, FALSE, PS_SOLID));
    add(new CPolygon(13000, -15000, 16000, -17000, 17000, -19000, 0x555555, 2, PS_SOLID, 1));
    add(new CTrigon(10000, -1000, 16000, -3000, 0x666666, 10, FALSE));
    // A closed frame for the flood fill to stay inside.
    add(new CRectangle(25000, -1000, 26500, -19000, 0x000000, 1, FALSE, PS_SOLID));
    add(new CFloodFill(25500, -10000, 0, 0, 0x000000, 0xABCDEF, 1));
    return figures;
}

// The share of pixels that differ clearly once both images are blurred
// by a box of nBox pixels: antialiasing and half-pixel placement vanish,
// a missing or misplaced shape does not.
inline double ClearlyDifferentShare(const QImage& a, const QImage& b, int nBox)
{
    const QSize size(a.width() / nBox, a.height() / nBox);
    const QImage sa = a.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    const QImage sb = b.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    qint64 nDifferent = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            const int nDiff = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                        std::abs(qBlue(p) - qBlue(q))});
            nDifferent += nDiff > 48;
        }
    return double(nDifferent) / (size.width() * size.height());
}

// Runs a reader of exported files; its standard output, or a null array
// when it failed (*pstrError then says why).
inline QByteArray RunReader(const QString& strProgram, const QStringList& args, QString* pstrError = nullptr)
{
    QProcess process;
    process.start(strProgram, args);
    const bool bDone = process.waitForFinished(120000);
    const QByteArray error = process.readAllStandardError();
    if (!bDone || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (pstrError)
            *pstrError = QString::fromLocal8Bit(error);
        return QByteArray();
    }
    if (pstrError)
        *pstrError = QString::fromLocal8Bit(error);
    const QByteArray out = process.readAllStandardOutput();
    return out.isNull() ? QByteArray("") : out;
}
