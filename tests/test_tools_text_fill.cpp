// The text tool with its dialog, the flood fill tool's colours and the
// rubber, driven with the mouse.
#include "shapetooltesting.h"

#include "resources/resource.h"
#include "view/clientdc.h"
#include "widget_driver.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace shapetest;

struct TextCase {
    const char* szName;
    std::vector<CPoint> vecClick;
    const char* szTyped;  // null: the dialog is cancelled
    std::vector<std::string> vecFigures;
};
void PrintTo(const TextCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct TextToolTest : ShapeToolTest, ::testing::WithParamInterface<TextCase> {};

TEST_P(TextToolTest, dialogGivesTheTextOfTheFigure)
{
    const TextCase& tc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(ID_TOOL_TEXT);
    settings.m_colorText = kRed;
    settings.m_colorLine = kBlue;
    settings.m_logFont.lfHeight = -13;
    view.m_bGridShow = false;  // grid dots are painted over the text in a repaint
    view.RedrawSurface();
    DriveNextModal([&tc](QDialog* pDialog) {
        auto* pButtons = pDialog->findChild<QDialogButtonBox*>();
        if (!tc.szTyped) {
            pButtons->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        QLineEdit* pEdit = pDialog->findChild<QLineEdit*>();
        pEdit->clear();
        TypeText(pEdit, QString::fromUtf8(tc.szTyped));
        pButtons->button(QDialogButtonBox::Ok)->click();
    });

    Click(tc.vecClick);

    EXPECT_EQ(DescribeAll(doc), tc.vecFigures);
    EXPECT_EQ(SurfaceMismatch(), "");
    if (doc.GetCount() == 1) {
        EXPECT_EQ(dynamic_cast<CText*>(doc.GetFigure(0))->m_logFont.lfHeight, -13);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tools, TextToolTest,
    ::testing::Values(
        TextCase{"cancelAddsNothing", {{5000, -5000}, {7000, -6000}, {7000, -6000}}, nullptr, {}},
        TextCase{"textInTheTextColour", {{5000, -5000}, {9000, -6000}, {8000, -7000}, {8000, -7000}}, "Shaft A",
                 {"CText 5000,-5000,8000,-7000 #0000ff \"Shaft A\""}},
        TextCase{"cutToTwentyCharacters", {{5000, -5000}, {7000, -6000}, {7000, -6000}},
                 "Bearing housing, cast iron", {"CText 5000,-5000,7000,-6000 #0000ff \"Bearing housing, cas\""}},
        TextCase{"clickWithoutDragPlacesText", {{5000, -5000}, {5000, -5000}}, "Ø 40",
                 {"CText 5000,-5000,5000,-5000 #0000ff \"Ø 40\""}}),
    [](const auto& info) { return std::string(info.param.szName); });

// The dialog belongs to the application: it offers the last accepted text
// again, and a cancelled opening keeps it.
TEST_F(ShapeToolTest, textDialogOffersTheLastAcceptedText)
{
    CTextDlg dlgShared;
    view.m_pTextDlg = &dlgShared;
    view.GetSettings().m_nTool = int(ID_TOOL_TEXT);
    QStringList listOffered;
    const auto fnAnswer = [&listOffered](const char* szTyped) {
        return [&listOffered, szTyped](QDialog* pDialog) {
            QLineEdit* pEdit = pDialog->findChild<QLineEdit*>();
            listOffered << pEdit->text();
            auto* pButtons = pDialog->findChild<QDialogButtonBox*>();
            if (!szTyped) {
                pButtons->button(QDialogButtonBox::Cancel)->click();
                return;
            }
            pEdit->setText(QString::fromUtf8(szTyped));
            pButtons->button(QDialogButtonBox::Ok)->click();
        };
    };
    DriveNextModal(fnAnswer("PIN"));
    Click({{5000, -5000}, {6000, -6000}, {6000, -6000}});
    DriveNextModal(fnAnswer(nullptr));
    Click({{5000, -5000}, {6000, -6000}, {6000, -6000}});
    DriveNextModal(fnAnswer("PIN 2"));
    Click({{5000, -5000}, {6000, -6000}, {6000, -6000}});

    EXPECT_EQ(listOffered, QStringList({"", "PIN", "PIN"}));
    EXPECT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(QString::fromUtf8(dlgShared.m_szText), QStringLiteral("PIN 2"));
}

struct FloodCase {
    const char* szName;
    UINT nToolBefore;  // 0: none, ID_RUBBER: a rubber stroke
    const char* szFigure;
};
void PrintTo(const FloodCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct FloodFillTest : ShapeToolTest, ::testing::WithParamInterface<FloodCase> {};

// The boundary colour is the line colour of the last release of another
// tool: black before any, white after the rubber.
TEST_P(FloodFillTest, boundaryIsTheColourOfTheLastOtherRelease)
{
    const FloodCase& fc = GetParam();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_colorLine = kBlue;
    settings.m_nFillStyle = 6;
    if (fc.nToolBefore == ID_RUBBER) {
        settings.m_bRubber = true;
        Click({{3000, -3000}, {4000, -3000}, {4000, -3000}});
        settings.m_bRubber = false;
    } else if (fc.nToolBefore != 0) {
        settings.m_nTool = int(fc.nToolBefore);
        Click({{3000, -3000}, {9000, -9000}, {9000, -9000}});
    }
    const int nBefore = doc.GetCount();
    settings.m_nTool = int(ID_TOOL_FLOOD_FILL);
    settings.m_colorLine = kRed;  // a later colour choice reaches only the next other tool
    settings.m_colorFlood = RGB(0, 255, 0);

    Click({{6000, -6000}, {6000, -6000}});
    Click({{6000, -6000}, {6500, -6000}, {6500, -6000}});

    ASSERT_EQ(doc.GetCount(), nBefore + 2);
    EXPECT_EQ(DescribeAll(doc, nBefore + 1), std::vector<std::string>({fc.szFigure}));
}

INSTANTIATE_TEST_SUITE_P(
    Tools, FloodFillTest,
    ::testing::Values(FloodCase{"blackBeforeAnyOtherTool", 0, "CFloodFill 6500,-6000,0,0 #000000 f6 #00ff00"},
                      FloodCase{"colourOfTheRectangle", ID_TOOL_RECTANGLE, "CFloodFill 6500,-6000,0,0 #ff0000 f6 #00ff00"},
                      FloodCase{"whiteAfterTheRubber", ID_RUBBER, "CFloodFill 6500,-6000,0,0 #ffffff f6 #00ff00"}),
    [](const auto& info) { return std::string(info.param.szName); });

// The fill spreads inside the rectangle drawn before it, in the flood colour.
TEST_F(ShapeToolTest, floodFillPaintsInsideTheRectangle)
{
    CDrawingSettings& settings = view.GetSettings();
    settings.m_colorLine = kBlue;
    settings.m_nTool = int(ID_TOOL_RECTANGLE);
    Click({{3000, -3000}, {9000, -9000}, {9000, -9000}});
    settings.m_nTool = int(ID_TOOL_FLOOD_FILL);
    settings.m_colorFlood = kRed;
    Click({{6125, -6125}, {6125, -6125}});

    EXPECT_EQ(PixelAt(view, 6125, -6125), kRgbRed);
    EXPECT_EQ(PixelAt(view, 10000, -6125), kWhite);
    EXPECT_EQ(SurfaceMismatch(), "");
}

struct FloodRepaintCase {
    const char* szName;
    bool bGridShow;
    bool bThisViewRepainted;
};
void PrintTo(const FloodRepaintCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct FloodRepaintTest : ShapeToolTest, ::testing::WithParamInterface<FloodRepaintCase> {};

// A fill replayed over grid dots depends on what lies below, so with the
// grid shown every view, this one too, is painted afresh; without it the
// other views get the fill as a hint and this one keeps its pixels.
TEST_P(FloodRepaintTest, gridShownRepaintsEveryView)
{
    const FloodRepaintCase& fc = GetParam();
    CMyDrevikView viewOther(&doc);
    viewOther.resize(700, 500);
    viewOther.show();
    QApplication::processEvents();
    view.m_bGridShow = fc.bGridShow;
    view.RedrawSurface();
    {
        // A mark only a full repaint takes away, like a guide left on screen.
        CClientDC dc(&view);
        view.OnPrepareDC(&dc);
        dc.SetROP2(R2_NOT);
        dc.MoveTo(CPoint(1000, -9000));
        dc.LineTo(CPoint(3000, -9000));
    }
    view.GetSettings().m_nTool = int(ID_TOOL_FLOOD_FILL);
    view.GetSettings().m_nFillStyle = 3;

    Click({{6000, -6000}, {6000, -6000}});

    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(SurfaceMismatch() == "", fc.bThisViewRepainted);
    if (!fc.bThisViewRepainted)
        return;  // the other view repaints only the fill's own box then
    const QImage imageOther = viewOther.GetSurface().copy();
    viewOther.RedrawSurface();
    EXPECT_EQ(DifferenceBounds(imageOther, viewOther.GetSurface()), QRect()) << "the other view shows the fill";
}

INSTANTIATE_TEST_SUITE_P(Tools, FloodRepaintTest,
                         ::testing::Values(FloodRepaintCase{"gridShown", true, true},
                                           FloodRepaintCase{"gridHidden", false, false}),
                         [](const auto& info) { return std::string(info.param.szName); });

struct RubberCase {
    const char* szName;
    int nPenStyle;
    bool bDashed;
};
void PrintTo(const RubberCase& c, std::ostream* pOut) { *pOut << c.szName; }

struct RubberTest : ShapeToolTest, ::testing::WithParamInterface<RubberCase> {};

// Whatever the tool and concentric mode, the rubber paints one white line
// twelve wide in the current pen style over what lies below.
TEST_P(RubberTest, strokeIsAWhiteLineInThePenStyle)
{
    const RubberCase& rc = GetParam();
    doc.AddFigure(std::make_unique<CRectFill>(2000, -2000, 10000, -8000, RGB(0, 0, 0), 1, FALSE));
    view.m_bGridShow = false;  // grid dots are painted over the white line
    view.RedrawSurface();
    CDrawingSettings& settings = view.GetSettings();
    settings.m_nTool = int(ID_TOOL_RECTANGLE);
    settings.m_bConcentric = true;
    settings.m_nPenStyle = rc.nPenStyle;
    settings.m_bRubber = true;

    Click({{1000, -5000}, {6000, -5000}, {11000, -5000}, {11000, -5000}});

    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(DescribeFigure(doc.GetFigure(1)),
              "CLine 1000,-5000,11000,-5000 #ffffff w12 p" + std::to_string(rc.nPenStyle));
    EXPECT_EQ(SurfaceMismatch(), "");
    const QPoint ptFrom = SurfacePixel(view, 2500, -5000);
    const QRect rectRow(ptFrom, SurfacePixel(view, 9500, -5000));
    const int nWhite = CountPixels(view.GetSurface(), kWhite, rectRow);
    EXPECT_GT(nWhite, 0);
    EXPECT_EQ(nWhite < rectRow.width(), rc.bDashed) << nWhite << " white of " << rectRow.width();
    EXPECT_EQ(view.m_colorLine, RGB(255, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Tools, RubberTest,
                         ::testing::Values(RubberCase{"solid", PS_SOLID, false},
                                           RubberCase{"dashed", PS_DASH, true}),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ShapeToolTest, rubberClickLeavesAZeroLengthWhiteLine)
{
    view.GetSettings().m_bRubber = true;
    view.GetSettings().m_nTool = int(ID_TOOL_RECTANGLE);
    MoveTo(5000, -5000);  // the view learns of the toggle as the pointer comes in
    EXPECT_EQ(view.m_nCursorId, IDC_CURSOR_RUBBER);
    Click({{5000, -5000}, {5000, -5000}});
    EXPECT_EQ(DescribeAll(doc), std::vector<std::string>({"CLine 5000,-5000,5000,-5000 #ffffff w12 p0"}));
}

}  // namespace
