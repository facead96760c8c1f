#include "figures/archive/figurearchive.h"

#include "figures/archive/figurestream.h"
#include "platform/archive.h"

namespace {

constexpr qsizetype kReservePerFigure = 52;

void StoreFigures(CArchive& ar, const FigureArray& figures)
{
    // Most records are 30 to 50 bytes with their tag; a text may need more,
    // and the buffer grows for it.
    ar.Reserve(qsizetype(figures.size()) * kReservePerFigure + 8);
    CFigureWriter writer(ar);
    writer.WriteCount(figures.size());
    for (const std::unique_ptr<CFigure>& pFigure : figures) {
        if (!writer.WriteFigure(pFigure.get()))
            return;
    }
}

bool LoadFigures(CArchive& ar, FigureArray& figures)
{
    CFigureReader reader(ar);
    std::uint32_t nCount = 0;
    if (!reader.ReadCount(nCount))
        return false;
    // ReadCount has checked the count against the file's size.
    figures.reserve(nCount);
    for (std::uint32_t i = 0; i < nCount; ++i) {
        std::unique_ptr<CFigure> pFigure;
        if (!reader.ReadFigure(pFigure))
            return false;
        if (pFigure)
            figures.push_back(std::move(pFigure));
    }
    return true;
}

}  // namespace

void SerializeFigures(CArchive& ar, FigureArray& figures)
{
    if (ar.IsStoring()) {
        StoreFigures(ar, figures);
        return;
    }
    FigureArray loaded;
    if (LoadFigures(ar, loaded) && !ar.IsBad())
        figures = std::move(loaded);
    else
        figures.clear();
}
