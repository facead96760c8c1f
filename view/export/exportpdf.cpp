// The PDF is painted by replaying what the drawing's sink heard, so each
// figure reaches it through its own Draw, as on the screen.
#include "view/export/exportpdf.h"

#include "document/mydrevikdoc.h"
#include "view/export/exportdrawing.h"
#include "view/export/pdfsink.h"
#include "view/printpages.h"
#include "view/render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <functional>

namespace {

// A device unit of the writer is a logical unit of the drawing: 0.01 mm.
constexpr int kUnitsPerInch = 2540;

// The canvas's size in millimetres, exactly: no paper size of that name
// may stand in for it.
QPageLayout CanvasPageLayout()
{
    const QPageSize size(QSizeF(kCanvasSize.cx / 100.0, kCanvasSize.cy / 100.0), QPageSize::Millimeter,
                         QStringLiteral("Korvada canvas"), QPageSize::ExactMatch);
    // The size is wider than high already; landscape would turn it again.
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF());
}

// The writer rounds a page's box to whole points (771 x 578 for the
// canvas, 0.05 mm off) and puts the canvas's top edge at the box's top.
// The exact box keeps that top and reaches a little below zero instead; it
// fits in the bytes of the rounded one, so no offset in the file moves.
void WriteExactPageBox(QByteArray& bytes)
{
    const QSizeF sizePoints = CanvasPageLayout().fullRectPoints().size();
    const QByteArray rounded = QByteArray("/MediaBox [0 0 ") + QByteArray::number(sizePoints.width(), 'f', 6) + ' '
                               + QByteArray::number(sizePoints.height(), 'f', 6) + ']';
    const double dWidth = kCanvasSize.cx / 2540.0 * 72, dHeight = kCanvasSize.cy / 2540.0 * 72;
    // PDF numbers may start at the decimal point: "-.154331".
    QByteArray bottom = QByteArray::number(sizePoints.height() - dHeight, 'f', 6);
    bottom.replace("-0.", "-.");
    const QByteArray exact = QByteArray("/MediaBox [0 ") + bottom + ' ' + QByteArray::number(dWidth, 'f', 6) + ' '
                             + QByteArray::number(sizePoints.height(), 'f', 0) + ']';
    const qsizetype nAt = bytes.indexOf(rounded);
    if (nAt >= 0 && exact.size() == rounded.size())
        bytes.replace(nAt, rounded.size(), exact);
}

// The file the painting of fnPaint makes on pages of that layout; empty
// when it cannot be made.
QByteArray WritePdf(CMyDrevikDoc* pDoc, const QPageLayout& layout,
                    const std::function<void(QPdfWriter&, QPainter&)>& fnPaint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    QPdfWriter writer(&buffer);
    writer.setResolution(kUnitsPerInch);
    writer.setPageLayout(layout);
    writer.setTitle(pDoc->GetTitle());
    writer.setCreator(QStringLiteral("Korvada"));
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    fnPaint(writer, painter);
    // The file is complete only once the painter ends.
    if (!painter.end())
        return QByteArray();
    return bytes;
}

// Page nPage of the printer's grid: its part of the canvas, clipped to the
// printable area, where the painter starts as a printer's does.
struct GridPage {
    QRectF rectPrintable;  // logical units
    QPointF ptOrigin;      // where the canvas's corner lies on the page
};

void PaintGridPage(QPainter& painter, CPdfSink& sink, const GridPage& page, double dUnitsPerDot)
{
    painter.save();
    painter.setClipRect(page.rectPrintable);
    painter.translate(page.ptOrigin);
    // On paper the canvas ends with a line one printer dot wide on its
    // right and bottom edges.
    const QPolygonF border{{double(kCanvasSize.cx), 0}, {double(kCanvasSize.cx), double(kCanvasSize.cy)},
                           {0, double(kCanvasSize.cy)}};
    painter.setPen(QPen(Qt::black, dUnitsPerDot, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(border);
    sink.Replay(&painter);
    painter.restore();
}

}  // namespace

QByteArray ExportDrawingPdf(CMyDrevikDoc* pDoc)
{
    CPdfSink sink;
    ListenToDrawing(pDoc, &sink);
    QByteArray bytes =
        WritePdf(pDoc, CanvasPageLayout(), [&sink](QPdfWriter&, QPainter& painter) { sink.Replay(&painter); });
    WriteExactPageBox(bytes);
    return bytes;
}

PrinterPages PrinterPagesOf(QPrinter* pPrinter)
{
    return PrinterPages{pPrinter->pageLayout(), std::max(1, pPrinter->resolution())};
}

QByteArray ExportDrawingPdfPages(CMyDrevikDoc* pDoc, const PrinterPages& pages)
{
    const QRect rectPrintable = pages.layout.paintRectPixels(pages.nDpi);
    const int nHorzRes = rectPrintable.width(), nVertRes = rectPrintable.height();
    const PageGrid grid = ComputePageGrid(kCanvasSize, nHorzRes, nVertRes, pages.nDpi, pages.nDpi);
    const double dUnitsPerDot = double(kUnitsPerInch) / pages.nDpi;
    CPdfSink sink;
    ListenToDrawing(pDoc, &sink);
    return WritePdf(pDoc, pages.layout, [&](QPdfWriter& writer, QPainter& painter) {
        for (int nPage = 1; nPage <= grid.PageCount(); ++nPage) {
            if (nPage > 1)
                writer.newPage();
            const CPoint ptOrigin = PageViewportOrigin(nPage, grid.nColumns, nHorzRes, nVertRes);
            const GridPage page{QRectF(0, 0, nHorzRes * dUnitsPerDot, nVertRes * dUnitsPerDot),
                                QPointF(ptOrigin.x * dUnitsPerDot, ptOrigin.y * dUnitsPerDot)};
            PaintGridPage(painter, sink, page, dUnitsPerDot);
        }
    });
}
