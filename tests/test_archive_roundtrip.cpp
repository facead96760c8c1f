// Every figure class through save and load: the same class, the same record,
// and the record sizes of the file format.
#include "figure_samples.h"

#include "figures/archive/figurestream.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray Record(CFigure& figure)
{
    CArchive ar;
    figure.Serialize(ar);
    return ar.GetBuffer();
}

FigureArray SaveAndLoad(FigureArray& figures)
{
    CArchive arStore;
    SerializeFigures(arStore, figures);
    CArchive arLoad(arStore.GetBuffer());
    FigureArray loaded;
    SerializeFigures(arLoad, loaded);
    EXPECT_FALSE(arLoad.IsBad());
    EXPECT_EQ(arLoad.BytesLeft(), 0);
    return loaded;
}

}  // namespace

TEST(ArchiveRoundTrip, everyClassKeepsItsRecord)
{
    const std::map<std::string, int> recordSizes = {
        {"CLine", 28}, {"CRectangle", 32}, {"CRectRound", 32}, {"CCircle", 32},
        {"CRectFill", 28}, {"CRectRoundFill", 28}, {"CCircleFill", 28}, {"CArc", 48},
        {"CChord", 48}, {"CPie", 48}, {"CChordFill", 44}, {"CPieFill", 44}, {"CBezier", 48},
        {"CMeasure", 24 + 1 + 7}, {"CPolygon", 40}, {"CTrigon", 28}, {"CText", 20 + 1 + 8},
        {"CFloodFill", 28},
    };
    FigureArray figures = MakeOneOfEachClass();
    const FigureArray loaded = SaveAndLoad(figures);
    ASSERT_EQ(loaded.size(), recordSizes.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const char* pszClass = figures[i]->GetRuntimeClass()->m_lpszClassName;
        EXPECT_EQ(loaded[i]->GetRuntimeClass(), figures[i]->GetRuntimeClass()) << pszClass;
        EXPECT_EQ(FindFigureClass(pszClass, int(std::strlen(pszClass))), figures[i]->GetRuntimeClass());
        EXPECT_EQ(Record(*figures[i]).size(), recordSizes.at(pszClass)) << pszClass;
        EXPECT_EQ(Record(*loaded[i]).toHex(' '), Record(*figures[i]).toHex(' ')) << pszClass;
    }
    EXPECT_EQ(FindFigureClass("CFigure", 7), nullptr);
    EXPECT_EQ(FindFigureClass("CLin", 4), nullptr);
}

TEST(ArchiveRoundTrip, backReferenceCopiesKeepTheRecordAndShareTheText)
{
    // The reader answers a back reference with such a copy; sharing the text
    // keeps a file of many references to one long text small in memory.
    FigureArray figures = MakeOneOfEachClass();
    for (const auto& pFigure : figures) {
        const std::unique_ptr<CFigure> pCopy = CopyFigure(*pFigure);
        ASSERT_TRUE(pCopy) << pFigure->GetRuntimeClass()->m_lpszClassName;
        EXPECT_EQ(pCopy->GetRuntimeClass(), pFigure->GetRuntimeClass());
        EXPECT_EQ(Record(*pCopy).toHex(' '), Record(*pFigure).toHex(' '))
            << pFigure->GetRuntimeClass()->m_lpszClassName;
    }
    CText text(0, 0, 0, 0, 0, QString(100000, u'x'), LOGFONT{});
    const std::unique_ptr<CFigure> pCopy = CopyFigure(text);
    EXPECT_EQ(static_cast<CText*>(pCopy.get())->m_strText.constData(), text.m_strText.constData());
}
