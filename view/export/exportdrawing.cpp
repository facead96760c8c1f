// Exports paint the drawing as the view does; the SVG listens to the same
// painting through the context's sink.
#include "view/export/exportdrawing.h"

#include "view/export/dxfsink.h"
#include "view/export/svgsink.h"
#include "view/render.h"

#include <QBuffer>
#include <QFileInfo>

ExportFormat ExportFormatOf(const QString& strFile)
{
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    if (strSuffix == QStringLiteral("png"))
        return ExportFormat::Png;
    if (strSuffix == QStringLiteral("svg"))
        return ExportFormat::Svg;
    if (strSuffix == QStringLiteral("dxf"))
        return ExportFormat::Dxf;
    return ExportFormat::Unknown;
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
    // The screen's surface is painted alongside: a flood fill finds its
    // region in the pixels of the figures before it.
    QImage image(GetCanvasPixelSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(&image, kScreenUnitsPerPixel);
    CSvgSink sink;
    dc.SetSink(&sink);
    PaintFigures(&dc, pDoc, false);
    dc.SetSink(nullptr);
    dc.Detach();
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
    if (format != ExportFormat::Png)
        return QByteArray();
    const QImage image = ExportDrawingImage(pDoc, dScale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}
