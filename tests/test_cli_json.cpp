// The figures as JSON: every class's fields under their member names with
// the constructed values, and pack's complaints about bad input.
#include "figure_samples.h"

#include "cli/drawingjson.h"
#include "cli/recordlayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// MakeOneOfEachClass as dump must show it.
const char* const kSampleJson = R"({"figures":[
{"class":"CLine","m_x1":1,"m_y1":-2,"m_x2":3,"m_y2":-4,"m_color":255,"m_nWidth":5,"m_nPenStyle":1},
{"class":"CRectangle","m_x1":10,"m_y1":-20,"m_x2":30,"m_y2":-40,"m_color":65280,"m_nWidth":2,"m_bCentre":1,"m_nPenStyle":2},
{"class":"CRectRound","m_x1":11,"m_y1":-21,"m_x2":31,"m_y2":-41,"m_color":16711680,"m_nWidth":3,"m_bCentre":0,"m_nPenStyle":3},
{"class":"CCircle","m_x1":12,"m_y1":-22,"m_x2":32,"m_y2":-42,"m_color":1193046,"m_nWidth":4,"m_bCentre":1,"m_nPenStyle":4},
{"class":"CRectFill","m_x1":13,"m_y1":-23,"m_x2":33,"m_y2":-43,"m_color":6636321,"m_nFillStyle":7,"m_bCentre":1},
{"class":"CRectRoundFill","m_x1":14,"m_y1":-24,"m_x2":34,"m_y2":-44,"m_color":66051,"m_nFillStyle":8,"m_bCentre":0},
{"class":"CCircleFill","m_x1":15,"m_y1":-25,"m_x2":35,"m_y2":-45,"m_color":197121,"m_nFillStyle":14,"m_bCentre":1},
{"class":"CArc","m_x1":100,"m_y1":-100,"m_x2":300,"m_y2":-300,"m_color":658188,"m_xStart":400,"m_yStart":-200,"m_xEnd":200,"m_yEnd":-50,"m_nWidth":6,"m_bCentre":1,"m_nPenStyle":1},
{"class":"CChord","m_x1":101,"m_y1":-101,"m_x2":301,"m_y2":-301,"m_color":789258,"m_xStart":401,"m_yStart":-201,"m_xEnd":201,"m_yEnd":-51,"m_nWidth":7,"m_bCentre":0,"m_nPenStyle":2},
{"class":"CPie","m_x1":102,"m_y1":-102,"m_x2":302,"m_y2":-302,"m_color":1118481,"m_xStart":402,"m_yStart":-202,"m_xEnd":202,"m_yEnd":-52,"m_nWidth":8,"m_bCentre":1,"m_nPenStyle":3},
{"class":"CChordFill","m_x1":103,"m_y1":-103,"m_x2":303,"m_y2":-303,"m_color":2236962,"m_xStart":403,"m_yStart":-203,"m_xEnd":203,"m_yEnd":-53,"m_nFillStyle":9,"m_bCentre":1},
{"class":"CPieFill","m_x1":104,"m_y1":-104,"m_x2":304,"m_y2":-304,"m_color":3355443,"m_xStart":404,"m_yStart":-204,"m_xEnd":204,"m_yEnd":-54,"m_nFillStyle":10,"m_bCentre":0},
{"class":"CBezier","m_x1":0,"m_y1":0,"m_x2":100,"m_y2":-500,"m_color":4473924,"m_pt3":[300,-500],"m_pt4":[400,0],"m_nWidth":11,"m_bCentre":1,"m_nPenStyle":4},
{"class":"CPolygon","m_x1":50,"m_y1":-60,"m_x2":250,"m_y2":-160,"m_color":5592405,"m_ptDir":[900,-90],"m_nWidth":12,"m_nPenStyle":1,"m_nMode":2},
{"class":"CTrigon","m_x1":0,"m_y1":-1000,"m_x2":1571,"m_y2":-2000,"m_color":6710886,"m_nPitch":10,"m_bVertical":1},
{"class":"CMeasure","m_x1":0,"m_y1":0,"m_x2":1000,"m_y2":-2000,"m_color":7829367,"m_strText":"12.5 mm","m_nWidth":1},
{"class":"CText","m_x1":500,"m_y1":-500,"m_x2":600,"m_y2":-600,"m_color":8947848,"m_strText":"Bolt \u00d8 8"},
{"class":"CFloodFill","m_x1":700,"m_y1":-700,"m_x2":0,"m_y2":0,"m_color":10066329,"m_nFillStyle":13,"m_colorFill":11259375}
]})";

