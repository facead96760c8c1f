// Any bytes opened as a drawing: the load either fails cleanly or gives a
// drawing that paints and saves, and whose saved bytes load back into the
// same drawing. The sanitizers turn every fault on the way into a report.
#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "view/bandpaint.h"
#include "view/render.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray SaveDrawing(CMyDrevikDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBuffer();
}

void PaintDrawing(CMyDrevikDoc& doc)
{
    // Every figure, hidden steps included, so damaged records reach Draw.
    doc.m_nStep = doc.GetCount() - 1;
    PaintCanvasImage(&doc, false, true);
}

[[noreturn]] void Abandon(const char* pszWhy)
{
    std::fprintf(stderr, "korvada-fuzz-load: %s\n", pszWhy);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    // Text figures need fonts, and fonts need a platform; no window opens.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int nArgc = 1;
    static char szName[] = "korvada-fuzz-load";
    static char* argv[] = {szName, nullptr};
    static QGuiApplication app(nArgc, argv);
    // One thread: a finding must replay the same way, and the application
    // is never destroyed, so helper threads would end the run holding their
    // font caches. The tests prove bands paint what one thread paints.
    SetPaintThreadCount(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CMyDrevikDoc doc;
    {
        CArchive ar(QByteArray(reinterpret_cast<const char*>(pData), qsizetype(nSize)));
        doc.Serialize(ar);
        if (ar.IsBad()) {
            if (doc.GetCount() != 0)
                Abandon("a failed load left figures behind");
            return 0;
        }
    }
    PaintDrawing(doc);
    const QByteArray saved = SaveDrawing(doc);

    CMyDrevikDoc docAgain;
    CArchive ar(saved);
    docAgain.Serialize(ar);
    if (ar.IsBad() || ar.BytesLeft() != 0)
        Abandon("a saved drawing does not load back");
    if (docAgain.GetCount() != doc.GetCount())
        Abandon("the reloaded drawing has another figure count");
    if (SaveDrawing(docAgain) != saved)
        Abandon("the reloaded drawing saves to other bytes");
    return 0;
}
