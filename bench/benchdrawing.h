// Drawings for the speed suite: the same figures for the same arguments on
// every machine and every run, so a median from one run compares with the
// next. The figures are of mixed classes, spread over the whole canvas.
#pragma once

#include <QByteArray>

class CMyDrevikDoc;

// Mixed figures appended to doc (the step pointer at the last). bFloodFills
// adds one flood fill per ~5,000 figures.
void FillBenchDrawing(CMyDrevikDoc& doc, int nFigures, bool bFloodFills = true, unsigned nSeed = 1);
// Only straight lines (for bytes per line figure).
void FillBenchLines(CMyDrevikDoc& doc, int nFigures);
// The .kvd bytes of such a drawing, as Save writes them.
QByteArray BenchDrawingBytes(int nFigures, bool bFloodFills = true);
