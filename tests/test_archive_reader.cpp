// Reading drawing files: damaged input of every kind ends the load with
// "Unexpected file format." and no figure; the odd but valid forms load.
#include "figure_samples.h"

#include "document/mydrevikdoc.h"
#include "figures/archive/figurestream.h"
#include "platform/archive.h"

#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

const QByteArray kLineHead = Hex("FFFF 0300 0500") + "CLine";

// Loads through the document, as File Open does; returns the error text.
QString OpenError(const QByteArray& bytes, int* pnCount = nullptr)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("drawing.kvd"));
    QFile file(strPath);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    CMyDrevikDoc doc;
    QString strError;
    doc.OnOpenDocument(strPath, &strError);
    if (pnCount)
        *pnCount = doc.GetCount();
    return strError;
}

FigureArray Load(const QByteArray& bytes, bool& bBad)
{
    CArchive ar(bytes);
    FigureArray figures;
    figures.emplace_back(new CLine);
    SerializeFigures(ar, figures);
    bBad = ar.IsBad();
    return figures;
}

}  // namespace

TEST(ArchiveReader, everyTruncationIsRejected)
{
    FigureArray sample = MakeOneOfEachClass();
    CArchive ar;
    SerializeFigures(ar, sample);
    const QByteArray whole = ar.GetBuffer();
    bool bBad = true;
    EXPECT_EQ(Load(whole, bBad).size(), sample.size());
    EXPECT_FALSE(bBad);
    for (qsizetype n = 0; n < whole.size(); ++n) {
        const FigureArray figures = Load(whole.left(n), bBad);
        EXPECT_TRUE(bBad) << "cut at byte " << n;
        EXPECT_TRUE(figures.empty()) << "cut at byte " << n;
    }
}

TEST(ArchiveReader, damagedFilesAreUnexpectedFormat)
{
    const QByteArray line = kLineHead + RedLineRecord();
    const struct {
        const char* pszCase;
        QByteArray bytes;
    } cases[] = {
        {"schema 2", Hex("0100 FFFF 0200 0500") + "CLine" + RedLineRecord()},
        {"unknown class", Hex("0100 FFFF 0300 0500") + "CLinx" + RedLineRecord()},
        {"name in other case", Hex("0100 FFFF 0300 0500") + "CLINE" + RedLineRecord()},
        {"base class", Hex("0100 FFFF 0200 0700") + "CFigure" + RedLineRecord().left(20)},
        {"64-byte name", Hex("0100 FFFF 0300 4000") + QByteArray(64, 'C') + RedLineRecord()},
        {"class index 0", Hex("0200") + line + Hex("0080") + RedLineRecord()},
        {"class index not yet given", Hex("0200") + line + Hex("0380") + RedLineRecord()},
        {"class tag naming an object", Hex("0200") + line + Hex("0280") + RedLineRecord()},
        {"long class tag naming an object", Hex("0200") + line + Hex("FF7F 02000080") + RedLineRecord()},
        {"reference not yet given", Hex("0200") + line + Hex("0300")},
        {"reference to a class", Hex("0200") + line + Hex("0100")},
        {"count the file cannot hold", Hex("FFFF FFFFFFFF") + line.left(14)},
        {"count beyond the entries", Hex("0300") + line},
        {"string length beyond the file", Hex("0100 FFFF 0300 0800") + "CMeasure"
                                              + RedLineRecord().left(20) + Hex("FF FFFF FFFFFFFF 01000000")},
        {"UTF-16 length beyond the file", Hex("0100 FFFF 0300 0500") + "CText"
                                              + RedLineRecord().left(20) + Hex("FF FEFF FF FFFF 00000080 4100")},
    };
    for (const auto& c : cases) {
        bool bBad = false;
        EXPECT_TRUE(Load(c.bytes, bBad).empty()) << c.pszCase;
        EXPECT_TRUE(bBad) << c.pszCase;
        int nCount = -1;
        EXPECT_EQ(OpenError(c.bytes, &nCount), QStringLiteral("Unexpected file format.")) << c.pszCase;
        EXPECT_EQ(nCount, 0) << c.pszCase;
    }
}

TEST(ArchiveReader, nullElementIsLeftOut)
{
    bool bBad = true;
    const FigureArray figures = Load(Hex("0300 0000") + kLineHead + RedLineRecord() + Hex("0000"), bBad);
    EXPECT_FALSE(bBad);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0]->m_x2, 300);
}

TEST(ArchiveReader, backReferenceGivesAnIndependentCopy)
{
    // The line takes index 2 ("CLine" took 1); 02 00 and the long form
    // 7F FF + u32 2 both refer back to it.
    bool bBad = true;
    FigureArray figures = Load(Hex("0300") + kLineHead + RedLineRecord() + Hex("0200 FF7F 02000000"), bBad);
    EXPECT_FALSE(bBad);
    ASSERT_EQ(figures.size(), 3u);
    auto* pCopy = dynamic_cast<CLine*>(figures[1].get());
    ASSERT_TRUE(pCopy);
    EXPECT_NE(pCopy, figures[0].get());
    EXPECT_EQ(pCopy->GetPointRect(), CRect(100, -200, 300, -400));
    EXPECT_EQ(pCopy->m_color, 0xFFu);
    EXPECT_EQ(pCopy->m_nWidth, 1);
    figures[0]->Transform(0, 0, 0);
    EXPECT_EQ(pCopy->m_x1, 100) << "the copy must not share the original";
    EXPECT_EQ(figures[2]->m_x1, 100);
}

TEST(ArchiveReader, indexCounterStopsAtItsLimit)
{
    // One line needs two indexes: its class and itself.
    const QByteArray entry = kLineHead + RedLineRecord();
    for (std::uint32_t nFirst : {kIndexLimit - 2, kIndexLimit - 1}) {
        const bool bFits = nFirst == kIndexLimit - 2;
        CArchive arLoad(entry);
        CFigureReader reader(arLoad, nFirst);
        std::unique_ptr<CFigure> pFigure;
        EXPECT_EQ(reader.ReadFigure(pFigure), bFits) << nFirst;
        EXPECT_EQ(arLoad.IsBad(), !bFits) << nFirst;

        CLine line(100, -200, 300, -400, 0xFF, 1, 0);
        CArchive arStore;
        CFigureWriter writer(arStore, nFirst);
        EXPECT_EQ(writer.WriteFigure(&line), bFits) << nFirst;
        EXPECT_EQ(arStore.IsBad(), !bFits) << nFirst;
    }
}

TEST(ArchiveReader, onlyPlainFilesAreRead)
{
    // A pipe nobody writes to would block the open for ever, /dev/zero
    // would fill the memory, a folder holds no bytes.
    QTemporaryDir dir;
    const QString strPipe = dir.filePath(QStringLiteral("pipe.kvd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(strPipe).constData(), 0600), 0);
    for (const QString& strPath : {strPipe, QStringLiteral("/dev/zero"), dir.path()}) {
        CMyDrevikDoc doc;
        QString strError;
        EXPECT_FALSE(doc.OnOpenDocument(strPath, &strError));
        EXPECT_EQ(strError, QStringLiteral("Cannot open %1: it is not a file.").arg(strPath));
    }
    // Through a link, a plain file is still a file.
    const QString strFile = dir.filePath(QStringLiteral("empty.kvd"));
    CMyDrevikDoc empty;
    ASSERT_TRUE(empty.OnSaveDocument(strFile));
    const QString strLink = dir.filePath(QStringLiteral("link.kvd"));
    ASSERT_TRUE(QFile::link(strFile, strLink));
    CMyDrevikDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(strLink));
}
