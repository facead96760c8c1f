// korvada-cli export: the visible drawing as a PNG, PDF, SVG or DXF file.
#include "cli/clicommands.h"

#include "cli/cliapplication.h"
#include "document/mydrevikdoc.h"
#include "view/export/exportdrawing.h"
#include "view/export/exportpdf.h"
#include "view/sharedprinter.h"

#include <QIODevice>

int ExportCommand(const QString& strDrawing, const QString& strOut, std::optional<int> nStep, double dScale,
                  bool bPages)
{
    const ExportFormat format = ExportFormatOf(strOut);
    if (format == ExportFormat::Unknown) {
        PrintError(QStringLiteral("Cannot export to %1: the name must end in %2 (see korvada-cli --help)")
                       .arg(strOut, ExportSuffixList()));
        return kCliUsage;
    }
    CMyDrevikDoc doc;
    if (!OpenDrawing(doc, strDrawing))
        return kCliBadInput;
    doc.m_nStep = nStep.value_or(doc.GetCount() - 1);
    // Export measures and draws text through the fonts of the platform.
    EnsureGuiApplication();
    // The pages are those of the printer the program prints on by default.
    const QByteArray bytes = bPages ? ExportDrawingPdfPages(&doc, PrinterPagesOf(SharedPrinter()))
                                    : ExportDrawingBytes(&doc, format, dScale);
    if (bytes.isEmpty()) {
        PrintError(format == ExportFormat::Png
                       ? QStringLiteral("Cannot make the image of %1 at scale %2.").arg(strDrawing).arg(dScale)
                       : QStringLiteral("Cannot make the drawing of %1.").arg(strDrawing));
        return kCliBadOutput;
    }
    return WriteOutput(strOut, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}
