// File > Export: the visible drawing of the active document as a PNG
// picture, an SVG or a DXF drawing; the file name's extension chooses.
#include "app/startup/appshell.h"

#include "app/documents/doctemplate.h"
#include "app/frames/mainframe.h"
#include "app/startup/messagebox.h"
#include "document/mydrevikdoc.h"
#include "platform/savefile.h"
#include "view/export/exportdrawing.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

namespace {

const char* const kExportFilter = "PNG picture (*.png);;SVG drawing (*.svg);;DXF drawing (*.dxf)";

QString AskExportFileName(QWidget* pParent, const QString& strProposed)
{
    return QFileDialog::getSaveFileName(pParent, QStringLiteral("Export"), strProposed,
                                        QString::fromLatin1(kExportFilter));
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
        ShowMessageBox(QStringLiteral("Cannot export to %1: choose a name ending in .png, .svg or .dxf.").arg(strFile));
        return;
    }
    double dScale = 1;
    if (format == ExportFormat::Png) {
        dScale = m_pfnGetExportScale ? m_pfnGetExportScale(pParent) : AskExportScale(pParent);
        if (dScale <= 0)
            return;
    }
    const QByteArray bytes = ExportDrawingBytes(pDoc, format, dScale);
    QString strReason = QStringLiteral("the picture could not be made");
    if (bytes.isEmpty() ||
        !SaveWholeFile(strFile, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }, &strReason))
        ShowMessageBox(QStringLiteral("Cannot export to %1: %2").arg(strFile, strReason));
}
