// DXF export: read back by an independent reader (ezdxf), every class of
// figure comes out as the entities that draw it, at its place in
// millimetres with the sheet's lower-left corner at the origin, in its
// colour and line type; and the reader's audit finds nothing to mend.
#include "figure_samples.h"

#include "document/mydrevikdoc.h"
#include "view/export/dxfwriter.h"
#include "view/export/exportdrawing.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace {

// The samples, then shapes the samples lack: solid and hatched fills, a
// solid flood fill in a closed frame, and elliptic arcs lying either way.
FigureArray DxfFigurePool()
{
    FigureArray figures = MakeOneOfEachClass();
    auto add = [&figures](CFigure* pFigure) { figures.emplace_back(pFigure); };
    add(new CCircleFill(1000, -1000, 3000, -3000, 0x0000FF, 1, FALSE));                      // 18
    add(new CArc(0, 0, 4000, -2000, 4000, -1000, 2000, 0, 0x00FF00, 1, FALSE, PS_SOLID));    // 19
    add(new CArc(0, 0, 2000, -4000, 2000, -2000, 1000, 0, 0x00FF00, 1, FALSE, PS_SOLID));    // 20
    add(new CPieFill(0, 0, 2000, -2000, 2000, -1000, 1000, 0, 0xFF0000, 1, FALSE));          // 21
    add(new CRectangle(1000, -1000, 3000, -3000, 0x000000, 1, FALSE, PS_SOLID));             // 22
    add(new CFloodFill(2000, -2000, 0, 0, 0x000000, 0x00FF00, 1));                            // 23
    add(new CCircleFill(0, 0, 4000, -2000, 0x00FFFF, 4, FALSE));                              // 24
    // The samples of these two are smaller than a pixel inside their
    // frame, so the context draws nothing of them; these are not.
    add(new CRectRoundFill(1000, -1000, 4000, -3000, 0x010203, 8, FALSE));                   // 25
    add(new CCircleFill(1000, -1000, 3000, -3000, 0x030201, 14, TRUE));                      // 26
    add(new CFloodFill(2000, -2000, 0, 0, 0x000000, 0x00FF00, 3));                            // 27
    return figures;
}

struct Mm {
    double x, y;
};

struct DxfCase {
    const char* pszName;
    std::vector<int> vecFigures;  // from DxfFigurePool, drawn in this order
    const char* pszTypes;         // every entity, in file order
    int nChecked;                 // the entity whose details follow
    int nColour;                  // 0xRRGGBB
    const char* pszLineType;
    std::vector<Mm> vecPoints;  // the first points the reader gives; a text's is its cell's top-left
    double dTolerance;
    double dSize = 0;           // radius, ellipse ratio, fill paths; 0: not checked
    const char* pszText = "";   // text, or a fill's pattern
    double dMaxWidth = 1;       // a text's width factor is no more than this
};
void PrintTo(const DxfCase& c, std::ostream* pOut) { *pOut << c.pszName; }

