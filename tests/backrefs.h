// Drawing files that repeat one figure by back references: two bytes a
// repeat, however costly the figure is to paint or to print.
#pragma once

#include "figures/archive/figurearchive.h"
#include "platform/archive.h"

#include <QByteArray>
#include <QtEndian>

// pFigure once, then nRepeats back references to it.
inline QByteArray BackReferenceDrawing(CFigure* pFigure, int nRepeats)
{
    FigureArray figures;
    figures.emplace_back(pFigure);
    CArchive ar;
    SerializeFigures(ar, figures);
    QByteArray bytes = ar.GetBuffer().mid(2);  // drop the count of one
    // The class takes index 1 of the archive, the figure index 2.
    for (int i = 0; i < nRepeats; ++i)
        bytes += QByteArray::fromHex("0200");
    const quint32 nCount = quint32(nRepeats) + 1;
    QByteArray count(2, '\0');
    if (nCount < 0xFFFF) {
        qToLittleEndian(quint16(nCount), count.data());
    } else {
        count = QByteArray::fromHex("FFFF") + QByteArray(4, '\0');
        qToLittleEndian(nCount, count.data() + 2);
    }
    return count + bytes;
}
