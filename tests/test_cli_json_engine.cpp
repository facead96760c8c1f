// The JSON engine under dump and pack: texts of every kind through dump
// and back, text the reader must refuse, which finding wins when a text
// has several, and input that arrives in pieces or not at all.
#include "figure_samples.h"

#include "cli/drawingjson.h"
#include "cli/fieldnames.h"
#include "cli/figurejsonreader.h"
#include "cli/recordlayout.h"
#include "platform/archive.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <string>

namespace {

QByteArray FileBytes(FigureArray& figures)
{
    CArchive ar;
    SerializeFigures(ar, figures);
    return ar.GetBuffer();
}

QString PackError(const QByteArray& json)
{
    FigureArray figures;
    QString strError;
    EXPECT_FALSE(JsonToFigures(json, figures, &strError)) << json.left(200).constData();
    return strError;
}

// A CText with those coordinates and text, as pack reads it.
QByteArray TextFigureJson(const QByteArray& text)
{
    return R"({"class":"CText","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":0,"m_strText":")" + text + "\"}";
}

QByteArray Figures(const QByteArray& objects)
{
    return R"({"figures":[)" + objects + "]}";
}

const char* const kLineFields = R"("m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":5,"m_nWidth":1,"m_nPenStyle":0)";

// Hands out at most a few bytes a read, as a pipe may, and fails after
// m_nFailAt bytes when asked to.
class TricklingDevice : public QIODevice {
public:
    TricklingDevice(QByteArray bytes, qint64 nPerRead, qint64 nFailAt = -1)
        : m_bytes(std::move(bytes)), m_nPerRead(nPerRead), m_nFailAt(nFailAt)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* pData, qint64 nMax) override
    {
        if (m_nFailAt >= 0 && m_nPos >= m_nFailAt) {
            setErrorString(QStringLiteral("the cable came loose"));
            return -1;
        }
        const qint64 n = std::min({nMax, m_nPerRead, qint64(m_bytes.size()) - m_nPos});
        std::memcpy(pData, m_bytes.constData() + m_nPos, std::size_t(n));
        m_nPos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_nPerRead;
    qint64 m_nFailAt;
    qint64 m_nPos = 0;
};

}  // namespace

// Whatever a text holds, dump writes it so that another JSON reader (Qt's)
// reads the same text, and pack gives back the very same file bytes. A
// lone high surrogate is the one text pack refuses: the library's reader
// takes an escaped high surrogate only as the first half of a pair.
TEST(CliJsonEngine, textsSurviveDumpAndPack)
{
    QString strControls;
    for (char16_t c = 0; c < 0x20; ++c)
        strControls += QChar(c);
    strControls += QChar(0x7f);
    const QString strLoneHigh = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
    const struct {
        const char* pszName;
        QString strText;
        bool bPacks;
    } cases[] = {
        {"empty", QString(), true},
        {"quotesAndBackslashes", QStringLiteral("say \"M8\" \\ \\\\ / end"), true},
        {"everyControlCharacter", strControls, true},
        {"windows1252HighLetters", QStringLiteral("\u20AC \u0160 \u017E \u0178 \u00FF"), true},
        {"beyondWindows1252", QStringLiteral("\u03A9 \u2205 \u2264 \u4E2D"), true},
        {"surrogatePair", QStringLiteral("bolt \U0001F529 nut"), true},
        {"loneLowSurrogate", QStringLiteral("a") + QChar(0xDC00) + QStringLiteral("b\n\U0001F529"), true},
        {"reversedPair", QString(QChar(0xDE29)) + QChar(0xD83D), false},
        {"loneHighSurrogate", strLoneHigh, false},
        {"longestShortText", QString(65534, u'w'), true},
        // Crosses many of the reader's blocks.
        {"hugeText", QString(3'000'000, u'\u00E9'), true},
    };
    for (const auto& c : cases) {
        FigureArray figures;
        figures.emplace_back(new CText(1, -2, 3, -4, 0x112233, c.strText, LOGFONT{}));
        figures.emplace_back(new CMeasure(0, 0, 10, -20, 0x445566, PS_SOLID, 2, c.strText));
        const QByteArray json = FiguresToJson(figures);
        const QJsonArray read = QJsonDocument::fromJson(json).object()[QStringLiteral("figures")].toArray();
        ASSERT_EQ(read.size(), 2) << c.pszName;
        EXPECT_EQ(read[0].toObject()[QStringLiteral("m_strText")].toString(), c.strText) << c.pszName;
        const QByteArray bytes = FileBytes(figures);
        FigureArray packed;
        QString strError;
        EXPECT_EQ(JsonToFigures(json, packed, &strError), c.bPacks) << c.pszName << ": " << strError.toStdString();
        if (c.bPacks) {
            EXPECT_EQ(FileBytes(packed), bytes) << c.pszName;
        }
    }
}

