#include "cli/clicommands.h"

#include "cli/cliapplication.h"
#include "cli/drawingjson.h"
#include "cli/figurejsonreader.h"
#include "document/mydrevikdoc.h"
#include "figures/measure.h"
#include "figures/text.h"
#include "knuckle/knucklefigures.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "platform/savefile.h"
#include "view/render.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <cstdio>
#include <cstring>

bool OpenDrawing(CMyDrevikDoc& doc, const QString& strDrawing)
{
    QString strError;
    if (doc.OnOpenDocument(strDrawing, &strError))
        return true;
    PrintError(strError);
    return false;
}

int WriteOutput(const QString& strPath, const std::function<bool(QIODevice&)>& fnWrite)
{
    QString strReason;
    if (SaveWholeFile(strPath, fnWrite, &strReason))
        return kCliSuccess;
    PrintError(QStringLiteral("Cannot write %1: %2").arg(strPath, strReason));
    return kCliBadOutput;
}

namespace {

// 96 dots per inch.
constexpr int kPngDotsPerMeter = 3780;

// The JSON file, or standard input for "-"; its name as messages give it.
bool OpenInput(QFile& file, const QString& strPath, QString& strShown)
{
    const bool bStdin = strPath == QStringLiteral("-");
    strShown = bStdin ? QStringLiteral("standard input") : strPath;
    if (bStdin)
        file.open(stdin, QIODevice::ReadOnly);
    else
        file.setFileName(strPath);
    if ((bStdin || file.open(QIODevice::ReadOnly)) && file.isOpen())
        return true;
    PrintError(QStringLiteral("Cannot read %1: %2").arg(strShown, file.errorString()));
    return false;
}

// Every piece of the JSON is checked as it goes: a full disk or a closed
// pipe behind standard output is a failure, not a short success.
bool WriteStdout(const QByteArray& bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size()))
        return true;
    const int nErrno = errno != 0 ? errno : EIO;
    PrintError(QStringLiteral("Cannot write standard output: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(nErrno))));
    return false;
}

bool FlushStdout()
{
    errno = 0;
    if (std::fflush(stdout) == 0)
        return true;
    PrintError(QStringLiteral("Cannot write standard output: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO))));
    return false;
}

// Text and measured lines are the only figures that draw text, and so the
// only ones that need the font database.
bool DrawsText(const FigureArray& figures)
{
    return std::any_of(figures.begin(), figures.end(), [](const std::unique_ptr<CFigure>& pFigure) {
        const CRuntimeClass* pClass = pFigure->GetRuntimeClass();
        return pClass == RUNTIME_CLASS(CText) || pClass == RUNTIME_CLASS(CMeasure);
    });
}

}  // namespace

void PrintError(const QString& strMessage)
{
    // The message may quote a name with a NUL in it: print every byte.
    QByteArray line = strMessage.toLocal8Bit();
    line.replace('\0', "\\0");
    line.append('\n');
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

int DumpCommand(const QString& strDrawing)
{
    // Nothing has gone to standard output yet, so its buffer may still be
    // set: the pipe's default of 4 KiB would cost a system call for every
    // few figures.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    CMyDrevikDoc doc;
    if (!OpenDrawing(doc, strDrawing))
        return kCliBadInput;
    if (!WriteFiguresJson(doc.m_figures, WriteStdout) || !FlushStdout())
        return kCliBadOutput;
    return kCliSuccess;
}

int PackCommand(const QString& strJson, const QString& strDrawing)
{
    QFile file;
    QString strShown;
    if (!OpenInput(file, strJson, strShown))
        return kCliBadInput;
    FigureArray figures;
    QString strError;
    switch (ReadFiguresJson(file, figures, &strError)) {
    case JsonReadStatus::Done:
        break;
    case JsonReadStatus::ReadFailed:
        PrintError(QStringLiteral("Cannot read %1: %2").arg(strShown, strError));
        return kCliBadInput;
    case JsonReadStatus::BadJson:
        PrintError(strError);
        return kCliBadInput;
    }
    CArchive ar;
    SerializeFigures(ar, figures);
    return WriteOutput(strDrawing, [&ar](QIODevice& file) {
        return !ar.IsBad() && file.write(ar.GetBuffer()) == ar.GetBuffer().size();
    });
}

int RenderCommand(const QString& strDrawing, const QString& strImage, bool bGrid,
                  std::optional<int> nStep, std::optional<double> dTimeoutSeconds)
{
    // Started before the load: the time limit is the caller's whole wait.
    const QDeadlineTimer deadline = dTimeoutSeconds
                                        ? QDeadlineTimer(qint64(*dTimeoutSeconds * 1000.0))
                                        : QDeadlineTimer(QDeadlineTimer::Forever);
    CMyDrevikDoc doc;
    if (!OpenDrawing(doc, strDrawing))
        return kCliBadInput;
    // As after Last Step, or as after stepping to figure nStep; the
    // document's step rule clamps a step beyond the last figure.
    doc.m_nStep = nStep.value_or(doc.GetCount() - 1);
    if (DrawsText(doc.m_figures))
        EnsureGuiApplication();

    // A few bytes of back references can repeat a costly figure for hours;
    // the time limit is asked before each figure.
    int nPainted = 0;
    QImage image =
        PaintCanvasImage(&doc, bGrid, false, [&deadline] { return !deadline.hasExpired(); }, &nPainted);
    if (image.isNull()) {
        PrintError(QStringLiteral("Painting %1 took longer than %2 seconds (%3 of %4 figures painted); "
                                  "no image written.")
                       .arg(strDrawing)
                       .arg(*dTimeoutSeconds)
                       .arg(nPainted)
                       .arg(doc.GetVisibleCount()));
        return kCliBadInput;
    }
    // The 96 dots per inch of the screen the canvas was made for, whether or
    // not a GUI application (which would give the image its screen's) runs.
    image.setDotsPerMeterX(kPngDotsPerMeter);
    image.setDotsPerMeterY(kPngDotsPerMeter);
    return WriteOutput(strImage, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}

int KnuckleCommand(const KnuckleArguments& args, const QString& strDrawing, const QString& strInto)
{
    KnuckleInput input;
    QString strError;
    if (!ReadKnuckleArguments(args, input, &strError)) {
        PrintError(strError);
        return kCliBadInput;
    }
    CMyDrevikDoc doc;
    if (!strInto.isEmpty() && !OpenDrawing(doc, strInto))
        return kCliBadInput;

    const KnuckleDimensions dims = DesignKnuckleJoint(input);
    const QByteArray json = KnuckleDimensionsToJson(dims);
    if (!WriteStdout(json) || !FlushStdout())
        return kCliBadOutput;
    if (strDrawing.isEmpty())
        return kCliSuccess;

    // The joint follows every figure of the drawing it goes into.
    for (std::unique_ptr<CFigure>& pFigure : MakeKnuckleFigures(ScaleKnuckleToCanvas(dims), kKnuckleCentre))
        doc.m_figures.push_back(std::move(pFigure));
    CArchive ar;
    SerializeFigures(ar, doc.m_figures);
    return WriteOutput(strDrawing, [&ar](QIODevice& file) {
        return !ar.IsBad() && file.write(ar.GetBuffer()) == ar.GetBuffer().size();
    });
}