QString PackError(const std::string& strJson)
{
    FigureArray figures;
    QString strError;
    EXPECT_FALSE(JsonToFigures(QByteArray::fromStdString(strJson), figures, &strError)) << strJson;
    EXPECT_TRUE(figures.empty());
    return strError;
}

}  // namespace

TEST(CliJson, everyClassDumpsItsRecordFields)
{
    FigureArray figures = MakeOneOfEachClass();
    const QJsonArray dumped = QJsonDocument::fromJson(FiguresToJson(figures)).object()["figures"].toArray();
    const QJsonArray expected = QJsonDocument::fromJson(kSampleJson).object()["figures"].toArray();
    ASSERT_EQ(expected.size(), 18);
    ASSERT_EQ(dumped.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(dumped[i].toObject(), expected[i].toObject())
            << QJsonDocument(dumped[i].toObject()).toJson(QJsonDocument::Compact).constData();
    EXPECT_EQ(qsizetype(RecordLayouts().size()), expected.size());
}

TEST(CliJson, packNamesTheFigureAndFieldAtFault)
{
    const char* const kLine = R"("m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":5,"m_nWidth":1)";
    const struct {
        std::string strJson;
        const char* pszMessage;
    } cases[] = {
        {R"({"figures":[)", "Malformed JSON at offset"},
        {R"({"figures":[3]})", "figure 0: not a JSON object"},
        {R"({"figures":[{"m_x1":1}]})", "figure 0: field \"class\" is missing"},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":0},{"class":"CFigure"}]})",
         "figure 1: unknown class \"CFigure\""},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + "}]}",
         "figure 0 (CLine): field \"m_nPenStyle\" is missing"},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":2147483648}]})",
         "figure 0 (CLine): field \"m_nPenStyle\" must be an integer"},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":"0"}]})",
         "figure 0 (CLine): field \"m_nPenStyle\" must be an integer"},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":0,"m_nPenstyle":0}]})",
         "figure 0 (CLine): field \"m_nPenstyle\" is not part of a CLine record"},
        {R"({"figures":[{"class":"CFloodFill","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":-1,"m_nFillStyle":1,"m_colorFill":0}]})",
         "figure 0 (CFloodFill): field \"m_color\" must be an integer from 0 to 4294967295"},
        {R"({"figures":[{"class":"CPolygon","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":0,"m_ptDir":[1],"m_nWidth":1,"m_nPenStyle":0,"m_nMode":2}]})",
         "figure 0 (CPolygon): field \"m_ptDir\" must be an array [x, y]"},
        {R"({"figures":[{"class":"CText","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":0,"m_strText":7}]})",
         "figure 0 (CText): field \"m_strText\" must be a string"},
        // A key twice would let the last one win silently.
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":0}],"figures":[]})",
         "top level: key \"figures\" appears twice"},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":0},{"class":"CLine",)" + kLine
             + R"(,"m_nPenStyle":0,"class":"CRectangle"}]})",
         "figure 1: key \"class\" appears twice"},
        {std::string(R"({"figures":[{"class":"CLine",)") + kLine + R"(,"m_nPenStyle":0,"m_x\u0031":5}]})",
         "figure 0: key \"m_x1\" appears twice"},
        // Raw control characters inside strings; escaped ones are text.
        {std::string(R"({"figures":[{"class":"CText","m_x1":1,"m_y1":2,"m_x2":3,"m_y2":4,"m_color":0,"m_strText":"a)")
             + '\x01' + R"(b"}]})",
         "figure 0: raw control character in the value of \"m_strText\""},
        {std::string(R"({"figures":[{"class":"CLi)") + std::string(1, '\0') + R"(ne"}]})",
         "figure 0: raw control character in the value of \"class\""},
        // A NUL in a name is shown, and the message goes on after it.
        {R"({"figures":[{"class":"CLi\u0000ne"}]})", "figure 0: unknown class \"CLi\\u0000ne\""},
    };
    for (const auto& c : cases) {
        const QString strError = PackError(c.strJson);
        EXPECT_TRUE(strError.startsWith(QString::fromUtf8(c.pszMessage)))
            << c.strJson << "\n gave: " << strError.toStdString();
    }
}
