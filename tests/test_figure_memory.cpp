// Figures of every size side by side in their slabs, made, dropped and
// made again: no figure's record is touched by its neighbours, and a slot
// given back is handed out again.
#include "figure_samples.h"

#include "figures/figurememory.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

QByteArray Record(CFigure& figure)
{
    CArchive ar;
    figure.Serialize(ar);
    return ar.GetBuffer();
}

// Copies of one figure of every class, in turns, nRounds times; each copy
// is moved by its round so that every record differs.
FigureArray ManyOfEachClass(int nRounds, int nFirstRound = 0)
{
    FigureArray figures;
    const FigureArray samples = MakeOneOfEachClass();
    for (int i = nFirstRound; i < nFirstRound + nRounds; ++i)
        for (const std::unique_ptr<CFigure>& pSample : samples)
            figures.push_back(pSample->CopyMoved(CSize(i, -i)));
    return figures;
}

std::vector<QByteArray> Records(const FigureArray& figures)
{
    std::vector<QByteArray> records;
    for (const std::unique_ptr<CFigure>& pFigure : figures)
        records.push_back(Record(*pFigure));
    return records;
}

}  // namespace

TEST(FigureMemory, neighboursKeepTheirRecordsThroughDropAndReuse)
{
    FigureArray figures = ManyOfEachClass(300);
    ASSERT_EQ(figures.size(), 300u * 18u);
    // Every other figure dropped and made anew: the new ones take the freed
    // slots between the old ones.
    for (std::size_t i = 0; i < figures.size(); i += 2)
        figures[i].reset();
    FigureArray fresh = ManyOfEachClass(300, 1000);
    for (std::size_t i = 0; i < figures.size(); i += 2)
        figures[i] = std::move(fresh[i]);
    FigureArray expectedFigures = ManyOfEachClass(300);
    FigureArray expectedFresh = ManyOfEachClass(300, 1000);
    const std::vector<QByteArray> expectedOld = Records(expectedFigures);
    const std::vector<QByteArray> expectedNew = Records(expectedFresh);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const QByteArray& expected = i % 2 == 0 ? expectedNew[i] : expectedOld[i];
        ASSERT_EQ(Record(*figures[i]).toHex(' '), expected.toHex(' ')) << "figure " << i;
    }
}

TEST(FigureMemory, slotGivenBackIsGivenOutAgainForEverySize)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "sanitizer builds use the general allocator, which holds freed blocks back";
#endif
    for (std::size_t nSize : {std::size_t(1), std::size_t(8), std::size_t(56), std::size_t(57), std::size_t(256)}) {
        void* p = AllocateFigureMemory(nSize);
        FreeFigureMemory(p, nSize);
        void* pAgain = AllocateFigureMemory(nSize);
        EXPECT_EQ(pAgain, p) << "size " << nSize;
        FreeFigureMemory(pAgain, nSize);
    }
    // Beyond the slabs' sizes the general allocator serves and takes back.
    void* pLarge = AllocateFigureMemory(4096);
    ASSERT_NE(pLarge, nullptr);
    FreeFigureMemory(pLarge, 4096);
}

TEST(FigureMemory, figuresDroppedOnAnotherThreadStayWhole)
{
    FigureArray figures = ManyOfEachClass(50);
    FigureArray dropped = ManyOfEachClass(50, 500);
    std::thread([&dropped] { dropped.clear(); }).join();
    FigureArray again = ManyOfEachClass(50, 500);
    FigureArray expected = ManyOfEachClass(50);
    const std::vector<QByteArray> expectedRecords = Records(expected);
    const std::vector<QByteArray> records = Records(figures);
    EXPECT_TRUE(records == expectedRecords);
    EXPECT_EQ(Records(again).size(), 50u * 18u);
}
