// The visible drawing as a PDF file of vectors at true scale: on one page
// the size of the canvas, or on the printer's pages as printing puts it.
#pragma once

#include <QByteArray>
#include <QPageLayout>

class CMyDrevikDoc;
class QPrinter;

// One page of 271.95 x 203.96 mm holding the whole canvas.
QByteArray ExportDrawingPdf(CMyDrevikDoc* pDoc);

// The paper, its margins and the resolution the page grid is counted in.
struct PrinterPages {
    QPageLayout layout;
    int nDpi = 1200;
};
PrinterPages PrinterPagesOf(QPrinter* pPrinter);

// The canvas and its border on the page grid printing uses for that paper:
// the same pages, in the same order, at the same place and scale.
QByteArray ExportDrawingPdfPages(CMyDrevikDoc* pDoc, const PrinterPages& pages);
