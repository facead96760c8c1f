// The visible drawing (figures 0 to the step pointer, without grid or
// handles) in the formats it leaves the program in.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class CDCSink;
class CMyDrevikDoc;

enum class ExportFormat { Png, Pdf, Svg, Dxf, Unknown };

// Every format a drawing leaves in: its file name extension and the file
// dialog's filter. The dialog, the command line and their messages all
// read this one list.
struct ExportType {
    ExportFormat format;
    const char* pszSuffix;
    const char* pszFilter;
};
inline constexpr ExportType kExportTypes[] = {
    {ExportFormat::Png, "png", "PNG picture (*.png)"},
    {ExportFormat::Pdf, "pdf", "PDF document (*.pdf)"},
    {ExportFormat::Svg, "svg", "SVG drawing (*.svg)"},
    {ExportFormat::Dxf, "dxf", "DXF drawing (*.dxf)"},
};

// The format a file name's extension asks for.
ExportFormat ExportFormatOf(const QString& strFile);
// ".png, .pdf or .svg": the extensions an export's name may end in.
QString ExportSuffixList();
// "OUT.png|OUT.pdf|OUT.svg": the export's output in a usage line.
QString ExportOutputNames();
// The file dialog's filters, one per format.
QString ExportFileFilters();

// Paints the visible drawing as the screen shows it while pSink listens:
// a flood fill finds its region in the pixels of the figures before it.
void ListenToDrawing(CMyDrevikDoc* pDoc, CDCSink* pSink);

// The scales a PNG is offered at, times the screen resolution.
constexpr double kMinExportScale = 0.25;
constexpr double kMaxExportScale = 8;

// The whole canvas on white at dScale times the screen resolution.
QImage ExportDrawingImage(CMyDrevikDoc* pDoc, double dScale);
// The whole canvas as SVG at true size in millimetres.
QByteArray ExportDrawingSvg(CMyDrevikDoc* pDoc);
// The whole canvas as DXF in millimetres, y upward, the canvas's lower-left
// corner at the origin.
QByteArray ExportDrawingDxf(CMyDrevikDoc* pDoc);
// The bytes of a file of that format (PNG at dScale, PDF on one page);
// empty when the format is unknown or the file cannot be made.
QByteArray ExportDrawingBytes(CMyDrevikDoc* pDoc, ExportFormat format, double dScale);
