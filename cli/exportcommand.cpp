// korvada-cli export: the visible drawing as a PNG or an SVG file.
#include "cli/clicommands.h"

#include "cli/cliapplication.h"
#include "document/mydrevikdoc.h"
#include "view/export/exportdrawing.h"

#include <QIODevice>

int ExportCommand(const QString& strDrawing, const QString& strOut, std::optional<int> nStep, double dScale)
{
    const ExportFormat format = ExportFormatOf(strOut);
    if (format == ExportFormat::Unknown) {
        PrintError(QStringLiteral("Cannot export to %1: the name must end in .png or .svg (see korvada-cli --help)")
                       .arg(strOut));
        return kCliUsage;
    }
    CMyDrevikDoc doc;
    if (!OpenDrawing(doc, strDrawing))
        return kCliBadInput;
    doc.m_nStep = nStep.value_or(doc.GetCount() - 1);
    // Export measures and draws text through the fonts of the platform.
    EnsureGuiApplication();
    const QByteArray bytes = ExportDrawingBytes(&doc, format, dScale);
    if (bytes.isEmpty()) {
        PrintError(QStringLiteral("Cannot make the image of %1 at scale %2.").arg(strDrawing).arg(dScale));
        return kCliBadOutput;
    }
    return WriteOutput(strOut, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}