const std::vector<DxfCase>& DxfCases()
{
    static const std::vector<DxfCase> vecCases{
        {"CLine", {0}, "LINE", 0, 0xFF0000, "DASHED", {{0.01, 203.94}, {0.03, 203.92}}, 0.005},
        {"CRectangle", {1}, "LWPOLYLINE LINE LINE", 0, 0x00FF00, "DOTTED",
         {{0.1, 203.76}, {0.3, 203.76}, {0.3, 203.56}, {0.1, 203.56}}, 0.005},
        {"CRectRound", {2}, "LWPOLYLINE", 0, 0x0000FF, "DASHDOT",
         {{0.28, 203.55}, {0.31, 203.58}, {0.31, 203.72}, {0.28, 203.75}, {0.14, 203.75}, {0.11, 203.72},
          {0.11, 203.58}, {0.14, 203.55}}, 0.005},
        {"CCircle", {3}, "CIRCLE LINE LINE", 0, 0x563412, "DASHDOTDOT", {{0.22, 203.64}}, 0.005, 0.1},
        {"CRectFill", {4}, "HATCH LWPOLYLINE LINE LINE", 0, 0x214365, "",
         {{0.13, 203.73}, {0.33, 203.73}, {0.33, 203.53}, {0.13, 203.53}}, 0.005, 1, "VERTICAL"},
        // A pattern is a hatch per colour of its tile (white is the paper's).
        {"CRectRoundFill", {25}, "HATCH HATCH LWPOLYLINE", 0, 0x030201, "", {{35.835, 173.96}, {40, 178.125}}, 0.005, 1,
         "TILE"},
        {"CRectRoundFillGrey", {25}, "HATCH HATCH LWPOLYLINE", 1, 0xC0C0C0, "", {{35.835, 173.96}}, 0.005, 1, "TILE"},
        {"CRectRoundFillOutline", {25}, "HATCH HATCH LWPOLYLINE", 2, 0x030201, "CONTINUOUS", {{35.835, 173.96}}, 0.005},
        {"CCircleFill", {26}, "HATCH HATCH CIRCLE LINE LINE", 2, 0x010203, "CONTINUOUS", {{20, 183.96}}, 0.005, 10},
        {"CArc", {7}, "ARC LINE LINE", 0, 0x0C0B0A, "DASHED", {{2, 201.96}, {3, 201.96}, {2, 202.96}}, 0.005, 1},
        {"CChord", {8}, "ARC LINE", 0, 0x0A0B0C, "DOTTED", {{2.01, 201.95}, {3.01, 201.95}, {2.01, 202.95}}, 0.005},
        {"CChordChordLine", {8}, "ARC LINE", 1, 0x0A0B0C, "DOTTED", {{2.01, 202.95}, {3.01, 201.95}}, 0.005},
        {"CPie", {9}, "ARC LINE LINE LINE LINE", 0, 0x111111, "DASHDOT",
         {{2.02, 201.94}, {3.02, 201.94}, {2.02, 202.94}}, 0.005},
        {"CChordFill", {10}, "HATCH ARC LINE LINE LINE", 1, 0x222222, "CONTINUOUS",
         {{2.03, 201.93}, {3.03, 201.93}, {2.03, 202.93}}, 0.005},
        {"CPieFill", {11}, "HATCH HATCH ARC LINE LINE", 2, 0x333333, "CONTINUOUS",
         {{2.04, 201.92}, {3.04, 201.92}, {2.04, 202.92}}, 0.005},
        // The controls, then the curve's middle: (P0 + 3 P1 + 3 P2 + P3) / 8.
        {"CBezier", {12}, "SPLINE", 0, 0x444444, "DASHDOTDOT",
         {{0, 203.96}, {1, 198.96}, {3, 198.96}, {4, 203.96}, {2, 200.21}}, 0.005, 8},
        {"CPolygon", {13}, "LWPOLYLINE", 0, 0x555555, "DASHED",
         {{0.5, 203.36}, {2.5, 203.36}, {2.48, 202.37}, {0.48, 202.37}}, 0.005},
        {"CTrigon", {14}, "LWPOLYLINE", 0, 0x666666, "CONTINUOUS", {{6.71, 183.96}}, 0.005},
        {"CMeasureLine", {15}, "LINE TEXT LINE LINE LINE LINE LINE LINE", 0, 0x777777, "CONTINUOUS",
         {{0, 203.96}, {10, 183.96}}, 0.005},
        {"CMeasureLabel", {15}, "LINE TEXT LINE LINE LINE LINE LINE LINE", 1, 0x777777, "", {{0.1, 195.56}}, 0.005, 0,
         "12.5 mm", 0.99},  // the label's font is narrowed
        {"CText", {16}, "TEXT", 0, 0x888888, "", {{5, 198.96}}, 0.005, 0, "Bolt \u00D8 8"},
        // A flood fill is hatched over its region: with no frame, the canvas.
        {"CFloodFillPattern", {17}, "HATCH", 0, 0xEFCDAB, "", {{0, -0.01}, {271.96, -0.01}, {271.96, 203.96}, {0, 203.96}},
         0.02, 1, "TILE"},
        {"CFloodFillHatched", {22, 27}, "LWPOLYLINE HATCH", 1, 0x00FF00, "",
         {{10.27, 174.23}, {29.73, 174.23}, {29.73, 193.69}, {10.27, 193.69}}, 0.6, 1, "CROSS"},
        {"CFloodFillSolid", {22, 23}, "LWPOLYLINE HATCH", 1, 0x00FF00, "",
         {{10.27, 174.23}, {29.73, 174.23}, {29.73, 193.69}, {10.27, 193.69}}, 0.6, 1, "SOLID"},
        {"CCircleFillSolid", {18}, "HATCH CIRCLE", 0, 0xFF0000, "", {{20, 183.96}}, 0.005, 1, "SOLID"},
        {"CCircleFillHatchedEllipse", {24}, "HATCH ELLIPSE", 0, 0xFFFF00, "", {{20, 193.96}}, 0.005, 1, "DIAGCROSS"},
        {"CArcWideEllipse", {19}, "ELLIPSE", 0, 0x00FF00, "CONTINUOUS", {{20, 193.96}, {40, 193.96}, {20, 203.96}},
         0.005, 0.5},
        {"CArcTallEllipse", {20}, "ELLIPSE", 0, 0x00FF00, "CONTINUOUS", {{10, 183.96}, {20, 183.96}, {10, 203.96}},
         0.005, 0.5},
        {"CPieFillSolid", {21}, "HATCH ARC LINE LINE", 0, 0x0000FF, "", {{20, 193.96}}, 0.005, 1, "SOLID"},
    };
    return vecCases;
}