// Extreme values of every kind of field come back as they went.
TEST(CliJsonEngine, extremeFieldsSurviveDumpAndPack)
{
    const int nMin = std::numeric_limits<std::int32_t>::min();
    const int nMax = std::numeric_limits<std::int32_t>::max();
    FigureArray figures = MakeOneOfEachClass();
    figures.emplace_back(new CLine(nMin, nMax, nMax, nMin, 0xFFFFFFFF, nMin, nMax));
    figures.emplace_back(new CBezier(nMin, nMin, nMax, nMax, nMin, nMax, nMax, nMin, 0, nMax, nMin, 0));
    figures.emplace_back(new CPolygon(0, 0, -1, -1, nMin, nMax, 0xFFFFFFFF, -1, -1, nMin));
    figures.emplace_back(new CFloodFill(nMax, nMin, 0, 0, 0xFFFFFFFF, 0xFFFFFFFF, nMax));
    const QByteArray bytes = FileBytes(figures);
    FigureArray packed;
    QString strError;
    ASSERT_TRUE(JsonToFigures(FiguresToJson(figures), packed, &strError)) << strError.toStdString();
    EXPECT_EQ(FileBytes(packed).toHex(' '), bytes.toHex(' '));
}

// Text that is not JSON, or JSON that no reader should follow, is refused
// with a reason and never crashes the reader.
TEST(CliJsonEngine, packRefusesBrokenText)
{
    const QByteArray deep1024 = QByteArray(1021, '[') + QByteArray(1021, ']');
    const QByteArray deep1025 = QByteArray(1022, '[') + QByteArray(1022, ']');
    const struct {
        const char* pszName;
        QByteArray json;
        const char* pszMessage;
    } cases[] = {
        {"byteFF", Figures(TextFigureJson("a\xFF")), "Malformed JSON at offset"},
        {"overlongNul", Figures(TextFigureJson("a\xC0\x80")), "Malformed JSON at offset"},
        {"encodedSurrogate", Figures(TextFigureJson("a\xED\xA0\x80")), "Malformed JSON at offset"},
        {"beyondUnicode", Figures(TextFigureJson("a\xF4\x90\x80\x80")), "Malformed JSON at offset"},
        {"truncatedSequence", Figures(TextFigureJson("a\xE2\x82")), "Malformed JSON at offset"},
        // No UTF-16 text can hold a high surrogate with nothing after it.
        {"loneHighSurrogate", Figures(TextFigureJson("a\\ud800b")), "Malformed JSON at offset"},
        {"badEscape", Figures(TextFigureJson("a\\xb")), "Malformed JSON at offset"},
        {"trailingText", Figures("") + " figures", "Malformed JSON at offset"},
        {"empty", "", "Malformed JSON at offset 0"},
        // 1,024 levels are read through; one more is refused.
        {"nested1024", Figures("{\"class\":" + deep1024 + "}"), "figure 0: field \"class\" must be a string"},
        {"nested1025", Figures("{\"class\":" + deep1025 + "}"), ": too deeply nested document"},
        {"openedMillionTimes", QByteArray(1'000'000, '['), ": too deeply nested document"},
        {"halfAMark", "\xEF\xBB{\"figures\":[]}", "Malformed JSON at offset"},
    };
    for (const auto& c : cases) {
        const QString strError = PackError(c.json);
        EXPECT_TRUE(strError.contains(QString::fromUtf8(c.pszMessage)))
            << c.pszName << " gave: " << strError.toStdString();
    }
}

