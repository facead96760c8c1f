// The generated drawings of the speed suite: exactly the figures asked
// for, the same on every run, every figure class in the mix, flood fills
// at their rate, and bytes that load back into the same drawing.
#include "bench/benchdrawing.h"

#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::multiset<std::string> ClassesOf(const CMyDrevikDoc& doc)
{
    std::multiset<std::string> classes;
    for (const auto& pFigure : doc.m_figures)
        classes.insert(pFigure->GetRuntimeClass()->m_lpszClassName);
    return classes;
}

struct SizeCase {
    int nFigures;
    int nFloodFills;
};

TEST(BenchDrawing, HoldsTheFiguresAskedForWithFloodFillsAtTheirRate)
{
    const SizeCase cases[] = {{1, 0}, {2500, 0}, {2502, 1}, {5000, 1}, {12345, 2}, {100000, 20}};
    for (const SizeCase& c : cases) {
        CMyDrevikDoc doc;
        FillBenchDrawing(doc, c.nFigures);
        EXPECT_EQ(doc.GetCount(), c.nFigures);
        EXPECT_EQ(doc.m_nStep, c.nFigures - 1);
        EXPECT_EQ(int(ClassesOf(doc).count("CFloodFill")), c.nFloodFills) << c.nFigures << " figures";
        CMyDrevikDoc docWithout;
        FillBenchDrawing(docWithout, c.nFigures, false);
        EXPECT_EQ(docWithout.GetCount(), c.nFigures);
        EXPECT_EQ(ClassesOf(docWithout).count("CFloodFill"), 0u);
    }
}

// Every figure class but the measured line (its own tool, never generated
// in bulk) is in a drawing of a thousand figures.
TEST(BenchDrawing, MixesEveryDrawnClass)
{
    CMyDrevikDoc doc;
    FillBenchDrawing(doc, 1000);
    const std::multiset<std::string> classes = ClassesOf(doc);
    for (const char* pszClass : {"CLine", "CRectangle", "CRectRound", "CCircle", "CRectFill", "CRectRoundFill",
                                 "CCircleFill", "CArc", "CChord", "CPie", "CChordFill", "CPieFill", "CBezier",
                                 "CPolygon", "CTrigon", "CText"})
        EXPECT_GT(classes.count(pszClass), 0u) << pszClass;
    // Mostly lines, as in a sketch.
    EXPECT_GT(classes.count("CLine"), 300u);
}

// The same bytes on every call; loaded and saved again, the same bytes;
// another seed, another drawing.
TEST(BenchDrawing, IsDeterministicAndLoadsBackUnchanged)
{
    const QByteArray bytes = BenchDrawingBytes(6000);
    EXPECT_EQ(BenchDrawingBytes(6000), bytes);
    CMyDrevikDoc doc;
    CArchive arLoad(bytes);
    doc.Serialize(arLoad);
    ASSERT_FALSE(arLoad.IsBad());
    EXPECT_EQ(doc.GetCount(), 6000);
    CArchive arStore;
    doc.Serialize(arStore);
    EXPECT_EQ(arStore.GetBuffer(), bytes);

    CMyDrevikDoc docSeed;
    FillBenchDrawing(docSeed, 6000, true, 2);
    CArchive arSeed;
    docSeed.Serialize(arSeed);
    EXPECT_NE(arSeed.GetBuffer(), bytes);
}

// Only lines, each inside the canvas (y negative downwards) and of a
// thickness and pen style the tools give.
TEST(BenchDrawing, LinesStayOnTheCanvas)
{
    CMyDrevikDoc doc;
    FillBenchLines(doc, 5000);
    ASSERT_EQ(doc.GetCount(), 5000);
    for (const auto& pFigure : doc.m_figures) {
        const CLine* pLine = dynamic_cast<const CLine*>(pFigure.get());
        ASSERT_NE(pLine, nullptr);
        for (int x : {pLine->m_x1, pLine->m_x2})
            ASSERT_TRUE(x >= 0 && x <= 27195) << x;
        for (int y : {pLine->m_y1, pLine->m_y2})
            ASSERT_TRUE(y <= 0 && y >= -20396) << y;
        ASSERT_TRUE(pLine->m_nWidth >= 1 && pLine->m_nWidth <= 5);
        ASSERT_TRUE(pLine->m_nPenStyle >= 0 && pLine->m_nPenStyle <= 4);
    }
}

}  // namespace
