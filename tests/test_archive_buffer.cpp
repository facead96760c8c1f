// The archive's buffer: writes that cross the edge of the room it has
// made, bytes asked for in the middle of writing, and reads that run past
// the end or follow a failure.
#include "figure_samples.h"

#include "platform/archive.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

// Bytes 0, 1, 2 ... of a given count, as a writer would see them.
QByteArray Counting(qsizetype nSize, int nFirst = 0)
{
    QByteArray bytes(nSize, Qt::Uninitialized);
    for (qsizetype i = 0; i < nSize; ++i)
        bytes[i] = char((nFirst + i) & 0xFF);
    return bytes;
}

struct SplitCase {
    const char* pszName;
    qsizetype nBefore;    // written before the bytes are asked for
    qsizetype nAfter;     // written after
    qsizetype nReserve;   // room made before anything is written, or 0
};

class ArchiveBufferSplit : public ::testing::TestWithParam<SplitCase> {};

}  // namespace

// The bytes asked for half-way are a snapshot: later writes neither change
// them nor get lost, and no spare room ever shows as bytes.
TEST_P(ArchiveBufferSplit, bytesAskedForMidWayStayAndLaterWritesFollow)
{
    const SplitCase& test = GetParam();
    const QByteArray first = Counting(test.nBefore);
    const QByteArray second = Counting(test.nAfter, 7);
    CArchive ar;
    if (test.nReserve > 0)
        ar.Reserve(test.nReserve);
    ar.Write(first.constData(), first.size());
    const QByteArray snapshot = ar.GetBuffer();
    ASSERT_EQ(snapshot.size(), first.size());
    ar.Write(second.constData(), second.size());
    // Written one byte at a time too, so that a write lands on every edge.
    for (char c : QByteArrayView("xyz"))
        ar << std::uint8_t(c);
    EXPECT_EQ(snapshot, first);
    EXPECT_EQ(ar.GetBuffer(), first + second + "xyz");
    EXPECT_FALSE(ar.IsBad());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ArchiveBufferSplit,
    ::testing::Values(SplitCase{"nothingBefore", 0, 10, 0}, SplitCase{"oneByteShortOfTheFirstRoom", 4095, 1, 0},
                      SplitCase{"exactlyTheFirstRoom", 4096, 1, 0}, SplitCase{"oneByteOver", 4097, 4096, 0},
                      SplitCase{"severalDoublings", 70000, 70000, 0}, SplitCase{"withinReservedRoom", 100, 100, 1000},
                      SplitCase{"pastReservedRoom", 900, 300, 1000}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.pszName); });

namespace {

struct ReadCase {
    const char* pszName;
    QByteArray bytes;
    bool bSetBadFirst;
    std::uint32_t nExpectedWord;  // the u32 read first
    std::uint8_t nExpectedByte;   // the u8 read after it
    bool bExpectedBad;
};

class ArchiveBufferRead : public ::testing::TestWithParam<ReadCase> {};

}  // namespace

// A read that cannot be whole gives zeros and spoils every later read,
// even of bytes that are there.
TEST_P(ArchiveBufferRead, shortOrSpoiltReadsGiveZeros)
{
    const ReadCase& test = GetParam();
    CArchive ar(test.bytes);
    if (test.bSetBadFirst)
        ar.SetBad();
    std::uint32_t nWord = 0xDEADBEEF;
    std::uint8_t nByte = 0xEE;
    ar >> nWord >> nByte;
    EXPECT_EQ(nWord, test.nExpectedWord);
    EXPECT_EQ(nByte, test.nExpectedByte);
    EXPECT_EQ(ar.IsBad(), test.bExpectedBad);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ArchiveBufferRead,
    ::testing::Values(ReadCase{"wholeWordThenByte", Hex("01020304 05"), false, 0x04030201, 5, false},
                      ReadCase{"threeBytesOfAWord", Hex("010203"), false, 0, 0, true},
                      ReadCase{"byteMissingAfterWord", Hex("01020304"), false, 0x04030201, 0, true},
                      ReadCase{"spoiltBeforeReading", Hex("01020304 05"), true, 0, 0, true},
                      ReadCase{"empty", QByteArray(), false, 0, 0, true}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.pszName); });