// What pack accepts besides what dump writes.
TEST(CliJsonEngine, packAcceptsEveryFormOfTheSameValue)
{
    const struct {
        const char* pszName;
        QByteArray json;
    } cases[] = {
        {"byteOrderMark", "\xEF\xBB\xBF" + Figures("")},
        {"wholeNumbersWritten", Figures(R"({"class":"CLine","m_x1":1.0,"m_y1":2e0,"m_x2":0.3e1,"m_y2":4,)"
                                        R"("m_color":5,"m_nWidth":1,"m_nPenStyle":-0})")},
        {"escapedKeysAndClass", Figures(R"({"\u0063lass":"CLin\u0065","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,)"
                                        R"("m_color":5,"m_nWidth":1,"m_nPen\u0053tyle":0})")},
        // Long digit runs: the library's full-precision path made a wrong
        // value of an all-zero run.
        {"longDigitRuns", Figures(R"({"class":"CLine","m_x1":0.0000000000000000000000000000000000000000,)"
                                  R"("m_y1":20000000000000000000000e-22,"m_x2":3.00000000000000000000000,)"
                                  R"("m_y2":4,"m_color":5,"m_nWidth":1,"m_nPenStyle":0})")},
        {"keysInAnyOrder", Figures(R"({"m_nPenStyle":0,"m_nWidth":1,"m_color":5,"m_y2":4,"m_x2":3,"m_y1":2,)"
                                   R"("m_x1":1,"class":"CLine"})")},
    };
    for (const auto& c : cases) {
        FigureArray figures;
        QString strError;
        EXPECT_TRUE(JsonToFigures(c.json, figures, &strError)) << c.pszName << ": " << strError.toStdString();
    }
}

// Duplicate keys are found however many keys an object has, and whether
// they are field names or not.
TEST(CliJsonEngine, duplicateKeysAreFoundInLargeObjects)
{
    QByteArray manyKeys;
    for (int i = 0; i < 200; ++i)
        manyKeys += "\"k" + QByteArray::number(i) + "\":1,";
    const struct {
        const char* pszName;
        QByteArray json;
        const char* pszMessage;
    } cases[] = {
        {"strayKeyAfterMany", Figures("{" + manyKeys + "\"k7\":2}"), "figure 0: key \"k7\" appears twice"},
        {"fieldAfterMany", Figures("{\"m_x1\":1," + manyKeys + "\"m_x1\":2}"), "figure 0: key \"m_x1\" appears twice"},
        {"rootAfterMany", "{" + manyKeys + "\"k199\":3}", "top level: key \"k199\" appears twice"},
        {"secondFigure", Figures(QByteArray("{\"class\":\"CLine\",") + kLineFields + "},{" + manyKeys + "\"k0\":1}"),
         "figure 1: key \"k0\" appears twice"},
        {"manyDistinct", Figures("{" + manyKeys + "\"class\":\"CLine\"}"),
         "figure 0 (CLine): field \"k0\" is not part of a CLine record"},
    };
    for (const auto& c : cases) {
        const QString strError = PackError(c.json);
        EXPECT_TRUE(strError.startsWith(QString::fromUtf8(c.pszMessage)))
            << c.pszName << " gave: " << strError.toStdString();
    }
}

