// File > Export: the visible drawing of the active document as a PNG
// picture, a PDF document, an SVG or a DXF drawing; the file name's
// extension chooses.
#include "app/startup/appshell.h"

#include "app/documents/doctemplate.h"
#include "app/frames/mainframe.h"
#include "app/startup/messagebox.h"
#include "document/mydrevikdoc.h"
#include "platform/savefile.h"
#include "view/export/exportdrawing.h"
#include "view/export/exportpdf.h"
#include "view/sharedprinter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

namespace {

QString AskExportFileName(QWidget* pParent, const QString& strProposed)
{
    return QFileDialog::getSaveFileName(pParent, QStringLiteral("Export"), strProposed, ExportFileFilters());
}

ExportPdfPages AskExportPdfPages(QWidget* pParent)
{
    const QStringList listPages{QStringLiteral("One page the size of the canvas (271.95 \u00D7 203.96 mm)"),
                                QStringLiteral("The printer's pages, as printing places the drawing")};
    bool bOk = false;
    const QString strPages = QInputDialog::getItem(pParent, QStringLiteral("Export"), QStringLiteral("PDF pages:"),
                                                   listPages, 0, false, &bOk);
    if (!bOk)
        return ExportPdfPages::Cancel;
    return strPages == listPages[1] ? ExportPdfPages::Printer : ExportPdfPages::Canvas;
}

double AskExportScale(QWidget* pParent)
{
    const QStringList listScales{QStringLiteral("1\u00D7 (1024 \u00D7 768)"), QStringLiteral("2\u00D7 (2048 \u00D7 1536)"),
                                 QStringLiteral("4\u00D7 (4096 \u00D7 3072)")};
    bool bOk = false;
    const QString strScale = QInputDialog::getItem(pParent, QStringLiteral("Export"),
                                                   QStringLiteral("PNG size, times the screen:"), listScales, 0,
                                                   false, &bOk);
    if (!bOk)
        return 0;
    return double(1 << listScales.indexOf(strScale));
}

// The drawing's own name with the picture's extension, beside its file.
QString ProposedExportName(const CMyDrevikDoc* pDoc)
{
    const QString strBase = pDoc->GetPathName().isEmpty() ? pDoc->GetTitle() : pDoc->GetPathName();
    const QFileInfo info(strBase);
    return info.path() == QStringLiteral(".") ? info.completeBaseName() + QStringLiteral(".png")
                                              : info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".png");
}

}  // namespace

void CAppShell::OnFileExport()
{
    CMyDrevikDoc* pDoc = m_pDocTemplate->GetActiveDocument();
    if (!pDoc)
        return;
    QWidget* pParent = m_pMainFrame.get();
    const QString strFile = m_pfnGetExportFileName ? m_pfnGetExportFileName(pParent, ProposedExportName(pDoc))
                                                   : AskExportFileName(pParent, ProposedExportName(pDoc));
    if (strFile.isEmpty())
        return;
    const ExportFormat format = ExportFormatOf(strFile);
    if (format == ExportFormat::Unknown) {
        ShowMessageBox(
            QStringLiteral("Cannot export to %1: choose a name ending in %2.").arg(strFile, ExportSuffixList()));
        return;
    }
    double dScale = 1;
    if (format == ExportFormat::Png) {
        dScale = m_pfnGetExportScale ? m_pfnGetExportScale(pParent) : AskExportScale(pParent);
        if (dScale <= 0)
            return;
    }
    ExportPdfPages pages = ExportPdfPages::Canvas;
    if (format == ExportFormat::Pdf) {
        pages = m_pfnGetExportPdfPages ? m_pfnGetExportPdfPages(pParent) : AskExportPdfPages(pParent);
        if (pages == ExportPdfPages::Cancel)
            return;
    }
    // The printer's pages are those chosen in Print Setup.
    const QByteArray bytes = pages == ExportPdfPages::Printer
                                 ? ExportDrawingPdfPages(pDoc, PrinterPagesOf(SharedPrinter()))
                                 : ExportDrawingBytes(pDoc, format, dScale);
    QString strReason = QStringLiteral("the picture could not be made");
    if (bytes.isEmpty() ||
        !SaveWholeFile(strFile, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }, &strReason))
        ShowMessageBox(QStringLiteral("Cannot export to %1: %2").arg(strFile, strReason));
}