QByteArray ExportOf(const std::vector<int>& vecFigures)
{
    FigureArray pool = DxfFigurePool();
    CMyDrevikDoc doc;
    for (int nIndex : vecFigures)
        doc.m_figures.push_back(std::move(pool[std::size_t(nIndex)]));
    doc.m_nStep = doc.GetCount() - 1;
    return ExportDrawingDxf(&doc);
}

// Every case's file and one of all the samples together, read once.
class DxfReadBack : public ::testing::TestWithParam<DxfCase> {
public:
    static void SetUpTestSuite()
    {
        s_pRead = std::make_unique<QJsonObject>();
        QTemporaryDir dir;
        auto write = [&dir](const QString& strName, const QByteArray& bytes) {
            QFile file(dir.filePath(strName + QStringLiteral(".dxf")));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        for (const DxfCase& c : DxfCases())
            ASSERT_TRUE(write(QString::fromLatin1(c.pszName), ExportOf(c.vecFigures)));
        std::vector<int> vecAll(MakeOneOfEachClass().size());
        std::iota(vecAll.begin(), vecAll.end(), 0);
        ASSERT_TRUE(write(QStringLiteral("all"), ExportOf(vecAll)));
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(KORVADA_TEST_DATA "/read_dxf.py"), dir.path()});
        if (!reader.waitForFinished(120000) || reader.exitCode() != 0) {
            s_strSkip = QStringLiteral("/usr/bin/python3 could not run the reader: ") +
                        QString::fromLocal8Bit(reader.readAllStandardError());
            return;
        }
        *s_pRead = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
        if (s_pRead->contains(QStringLiteral("missing"))) {
            s_strSkip = QStringLiteral("ezdxf (Debian's python3-ezdxf) is not installed: ") +
                        s_pRead->value(QStringLiteral("missing")).toString();
            return;
        }
        // The reader's own audit command, as a user would run it.
        QProcess audit;
        audit.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("ezdxf"), QStringLiteral("audit"), dir.filePath(QStringLiteral("all.dxf"))});
        audit.waitForFinished(120000);
        s_strAudit = QString::fromLocal8Bit(audit.readAllStandardOutput() + audit.readAllStandardError());
    }
    static void TearDownTestSuite() { s_pRead.reset(); }

protected:
    static inline std::unique_ptr<QJsonObject> s_pRead;
    static inline QString s_strSkip;
    static inline QString s_strAudit;
};

QString Types(const QJsonArray& entities)
{
    QStringList list;
    for (const QJsonValue& value : entities)
        list << value.toObject().value(QStringLiteral("type")).toString();
    return list.join(u' ');
}

}  // namespace