// A drawing that makes the buffer grow many times over comes back the same,
// and stores to the same bytes again, whatever the mix of record sizes.
TEST(ArchiveBuffer, largeMixedDrawingStoresTheSameBytesAfterLoading)
{
    FigureArray figures;
    for (int i = 0; i < 3700; ++i) {
        for (std::unique_ptr<CFigure>& pFigure : MakeOneOfEachClass()) {
            pFigure->m_x1 += i;
            figures.push_back(std::move(pFigure));
        }
    }
    CArchive arStore;
    SerializeFigures(arStore, figures);
    const QByteArray bytes = arStore.GetBuffer();
    // The escaped count of 66,600, then the first line's class description.
    EXPECT_EQ(bytes.left(12).toHex(' '), Hex("FFFF 28040100 FFFF 0300 0500").toHex(' '));

    CArchive arLoad(bytes);
    FigureArray loaded;
    SerializeFigures(arLoad, loaded);
    ASSERT_FALSE(arLoad.IsBad());
    EXPECT_EQ(arLoad.BytesLeft(), 0);
    ASSERT_EQ(loaded.size(), figures.size());
    CArchive arAgain;
    SerializeFigures(arAgain, loaded);
    EXPECT_TRUE(arAgain.GetBuffer() == bytes) << "sizes " << arAgain.GetBuffer().size() << " and " << bytes.size();

    // The same drawing handed to a device in blocks: more than two blocks'
    // worth, so that records straddle the block edges.
    ASSERT_GT(bytes.size(), 2 << 20);
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    CArchive arDevice(&device);
    SerializeFigures(arDevice, loaded);
    EXPECT_TRUE(arDevice.Flush());
    EXPECT_TRUE(device.data() == bytes) << "sizes " << device.data().size() << " and " << bytes.size();
}

namespace {

struct DeviceCase {
    const char* pszName;
    qsizetype nText;     // the length of a text written between two words
    bool bWritable;      // whether the device takes the bytes
};

class ArchiveBufferDevice : public ::testing::TestWithParam<DeviceCase> {};

}  // namespace

// Texts shorter and longer than a block arrive in order; a device that
// refuses its bytes makes the flush fail, not the format.
TEST_P(ArchiveBufferDevice, blocksArriveInOrderOrTheFlushFails)
{
    const DeviceCase& test = GetParam();
    const QString strText(test.nText, QLatin1Char('k'));
    CArchive arMemory;
    arMemory << std::uint32_t(0x01020304) << strText << std::uint32_t(0x05060708);

    QBuffer device;
    device.open(test.bWritable ? QIODevice::WriteOnly : QIODevice::ReadOnly);
    CArchive arDevice(&device);
    arDevice << std::uint32_t(0x01020304) << strText << std::uint32_t(0x05060708);
    EXPECT_EQ(arDevice.Flush(), test.bWritable);
    EXPECT_FALSE(arDevice.IsBad());
    if (test.bWritable)
        EXPECT_TRUE(device.data() == arMemory.GetBuffer()) << "sizes " << device.data().size();
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ArchiveBufferDevice,
    ::testing::Values(DeviceCase{"shortText", 10, true}, DeviceCase{"textOfAWholeBlock", 1 << 20, true},
                      DeviceCase{"textOfThreeBlocks", 3 << 20, true}, DeviceCase{"refusingDevice", 10, false},
                      DeviceCase{"refusingDeviceLongText", 3 << 20, false}),
    [](const ::testing::TestParamInfo<DeviceCase>& info) { return std::string(info.param.pszName); });
