// Printing and print preview: the canvas at true scale as a grid of pages,
// with its border and without the grid. The canvas is painted once per job
// into a raster image, so flood fills spread on paper as on screen, and
// each page shows its part of that image.
#include "view/mydrevikview.h"

#include "view/printpages.h"
#include "view/sharedprinter.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace {

// Finer printers get the canvas image scaled up from this resolution: at
// 1200 dpi the image of the canvas alone would take half a gigabyte.
constexpr int kMaxRenderDpi = 600;
// The preview shows the page picture at its zoom, and a reduction by much
// more than half drops lines one pixel wide. So a preview gets the canvas
// at the resolution it shows it at, rounded up to a step of this many dpi
// so that small zoom changes keep the picture.
constexpr int kPreviewDpiStep = 8;
constexpr int kMinPreviewDpi = 16;

int PreviewRenderDpi(double dShownDpi)
{
    const int nDpi = int(std::ceil(dShownDpi / kPreviewDpiStep)) * kPreviewDpiStep;
    return std::clamp(nDpi, kMinPreviewDpi, kMaxRenderDpi);
}

PageGrid PrinterPageGrid(QPrinter* pPrinter, CSize sizeCanvas)
{
    return ComputePageGrid(sizeCanvas, pPrinter->width(), pPrinter->height(),
                           pPrinter->logicalDpiX(), pPrinter->logicalDpiY());
}

}  // namespace

QPrinter* CMyDrevikView::GetPrinter()
{
    return SharedPrinter();
}

void CMyDrevikView::OnFilePrint()
{
    QPrinter* pPrinter = GetPrinter();
    QPrintDialog dlg(pPrinter, this);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange);
    dlg.setMinMax(1, PrinterPageGrid(pPrinter, m_sizeCanvas).PageCount());
    if (dlg.exec() == QDialog::Accepted)
        PrintPages(pPrinter);
}

void CMyDrevikView::OnFilePrintDirect()
{
    PrintPages(GetPrinter());
}

void CMyDrevikView::OnFilePrintPreview()
{
    QPrintPreviewDialog dlg(GetPrinter(), this);
    if (QPrintPreviewWidget* pPreview = dlg.findChild<QPrintPreviewWidget*>())
        ConnectPreview(pPreview);
    dlg.exec();
}

void CMyDrevikView::ConnectPreview(QPrintPreviewWidget* pPreview)
{
    m_nPreviewDpi = 0;
    connect(pPreview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* pPrinter) { PrintPages(pPrinter, true); });
    // A new zoom may need the pages again at another resolution.
    connect(pPreview, &QPrintPreviewWidget::previewChanged, this, [this, pPreview] {
        const int nDpi = PreviewRenderDpi(pPreview->zoomFactor() * pPreview->logicalDpiX());
        if (nDpi != m_nPreviewDpi) {
            m_nPreviewDpi = nDpi;
            pPreview->updatePreview();
        }
    });
}

void CMyDrevikView::OnFilePageSetup()
{
    QPageSetupDialog dlg(GetPrinter(), this);
    dlg.exec();
}

// The printable page in device pixels decides the page grid.
void CMyDrevikView::OnBeginPrinting(QPrinter* pPrinter, bool bPreview)
{
    m_nPrintHorzRes = pPrinter->width();
    m_nPrintVertRes = pPrinter->height();
    const PageGrid grid = PrinterPageGrid(pPrinter, m_sizeCanvas);
    m_nPageColumns = grid.nColumns;
    m_nPageRows = grid.nRows;
    m_nPrintDpi = std::max(1, pPrinter->logicalDpiX());
    const int nPreviewDpi = m_nPreviewDpi > 0 ? m_nPreviewDpi : PreviewRenderDpi(96);
    m_nPrintRenderDpi = std::min(m_nPrintDpi, bPreview ? nPreviewDpi : kMaxRenderDpi);
    m_imagePrintCanvas = RenderCanvasForPrint(m_nPrintRenderDpi);
}

void CMyDrevikView::OnEndPrinting()
{
    m_imagePrintCanvas = QImage();
}

void CMyDrevikView::PrintPages(QPrinter* pPrinter, bool bPreview)
{
    OnBeginPrinting(pPrinter, bPreview);
    const int nCount = m_nPageColumns * m_nPageRows;
    int nFirst = 1;
    int nLast = nCount;
    if (pPrinter->printRange() == QPrinter::PageRange && pPrinter->fromPage() > 0) {
        nFirst = pPrinter->fromPage();
        nLast = std::min(nCount, pPrinter->toPage() > 0 ? pPrinter->toPage() : nCount);
    }
    QPainter painter;
    if (nFirst <= nLast && painter.begin(pPrinter)) {
        // A PDF file gets the page pictures without loss (it would store
        // them as JPEG, blurring every line); an enlarged or reduced
        // picture is filtered rather than sampled.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const double dScale = double(m_nPrintDpi) / m_nPrintRenderDpi;
        for (int nPage = nFirst; nPage <= nLast; ++nPage) {
            if (nPage > nFirst)
                pPrinter->newPage();
            PrintPage(&painter, nPage, m_imagePrintCanvas, dScale);
        }
        painter.end();
    }
    OnEndPrinting();
}

// The page's viewport origin says where the canvas image lies on it.
void CMyDrevikView::PrintPage(QPainter* pPainter, int nPage, const QImage& imageCanvas,
                              double dScale)
{
    const CPoint ptOrigin =
        PageViewportOrigin(nPage, m_nPageColumns, m_nPrintHorzRes, m_nPrintVertRes);
    const QRectF rectOnImage(-ptOrigin.x / dScale, -ptOrigin.y / dScale,
                             m_nPrintHorzRes / dScale, m_nPrintVertRes / dScale);
    const QRect rectSource = rectOnImage.toAlignedRect().intersected(imageCanvas.rect());
    if (rectSource.isEmpty())
        return;
    const QRectF rectTarget(rectSource.x() * dScale + ptOrigin.x, rectSource.y() * dScale + ptOrigin.y,
                            rectSource.width() * dScale, rectSource.height() * dScale);
    // Only the page's part is handed over: a preview keeps what it is given.
    pPainter->drawImage(rectTarget, imageCanvas.copy(rectSource));
}

QImage CMyDrevikView::RenderCanvasForPrint(int nDpi)
{
    const int nDpiUsed = std::max(1, nDpi);
    // The whole canvas at printer resolution takes more than a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    // One pixel more than the canvas holds the border on its right and bottom edges.
    QImage image(UnitsToPrinterPixels(m_sizeCanvas.cx, nDpiUsed) + 1,
                 UnitsToPrinterPixels(m_sizeCanvas.cy, nDpiUsed) + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, 2540.0 / nDpiUsed);
    dc.SetTechnology(DT_RASPRINTER);
    dc.SetMapMode(MM_HIMETRIC);
    dc.SetViewportOrg(0, 0);
    OnDraw(&dc);
    return image;
}