TEST_P(DxfReadBack, entitiesPlacesAndColours)
{
    if (!s_strSkip.isEmpty())
        GTEST_SKIP() << s_strSkip.toStdString();
    const DxfCase& c = GetParam();
    const QJsonObject file = s_pRead->value(QString::fromLatin1(c.pszName) + QStringLiteral(".dxf")).toObject();
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(file.value(QStringLiteral("errors")).toArray().size(), 0) << QJsonDocument(file).toJson().constData();
    EXPECT_EQ(file.value(QStringLiteral("fixes")).toArray().size(), 0) << QJsonDocument(file).toJson().constData();
    const QJsonArray entities = file.value(QStringLiteral("entities")).toArray();
    ASSERT_EQ(Types(entities).toStdString(), c.pszTypes);
    if (entities.isEmpty())
        return;
    // A reader can draw every hatch's lines: each family has its lines
    // apart, at least as far as on the screen's diagonals.
    for (const QJsonValue& value : entities) {
        const QJsonObject hatch = value.toObject();
        if (hatch.value(QStringLiteral("type")).toString() != QStringLiteral("HATCH"))
            continue;
        const QJsonArray spacings = hatch.value(QStringLiteral("spacings")).toArray();
        EXPECT_EQ(spacings.isEmpty(), hatch.value(QStringLiteral("text")).toString() == QStringLiteral("SOLID"));
        for (const QJsonValue& spacing : spacings)
            EXPECT_GT(spacing.toDouble(), 1.4) << hatch.value(QStringLiteral("text")).toString().toStdString();
    }
    const QJsonObject entity = entities.at(c.nChecked).toObject();
    EXPECT_EQ(entity.value(QStringLiteral("colour")).toInt(), c.nColour);
    EXPECT_EQ(entity.value(QStringLiteral("linetype")).toString().toStdString(), c.pszLineType);
    EXPECT_EQ(entity.value(QStringLiteral("text")).toString(), QString::fromUtf8(c.pszText));
    if (c.dSize != 0) {
        EXPECT_NEAR(entity.value(QStringLiteral("size")).toDouble(), c.dSize, 1e-6);
    }
    const QJsonArray points = entity.value(QStringLiteral("points")).toArray();
    ASSERT_GE(points.size(), qsizetype(c.vecPoints.size()));
    const bool bText = entity.value(QStringLiteral("type")).toString() == QStringLiteral("TEXT");
    for (std::size_t i = 0; i < c.vecPoints.size(); ++i) {
        const QJsonArray point = points.at(qsizetype(i)).toArray();
        const double x = point.at(0).toDouble(), y = point.at(1).toDouble();
        EXPECT_NEAR(x, c.vecPoints[i].x, c.dTolerance) << "point " << i;
        if (!bText) {
            EXPECT_NEAR(y, c.vecPoints[i].y, c.dTolerance) << "point " << i;
            continue;
        }
        // A text stands on its baseline, below the top of its cell by more
        // than its capitals' height and less than twice that.
        const double dHeight = entity.value(QStringLiteral("size")).toDouble();
        EXPECT_LE(entity.value(QStringLiteral("width")).toDouble(), c.dMaxWidth);
        EXPECT_GT(dHeight, 0.5);
        EXPECT_LT(y, c.vecPoints[i].y - dHeight);
        EXPECT_GT(y, c.vecPoints[i].y - 2 * dHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, DxfReadBack, ::testing::ValuesIn(DxfCases()),
                         [](const ::testing::TestParamInfo<DxfCase>& info) { return std::string(info.param.pszName); });

TEST_F(DxfReadBack, everyClassTogetherPassesTheAudit)
{
    if (!s_strSkip.isEmpty())
        GTEST_SKIP() << s_strSkip.toStdString();
    const QJsonObject file = s_pRead->value(QStringLiteral("all.dxf")).toObject();
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(file.value(QStringLiteral("errors")).toArray().size(), 0) << QJsonDocument(file).toJson().constData();
    EXPECT_EQ(file.value(QStringLiteral("fixes")).toArray().size(), 0) << QJsonDocument(file).toJson().constData();
    EXPECT_TRUE(s_strAudit.contains(QStringLiteral("No errors found."))) << s_strAudit.toStdString();
    EXPECT_EQ(file.value(QStringLiteral("units")).toInt(), 4);  // millimetres
    EXPECT_GE(file.value(QStringLiteral("entities")).toArray().size(), 40);
}
