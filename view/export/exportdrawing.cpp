// Exports paint the drawing as the view does; the vector formats listen to
// the same painting through the context's sink.
#include "view/export/exportdrawing.h"

#include "view/export/dxfsink.h"
#include "view/export/exportpdf.h"
#include "view/export/svgsink.h"
#include "view/render.h"

#include <QBuffer>
#include <QFileInfo>

ExportFormat ExportFormatOf(const QString& strFile)
{
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    for (const ExportType& type : kExportTypes)
        if (strSuffix == QLatin1String(type.pszSuffix))
            return type.format;
    return ExportFormat::Unknown;
}

QString ExportSuffixList()
{
    QStringList listSuffixes;
    for (const ExportType& type : kExportTypes)
        listSuffixes << QLatin1Char('.') + QLatin1String(type.pszSuffix);
    const QString strLast = listSuffixes.takeLast();
    return listSuffixes.isEmpty() ? strLast : listSuffixes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + strLast;
}

QString ExportOutputNames()
{
    QStringList listNames;
    for (const ExportType& type : kExportTypes)
        listNames << QStringLiteral("OUT.") + QLatin1String(type.pszSuffix);
    return listNames.join(u'|');
}

QString ExportFileFilters()
{
    QStringList listFilters;
    for (const ExportType& type : kExportTypes)
        listFilters << QLatin1String(type.pszFilter);
    return listFilters.join(QStringLiteral(";;"));
}

void ListenToDrawing(CMyDrevikDoc* pDoc, CDCSink* pSink)
{
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, kScreenUnitsPerPixel);
    dc.SetSink(pSink);
    PaintFigures(&dc, pDoc, false);
    dc.SetSink(nullptr);
    dc.Detach();
}

QImage ExportDrawingImage(CMyDrevikDoc* pDoc, double dScale)
{
    if (!(dScale >= kMinExportScale && dScale <= kMaxExportScale))
        return QImage();
    const double dUnitsPerPixel = kScreenUnitsPerPixel / dScale;
    QImage image(GetCanvasPixelSize(dUnitsPerPixel), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    CDC dc(&image, dUnitsPerPixel);
    PaintFigures(&dc, pDoc, false);
    dc.Detach();
    return image;
}

QByteArray ExportDrawingSvg(CMyDrevikDoc* pDoc)
{
    CSvgSink sink;
    ListenToDrawing(pDoc, &sink);
    return sink.Document(kCanvasSize);
}

QByteArray ExportDrawingDxf(CMyDrevikDoc* pDoc)
{
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, kScreenUnitsPerPixel);
    CDxfSink sink(kCanvasSize);
    dc.SetSink(&sink);
    // Each figure's pixels (a thread curve's) make a curve of their own.
    BeginFigurePainting(&dc);
    PaintFiguresFrom(&dc, pDoc, false, 0, [&sink] {
        sink.EndPixelRun();
        return true;
    });
    dc.SetSink(nullptr);
    dc.Detach();
    return sink.Document();
}

QByteArray ExportDrawingBytes(CMyDrevikDoc* pDoc, ExportFormat format, double dScale)
{
    if (format == ExportFormat::Svg)
        return ExportDrawingSvg(pDoc);
    if (format == ExportFormat::Dxf)
        return ExportDrawingDxf(pDoc);
    if (format == ExportFormat::Pdf)
        return ExportDrawingPdf(pDoc);
    if (format != ExportFormat::Png)
        return QByteArray();
    const QImage image = ExportDrawingImage(pDoc, dScale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}
