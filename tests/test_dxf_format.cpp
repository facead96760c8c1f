// The DXF file's own rules, without a reader: values that keep the file
// readable, handles that are unique, and references that lead somewhere.
#include "figure_samples.h"

#include "document/mydrevikdoc.h"
#include "view/export/dxfwriter.h"
#include "view/export/exportdrawing.h"

#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* pszName;
    QString strText;
    QByteArray bytesWritten;
};
void PrintTo(const TextCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class DxfTextValue : public ::testing::TestWithParam<TextCase> {};

struct NumberCase {
    const char* pszName;
    double d;
    QByteArray bytesWritten;
};
void PrintTo(const NumberCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class DxfNumberValue : public ::testing::TestWithParam<NumberCase> {};

}  // namespace

TEST_P(DxfTextValue, staysOnOneLineInAscii)
{
    EXPECT_EQ(DxfText(GetParam().strText), GetParam().bytesWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DxfTextValue,
    ::testing::Values(TextCase{"plain", QStringLiteral("M8 x 40"), "M8 x 40"},
                      // A line break would end the value and shift every group after it.
                      TextCase{"lineBreaks", QStringLiteral("a\r\nb\nc"), "a  b c"},
                      TextCase{"controlCharacters", QStringLiteral("a\u0001b\u007Fc"), "abc"},
                      // The file's code page holds these; readers that know no escapes still read them.
                      TextCase{"diameterSign", QStringLiteral("\u00D8 8"), "\xD8 8"},
                      TextCase{"euroAndDash", QStringLiteral("\u20AC\u2013"), "\x80\x96"},
                      TextCase{"greek", QStringLiteral("\u03B1\u03C9"), "\\U+03B1\\U+03C9"},
                      TextCase{"beyondFourDigits", QString::fromUcs4(U"\U0001F600x"), "?x"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.pszName); });

TEST(DxfTextContent, percentSignsStayPercentSigns)
{
    const std::pair<QString, QString> kCases[] = {
        {QStringLiteral("50% off"), QStringLiteral("50% off")},
        {QStringLiteral("%%c 8"), QStringLiteral("%%%%%%c 8")},
        {QStringLiteral("a%%%b"), QStringLiteral("a%%%%%%%%%b")},
    };
    for (const auto& [strText, strContent] : kCases)
        EXPECT_EQ(DxfTextContent(strText), strContent) << strText.toStdString();
}

TEST_P(DxfNumberValue, plainDecimals)
{
    EXPECT_EQ(DxfNumber(GetParam().d), GetParam().bytesWritten);
}

INSTANTIATE_TEST_SUITE_P(Cases, DxfNumberValue,
                         ::testing::Values(NumberCase{"whole", 2, "2.0"}, NumberCase{"fraction", 203.96, "203.96"},
                                           NumberCase{"negative", -0.25, "-0.25"},
                                           NumberCase{"negativeZero", -0.0000001, "0.0"},
                                           NumberCase{"large", 1e9, "1000000000.0"},
                                           NumberCase{"notANumber", std::nan(""), "0.0"}),
                         [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.pszName); });

namespace {

// The file as (code, value) pairs.
QList<QPair<int, QByteArray>> Groups(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    QList<QPair<int, QByteArray>> groups;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2)
        groups.append({lines[i].trimmed().toInt(), lines[i + 1]});
    return groups;
}

}  // namespace

TEST(DxfFile, handlesAreUniqueAndReferencesLead)
{
    CMyDrevikDoc doc;
    doc.m_figures = MakeOneOfEachClass();
    doc.m_nStep = doc.GetCount() - 1;
    const auto groups = Groups(ExportDrawingDxf(&doc));
    ASSERT_GT(groups.size(), 100);
    EXPECT_EQ(groups.last(), (QPair<int, QByteArray>{0, "EOF"}));

    QSet<uint> setHandles;
    QList<uint> listReferences;
    QMap<QByteArray, uint> mapBlockRecords;  // name to handle
    QList<uint> listEntityOwners;
    QByteArray bytesSection, bytesType, bytesSeed;
    uint nHandle = 0;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const auto& [nCode, bytesValue] = groups[i];
        if (nCode == 0)
            bytesType = bytesValue;
        if (nCode == 2 && i > 0 && groups[i - 1].second == "SECTION")
            bytesSection = bytesValue;
        if (nCode == 9 && bytesValue == "$HANDSEED")
            bytesSeed = groups[i + 1].second;
        if ((nCode == 5 && bytesSection != "HEADER") || nCode == 105) {
            nHandle = bytesValue.toUInt(nullptr, 16);
            EXPECT_FALSE(setHandles.contains(nHandle)) << "handle " << bytesValue.constData() << " twice";
            setHandles.insert(nHandle);
        }
        if (nCode == 2 && bytesType == "BLOCK_RECORD")
            mapBlockRecords.insert(bytesValue, nHandle);
        if ((nCode == 330 || nCode == 340 || nCode == 350) && bytesValue != "0")
            listReferences.append(bytesValue.toUInt(nullptr, 16));
        if (nCode == 330 && bytesSection == "ENTITIES")
            listEntityOwners.append(bytesValue.toUInt(nullptr, 16));
    }
    for (uint nReference : listReferences)
        EXPECT_TRUE(setHandles.contains(nReference)) << "no object " << std::hex << nReference;
    // The seed lies beyond every handle used.
    const uint nSeed = bytesSeed.toUInt(nullptr, 16);
    for (uint n : setHandles)
        EXPECT_LT(n, nSeed);
    // Every entity belongs to model space.
    ASSERT_TRUE(mapBlockRecords.contains("*Model_Space"));
    EXPECT_GE(listEntityOwners.size(), 40);
    for (uint nOwner : listEntityOwners)
        EXPECT_EQ(nOwner, mapBlockRecords.value("*Model_Space"));
}
