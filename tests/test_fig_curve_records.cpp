// The records of the curve, measured line, text and flood fill figures:
// field order against bytes written by hand, read back the same way.
#include "figures/bezier.h"
#include "figures/floodfill.h"
#include "figures/measure.h"
#include "figures/polygon.h"
#include "figures/text.h"
#include "figures/trigon.h"
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct RecordCase {
    const char* pszName;
    std::shared_ptr<CFigure> pFigure;
    const char* pszHex;  // after the figure part (1, -2, 3, 4, colour 0x123456)
};

const char* const kFigurePart = "01000000 feffffff 03000000 04000000 56341200";

}  // namespace

TEST(FigCurveRecords, fieldsFollowTheFigurePartInFileOrder)
{
    const COLORREF color = 0x123456;
    const RecordCase cases[] = {
        {"bezier", std::make_shared<CBezier>(1, -2, 3, 4, 5, 6, 7, -8, color, 2, TRUE, PS_DASHDOT),
         "05000000 06000000 07000000 f8ffffff 02000000 01000000 03000000"},
        {"polygon", std::make_shared<CPolygon>(1, -2, 3, 4, 5, 6, color, 2, PS_DASH, 3),
         "05000000 06000000 02000000 01000000 03000000"},
        {"trigon", std::make_shared<CTrigon>(1, -2, 3, 4, color, 7, TRUE), "07000000 01000000"},
        {"measure", std::make_shared<CMeasure>(1, -2, 3, 4, color, PS_SOLID, 1, "123"),
         "03 313233 01000000"},
        {"text", std::make_shared<CText>(1, -2, 3, 4, color, "Hi", LOGFONT{}), "02 4869"},
        {"flood fill", std::make_shared<CFloodFill>(1, -2, 3, 4, color, 0xFFABCDEF, 9),
         "09000000 efcdabff"},
    };
    for (const RecordCase& test : cases) {
        const QByteArray bytes = QByteArray::fromHex(QByteArray(kFigurePart) + test.pszHex);
        CArchive out;
        test.pFigure->Serialize(out);
        EXPECT_EQ(out.GetBuffer().toHex(' '), bytes.toHex(' ')) << test.pszName;

        CArchive in(bytes);
        std::unique_ptr<CObject> pLoaded(test.pFigure->GetRuntimeClass()->CreateObject());
        pLoaded->Serialize(in);
        CArchive again;
        pLoaded->Serialize(again);
        EXPECT_EQ(again.GetBuffer(), bytes) << test.pszName;
    }
}
