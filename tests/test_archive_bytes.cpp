// The drawing file byte by byte: counts, class descriptions and class
// references, records and the string field, against bytes written by hand.
#include "figure_samples.h"

#include "figures/archive/figurestream.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

namespace {

QByteArray Store(FigureArray& figures)
{
    CArchive ar;
    SerializeFigures(ar, figures);
    EXPECT_FALSE(ar.IsBad());
    return ar.GetBuffer();
}

QByteArray StoreString(const QString& str)
{
    CArchive ar;
    ar << str;
    return ar.GetBuffer();
}

QString LoadString(const QByteArray& bytes, bool* pbBad = nullptr)
{
    CArchive ar(bytes);
    QString str;
    ar >> str;
    if (pbBad)
        *pbBad = ar.IsBad();
    return str;
}

}  // namespace

TEST(ArchiveBytes, emptyDrawingIsTwoZeroBytes)
{
    FigureArray figures;
    EXPECT_EQ(Store(figures).toHex(' '), "00 00");
}

TEST(ArchiveBytes, redLineRecord)
{
    FigureArray figures;
    figures.emplace_back(new CLine(100, -200, 300, -400, 0x000000FF, 1, PS_SOLID));
    EXPECT_EQ(Store(figures).toHex(' '), RedLineDrawing().toHex(' '));
}

TEST(ArchiveBytes, classesAndObjectsShareOneIndexCounter)
{
    FigureArray figures;
    figures.emplace_back(new CLine(100, -200, 300, -400, 0xFF, 1, 0));
    figures.emplace_back(new CLine(100, -200, 300, -400, 0xFF, 1, 0));
    figures.emplace_back(new CRectangle(1, 2, 3, 4, 5, 6, TRUE, 7));
    figures.emplace_back(new CRectangle(1, 2, 3, 4, 5, 6, TRUE, 7));
    const QByteArray rect = Hex("01000000 02000000 03000000 04000000 05000000 06000000 01000000 07000000");
    // "CLine" takes index 1, the lines 2 and 3, "CRectangle" 4, the first rectangle 5.
    const QByteArray expected = Hex("0400 FFFF 0300 0500") + "CLine" + RedLineRecord()
                                + Hex("0180") + RedLineRecord()
                                + Hex("FFFF 0300 0A00") + "CRectangle" + rect
                                + Hex("0480") + rect;
    EXPECT_EQ(Store(figures).toHex(' '), expected.toHex(' '));
}

TEST(ArchiveBytes, countOf70000UsesTheLongForm)
{
    FigureArray figures;
    for (int i = 0; i < 70000; ++i)
        figures.emplace_back(new CLine(i, 0, 0, 0, 0, 1, 0));
    const QByteArray bytes = Store(figures);
    EXPECT_EQ(bytes.left(6).toHex(' '), "ff ff 70 11 01 00");
    CArchive ar(bytes);
    FigureArray loaded;
    SerializeFigures(ar, loaded);
    ASSERT_EQ(loaded.size(), 70000u);
    EXPECT_EQ(loaded.back()->m_x1, 69999);
}

TEST(ArchiveBytes, classIndexFrom0x7FFFUsesTheLongTag)
{
    // A counter that starts at 0x7FFF gives the class an index that does
    // not fit in a short tag: its second object is tagged 7FFF + u32.
    FigureArray figures;
    figures.emplace_back(new CLine(100, -200, 300, -400, 0xFF, 1, 0));
    figures.emplace_back(new CLine(100, -200, 300, -400, 0xFF, 1, 0));
    CArchive ar;
    CFigureWriter writer(ar, 0x7FFF);
    for (auto& pFigure : figures)
        ASSERT_TRUE(writer.WriteFigure(pFigure.get()));
    const QByteArray expected = Hex("FFFF 0300 0500") + "CLine" + RedLineRecord()
                                + Hex("FF7F FF7F0080") + RedLineRecord();
    EXPECT_EQ(ar.GetBuffer().toHex(' '), expected.toHex(' '));

    CArchive arLoad(ar.GetBuffer());
    CFigureReader reader(arLoad, 0x7FFF);
    std::unique_ptr<CFigure> pFirst, pSecond;
    EXPECT_TRUE(reader.ReadFigure(pFirst));
    EXPECT_TRUE(reader.ReadFigure(pSecond));
    ASSERT_TRUE(pSecond);
    EXPECT_EQ(pSecond->m_y2, -400);
}

TEST(ArchiveBytes, stringLengthForms)
{
    EXPECT_EQ(StoreString(QString(254, u'a')).left(1).toHex(), "fe");
    EXPECT_EQ(StoreString(QString(300, u'a')).left(3).toHex(' '), "ff 2c 01");
    EXPECT_EQ(StoreString(QString(0xFFFD, u'a')).left(3).toHex(' '), "ff fd ff");
    EXPECT_EQ(StoreString(QString(0xFFFE, u'a')).left(7).toHex(' '), "ff ff ff fe ff 00 00");
    for (int nLength : {0, 254, 255, 300, 0xFFFD, 0xFFFE, 70000}) {
        const QString str(nLength, u'b');
        const QByteArray bytes = StoreString(str);
        bool bBad = true;
        EXPECT_EQ(LoadString(bytes, &bBad), str) << nLength;
        EXPECT_FALSE(bBad) << nLength;
    }
}

TEST(ArchiveBytes, ansiTextIsWindows1252ByteForByte)
{
    EXPECT_EQ(StoreString(QStringLiteral("\u00D8 8 \u20AC")).toHex(' '), "05 d8 20 38 20 80");
    EXPECT_EQ(LoadString(Hex("04 80 9F 81 E9")), QStringLiteral("\u20AC\u0178\u0081\u00E9"));
    // Every byte survives a decode and encode, the five undefined ones too.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    bool bLossless = false;
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all), &bLossless), all);
    EXPECT_TRUE(bLossless);
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("a\u03A9\U0001F600b"), &bLossless), "a??b");
    EXPECT_FALSE(bLossless);
}

TEST(ArchiveBytes, utf16StringForm)
{
    // Text the code page cannot hold is written as UTF-16 and read back whole.
    const QString strGreek = QStringLiteral("\u03A9x");
    EXPECT_EQ(StoreString(strGreek).toHex(' '), "ff fe ff 02 a9 03 78 00");
    EXPECT_EQ(LoadString(Hex("FF FEFF 02 A903 7800")), strGreek);
    EXPECT_EQ(LoadString(Hex("FF FEFF 02 4100 AC20")), QStringLiteral("A\u20AC"));
    const QString strLong(300, QChar(0x0416));
    const QByteArray bytes = StoreString(strLong);
    EXPECT_EQ(bytes.left(6).toHex(' '), "ff fe ff ff 2c 01");
    EXPECT_EQ(bytes.size(), 6 + 600);
    EXPECT_EQ(LoadString(bytes), strLong);
    bool bBad = false;
    LoadString(Hex("FF FEFF FF FEFF 01 4100"), &bBad);
    EXPECT_TRUE(bBad) << "the UTF-16 mark twice";
}
