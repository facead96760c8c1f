// Any bytes given to korvada-cli pack as the JSON of a drawing: either
// refused with a reason, or made into figures whose file, dumped to JSON
// again, packs into the very same bytes.
#include "cli/drawingjson.h"
#include "platform/archive.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray FileBytes(FigureArray& figures)
{
    CArchive ar;
    SerializeFigures(ar, figures);
    return ar.IsBad() ? QByteArray() : ar.GetBuffer();
}

[[noreturn]] void Abandon(const char* pszWhy)
{
    std::fprintf(stderr, "korvada-fuzz-json: %s\n", pszWhy);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int nArgc = 1;
    static char szName[] = "korvada-fuzz-json";
    static char* argv[] = {szName, nullptr};
    static QCoreApplication app(nArgc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    FigureArray figures;
    QString strError;
    if (!JsonToFigures(QByteArray(reinterpret_cast<const char*>(pData), qsizetype(nSize)), figures, &strError)) {
        if (strError.isEmpty())
            Abandon("refused without saying why");
        return 0;
    }
    const QByteArray bytes = FileBytes(figures);
    if (bytes.isEmpty())
        Abandon("packed figures do not save");

    FigureArray figuresLoaded;
    CArchive arLoad(bytes);
    SerializeFigures(arLoad, figuresLoaded);
    if (arLoad.IsBad())
        Abandon("a packed drawing does not load");
    FigureArray figuresAgain;
    if (!JsonToFigures(FiguresToJson(figuresLoaded), figuresAgain, &strError))
        Abandon("the dump of a packed drawing does not pack");
    if (FileBytes(figuresAgain) != bytes)
        Abandon("dumped and packed again, the drawing has other bytes");
    return 0;
}
