#include "cli/clicommands.h"

#include "cli/drawingjson.h"
#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "view/render.h"

#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

namespace {

// Loads the drawing the way the program opens it.
bool OpenDrawing(CMyDrevikDoc& doc, const QString& strDrawing)
{
    QString strError;
    if (doc.OnOpenDocument(strDrawing, &strError))
        return true;
    PrintError(strError);
    return false;
}

bool ReadInput(const QString& strPath, QByteArray& bytes)
{
    QFile file;
    const bool bStdin = strPath == QStringLiteral("-");
    if (bStdin)
        file.open(stdin, QIODevice::ReadOnly);
    else
        file.setFileName(strPath);
    if ((bStdin || file.open(QIODevice::ReadOnly)) && file.isOpen()) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    PrintError(QStringLiteral("Cannot read %1: %2")
                   .arg(bStdin ? QStringLiteral("standard input") : strPath, file.errorString()));
    return false;
}

// The whole file or nothing: QSaveFile writes beside the target and renames
// only after every byte is out.
template <typename WriteFn>
int WriteOutput(const QString& strPath, WriteFn write)
{
    QSaveFile file(strPath);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return kCliSuccess;
    const QString strReason = file.errorString();
    file.cancelWriting();
    PrintError(QStringLiteral("Cannot write %1: %2").arg(strPath, strReason));
    return kCliBadOutput;
}

}  // namespace

void PrintError(const QString& strMessage)
{
    std::fprintf(stderr, "%s\n", strMessage.toLocal8Bit().constData());
}

int DumpCommand(const QString& strDrawing)
{
    CMyDrevikDoc doc;
    if (!OpenDrawing(doc, strDrawing))
        return kCliBadInput;
    const QByteArray json = FiguresToJson(doc.m_figures);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? kCliSuccess : kCliBadOutput;
}

int PackCommand(const QString& strJson, const QString& strDrawing)
{
    QByteArray json;
    if (!ReadInput(strJson, json))
        return kCliBadInput;
    FigureArray figures;
    QString strError;
    if (!JsonToFigures(json, figures, &strError)) {
        PrintError(strError);
        return kCliBadInput;
    }
    CArchive ar;
    SerializeFigures(ar, figures);
    return WriteOutput(strDrawing, [&ar](QSaveFile& file) {
        return !ar.IsBad() && file.write(ar.GetBuffer()) == ar.GetBuffer().size();
    });
}

int RenderCommand(const QString& strDrawing, const QString& strImage, bool bGrid,
                  std::optional<int> nStep)
{
    CMyDrevikDoc doc;
    if (!OpenDrawing(doc, strDrawing))
        return kCliBadInput;
    // As after Last Step, or as after stepping to figure nStep; the
    // document's step rule clamps a step beyond the last figure.
    doc.m_nStep = nStep.value_or(doc.GetCount() - 1);

    const QImage image = PaintCanvasImage(&doc, bGrid);
    return WriteOutput(strImage, [&image](QSaveFile& file) { return image.save(&file, "PNG"); });
}
