// The visible drawing (figures 0 to the step pointer, without grid or
// handles) in the formats it leaves the program in.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class CMyDrevikDoc;

enum class ExportFormat { Png, Svg, Dxf, Unknown };

// The format a file name's extension asks for.
ExportFormat ExportFormatOf(const QString& strFile);

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
// The bytes of a file of that format (PNG at dScale); empty when the
// format is unknown or the image cannot be made.
QByteArray ExportDrawingBytes(CMyDrevikDoc* pDoc, ExportFormat format, double dScale);