// A text with several faults names the same one as ever: the text's
// syntax first, then its key and character rules, then its shape, then
// the first figure at fault.
TEST(CliJsonEngine, findingsKeepTheirPrecedence)
{
    const QByteArray line = QByteArray("{\"class\":\"CLine\",") + kLineFields + "}";
    const struct {
        const char* pszName;
        QByteArray json;
        const char* pszMessage;
    } cases[] = {
        {"duplicateBeforeBadSyntax", "{\"figures\":[{\"a\":1,\"a\":2}],", "Malformed JSON at offset"},
        {"badFigureBeforeDuplicate", Figures(line + ",{\"class\":\"CLine\"}," + "{\"a\":1,\"a\":2}"),
         "figure 2: key \"a\" appears twice"},
        {"badFigureBeforeShape", "{\"figures\":[" + line + ",3],\"more\":1}", "The JSON must be an object"},
        {"duplicateBeforeControl", Figures("{\"a\":1,\"a\":2,\"b\":\"\x01\"}"), "figure 0: key \"a\" appears twice"},
        {"badFigureBeforeControl", Figures(line + ",{\"class\":\"CLine\"},{\"b\":\"\x01\"}"),
         "figure 2: raw control character in the value of \"b\""},
        {"firstBadFigureWins", Figures(line + "," + line + ",{\"class\":\"CBad\"},3"),
         "figure 2: unknown class \"CBad\""},
        {"controlInKey", Figures(line + ",{\"cl\x02" "ass\":1}"), "figure 1: raw control character in a key"},
        {"controlInPoint", Figures("{\"m_pt3\":[\"\x03\"]}"), "figure 0: raw control character in the value of \"m_pt3\""},
    };
    for (const auto& c : cases) {
        const QString strError = PackError(c.json);
        EXPECT_TRUE(strError.startsWith(QString::fromUtf8(c.pszMessage)))
            << c.pszName << " gave: " << strError.toStdString();
    }
}

// Input arrives in pieces of any size, a fault may sit on the edge of
// the reader's blocks, and a device that fails is a read failure, not a
// malformed text.
TEST(CliJsonEngine, readsThroughPiecesAndBlockEdges)
{
    // Figures enough to fill several 64 KiB blocks.
    QByteArray lines;
    for (int i = 0; i < 2000; ++i)
        lines += QByteArray(i ? "," : "") + "{\"class\":\"CLine\"," + kLineFields + "}";
    const QByteArray json = Figures(lines);
    for (const qint64 nPerRead : {1, 7, 4096, 1 << 20}) {
        TricklingDevice device(json, nPerRead);
        FigureArray figures;
        QString strError;
        EXPECT_EQ(ReadFiguresJson(device, figures, &strError), JsonReadStatus::Done)
            << nPerRead << ": " << strError.toStdString();
        EXPECT_EQ(figures.size(), 2000u) << nPerRead;
    }
    // A raw control character just before, on and after a block's end.
    for (const int nShift : {-1, 0, 1}) {
        const QByteArray head = Figures("").left(12) + "{\"class\":\"CText\",\"m_strText\":\"";
        QByteArray text(65536 + nShift - head.size(), 'x');
        text += '\x05';
        const QByteArray bad = head + text + "\"}]}";
        TricklingDevice device(bad, 1000);
        FigureArray figures;
        QString strError;
        EXPECT_EQ(ReadFiguresJson(device, figures, &strError), JsonReadStatus::BadJson);
        EXPECT_EQ(strError, QStringLiteral("figure 0: raw control character in the value of \"m_strText\""))
            << nShift;
    }
    TricklingDevice failing(json, 4096, 100'000);
    FigureArray figures;
    QString strError;
    EXPECT_EQ(ReadFiguresJson(failing, figures, &strError), JsonReadStatus::ReadFailed);
    EXPECT_EQ(strError, QStringLiteral("the cable came loose"));
    EXPECT_TRUE(figures.empty());
}

// Keys are kept as bits of their names' numbers: every name of every
// record must have one, and read back as itself.
TEST(CliJsonEngine, everyFieldNameHasItsOwnBit)
{
    for (const RecordLayout& layout : RecordLayouts()) {
        for (const auto fields : {RecordBaseFields(), layout.fields}) {
            for (const RecordField& field : fields) {
                const int nId = FieldNameId(std::string_view(field.pszName));
                ASSERT_GE(nId, 0) << field.pszName;
                EXPECT_LT(nId, kMaxFieldNames) << field.pszName;
                EXPECT_TRUE(KeyEquals(FieldName(nId), field.pszName)) << field.pszName;
            }
        }
    }
    EXPECT_EQ(FieldNameId(std::u16string_view(u"class")), kClassNameId);
    EXPECT_EQ(FieldNameId(std::u16string_view(u"m_x")), -1);
    EXPECT_EQ(FieldNameId(std::u16string_view(u"m_x1 ")), -1);
}
