// Drawings with hostile field values, cut-off files and the inputs the
// fuzzer found crashing or slow to paint: each either loads and paints on a whole screen or
// fails with "Unexpected file format.", never anything worse. Under the
// sanitizer build any overflow or invalid access on the way is a failure.
#include "document/mydrevikdoc.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "view/render.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>


namespace {

QByteArray ReadBytes(const QString& strPath)
{
    QFile file(strPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << strPath.toStdString();
    return file.readAll();
}

QStringList DrawingsIn(const QString& strFolder)
{
    QStringList paths;
    const QDir dir(strFolder);
    for (const QString& strName : dir.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name))
        paths << dir.filePath(strName);
    return paths;
}

// Loads the bytes; true when they make a drawing.
bool Load(CMyDrevikDoc& doc, const QByteArray& bytes)
{
    CArchive ar(bytes);
    doc.Serialize(ar);
    return !ar.IsBad();
}

QByteArray Save(CMyDrevikDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetBuffer();
}

// Every figure, hidden steps included, on the screen of the canvas.
QImage PaintAll(CMyDrevikDoc& doc)
{
    doc.m_nStep = doc.GetCount() - 1;
    return PaintCanvasImage(&doc, false, true);
}

void AppendU16(QByteArray& bytes, std::uint16_t n)
{
    bytes.append(char(n & 0xFF)).append(char(n >> 8));
}

void AppendU32(QByteArray& bytes, std::uint32_t n)
{
    AppendU16(bytes, std::uint16_t(n & 0xFFFF));
    AppendU16(bytes, std::uint16_t(n >> 16));
}

}  // namespace

TEST(DamagedDrawings, hostileFieldValuesLoadPaintAndSaveBackUnchanged)
{
    const QStringList paths = DrawingsIn(QStringLiteral(KORVADA_TEST_DATA "/damaged"));
    // 18 classes in five hostile variants, and the two text figures with an
    // empty and a 65,535-byte text.
    ASSERT_EQ(paths.size(), 18 * 5 + 4);
    for (const QString& strPath : paths) {
        SCOPED_TRACE(strPath.toStdString());
        const QByteArray bytes = ReadBytes(strPath);
        CMyDrevikDoc doc;
        ASSERT_TRUE(Load(doc, bytes));
        ASSERT_EQ(doc.GetCount(), 1);
        PaintAll(doc);
        // The record holds the hostile values as they were: nothing is
        // clamped or lost on the way through a save.
        EXPECT_EQ(Save(doc), bytes);
    }
}

TEST(DamagedDrawings, everyCutOffFileFailsCleanly)
{
    QStringList paths = DrawingsIn(QStringLiteral(KORVADA_TEST_DATA "/damaged"));
    paths.append(DrawingsIn(QStringLiteral(KORVADA_TEST_DATA "/../../fuzz/corpus")));
    int nChecked = 0;
    for (const QString& strPath : paths) {
        const QByteArray bytes = ReadBytes(strPath);
        if (bytes.size() > 400)
            continue;
        // A drawing that ends early anywhere before its last byte is not a
        // drawing; the empty drawing has no shorter form.
        for (qsizetype nSize = 0; nSize < bytes.size(); ++nSize) {
            CMyDrevikDoc doc;
            EXPECT_FALSE(Load(doc, bytes.left(nSize))) << strPath.toStdString() << " cut at " << nSize;
            EXPECT_EQ(doc.GetCount(), 0);
            ++nChecked;
        }
    }
    EXPECT_GT(nChecked, 1000);
}

TEST(DamagedDrawings, inputsTheFuzzerFoundNoLongerHurt)
{
    // Each may load or not; loading and painting must simply come back.
    // Among them: dashed pens millions of units wide on outlines far off
    // the surface, and a dashed curve whose dash remainder once became too
    // small to move the position on, so the painting never ended.
    for (const QString& strPath : DrawingsIn(QStringLiteral(KORVADA_TEST_DATA "/fuzz"))) {
        SCOPED_TRACE(strPath.toStdString());
        CMyDrevikDoc doc;
        if (!Load(doc, ReadBytes(strPath))) {
            EXPECT_EQ(doc.GetCount(), 0);
            continue;
        }
        PaintAll(doc);
        CMyDrevikDoc docAgain;
        const QByteArray saved = Save(doc);
        ASSERT_TRUE(Load(docAgain, saved));
        EXPECT_EQ(Save(docAgain), saved);
    }
}

TEST(DamagedDrawings, seventyThousandFiguresLoadAndPaint)
{
    // The count in its escape form, one line description, then 69,999
    // references to the class (index 1), every line one unit lower.
    const int nFigures = 70000;
    QByteArray bytes;
    AppendU16(bytes, 0xFFFF);
    AppendU32(bytes, nFigures);
    AppendU16(bytes, 0xFFFF);
    AppendU16(bytes, 3);
    AppendU16(bytes, 5);
    bytes.append("CLine");
    for (int i = 0; i < nFigures; ++i) {
        if (i > 0)
            AppendU16(bytes, 0x8001);
        for (int n : {0, -i, 27000, -i, 0x000000FF, 1, 0})
            AppendU32(bytes, std::uint32_t(n));
    }
    CMyDrevikDoc doc;
    ASSERT_TRUE(Load(doc, bytes));
    ASSERT_EQ(doc.GetCount(), nFigures);
    EXPECT_EQ(Save(doc), bytes);
    // Lines at every y from 0 to -69,999 cover the screen's rows from the
    // top down, about 2,635 of them at 26.56 units per pixel: all 768.
    const QImage image = PaintAll(doc);
    for (int y = 0; y < image.height(); ++y)
        ASSERT_EQ(image.pixel(512, y), qRgb(255, 0, 0)) << "first wrong pixel (512, " << y << ")";
}
