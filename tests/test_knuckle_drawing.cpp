// The knuckle joint's drawing: the figure table checked on a few figures of
// each kind, and the view's command adding it after the step pointer.
#include "figures/arcs.h"
#include "figures/line.h"
#include "figures/rectangles.h"
#include "knuckle/knucklefigures.h"
#include "platform/dialogcontrols.h"
#include "resources/resource.h"
#include "tests/viewtesting.h"
#include "tests/widget_driver.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>

namespace {

// One letter per figure class, in table order: Line, Arc, Rectangle, Circle.
char ClassLetter(const CFigure* pFigure)
{
    if (dynamic_cast<const CLine*>(pFigure))
        return 'L';
    if (dynamic_cast<const CArc*>(pFigure))
        return 'A';
    if (dynamic_cast<const CRectangle*>(pFigure))
        return 'R';
    if (dynamic_cast<const CCircle*>(pFigure))
        return 'C';
    return '?';
}

std::string ClassLetters(const std::vector<std::unique_ptr<CFigure>>& figures)
{
    std::string str;
    for (const auto& pFigure : figures)
        str += ClassLetter(pFigure.get());
    return str;
}

const char* const kTableClasses = "LLLLLLLLLLLLLLLLLLLLLALRAALLLLLLAACCLLAALLAAAAAAAAAAAAAA";

std::vector<std::unique_ptr<CFigure>> FiftyKilonewtonJoint()
{
    return MakeKnuckleFigures(ScaleKnuckleToCanvas(DesignKnuckleJoint({50, 100, 100, 100})),
                              kKnuckleCentre);
}

// Fills the designer's four edits and presses OK (or Cancel).
void AnswerKnuckleDialog(const QStringList& values, int nButton = IDOK)
{
    DriveNextModal([values, nButton](QDialog* pDialog) {
        const UINT nEdits[] = {IDC_KNUCKLE_LOAD, IDC_KNUCKLE_TENSILE, IDC_KNUCKLE_SHEAR, IDC_KNUCKLE_CRUSHING};
        for (int i = 0; i < 4; ++i)
            GetDlgItem<QLineEdit>(pDialog, nEdits[i])->setText(values[i]);
        GetDlgItem<QPushButton>(pDialog, UINT(nButton))->click();
    });
}

} // namespace

TEST(KnuckleFigures, tableOrderClassesColoursAndPens)
{
    const auto figures = FiftyKilonewtonJoint();
    ASSERT_EQ(int(figures.size()), kKnuckleFigureCount);
    EXPECT_EQ(ClassLetters(figures), kTableClasses);
    for (int i = 0; i < kKnuckleFigureCount; ++i) {
        // Red dash-dot centre lines, blue dotted pin outline, the rest black and solid.
        const COLORREF colorWanted = i < 2 ? RGB(255, 0, 0) : (i >= 35 && i <= 37) ? RGB(0, 0, 255) : 0;
        EXPECT_EQ(figures[i]->m_color, colorWanted) << "figure " << i + 1;
        EXPECT_EQ(figures[i]->m_bCentre, 0) << "figure " << i + 1;
    }
    EXPECT_EQ(static_cast<CLine*>(figures[0].get())->m_nPenStyle, PS_DASHDOT);
    EXPECT_EQ(static_cast<CCircle*>(figures[35].get())->m_nPenStyle, PS_DOT);
    EXPECT_EQ(static_cast<CLine*>(figures[37].get())->m_nPenStyle, PS_DOT);
    EXPECT_EQ(static_cast<CArc*>(figures[55].get())->m_nWidth, 1);
}

// d1 650, d2 1300, d4 780, t 806, t1 468, t2 312, e6 390, e8 520, L1 2600,
// L2 2938 and ds 670.11 on the canvas, worked out by hand from the table.
TEST(KnuckleFigures, pointsOfFiftyKilonewtonJoint)
{
    const auto figures = FiftyKilonewtonJoint();
    const struct {
        int nFigure;  // as numbered in the table, from 1
        int nPoints[4];
    } rows[] = {
        {1, {4100, -4500, 11900, -4500}},   // centre line, 1.5 L1 either side
        {2, {8000, -6320, 8000, -2680}},    // 2 (e8 + e6) up and down
        {3, {7350, -5371, 8675, -5371}},    // fork leg, d2/2 + 25 to the right
        {24, {7675, -3217, 8325, -3322}},   // the pin's head
        {36, {7844, -3317, 8156, -3629}},   // the collar, t2 across
        {22, {8247, -4097, 9053, -4903}},   // the eye's round end
        {47, {5303, -4257, 5790, -4743}},   // (5 d4) / 16 and (5 d4) / 8
        {56, {11525, -4459, 11943, -4869}}, // fork rod's break, T(1.5 ds)
    };
    for (const auto& row : rows) {
        const CFigure* pFigure = figures[row.nFigure - 1].get();
        EXPECT_EQ(pFigure->GetPointRect(),
                  CRect(row.nPoints[0], row.nPoints[1], row.nPoints[2], row.nPoints[3]))
            << "figure " << row.nFigure;
    }
    const auto* pArc22 = static_cast<const CArc*>(figures[21].get());
    EXPECT_EQ(CPoint(pArc22->m_xStart, pArc22->m_yStart), CPoint(8650, -4903));
    EXPECT_EQ(CPoint(pArc22->m_xEnd, pArc22->m_yEnd), CPoint(8650, -4097));
    const auto* pArc56 = static_cast<const CArc*>(figures[55].get());
    EXPECT_EQ(CPoint(pArc56->m_xStart, pArc56->m_yStart), CPoint(11608, -4500));
    EXPECT_EQ(CPoint(pArc56->m_xEnd, pArc56->m_yEnd), CPoint(11608, -4835));
}

// The largest joint reaches past both sides of the canvas and is drawn all the same.
TEST(KnuckleFigures, largestJointOverhangsTheCanvas)
{
    const auto figures = MakeKnuckleFigures(
        ScaleKnuckleToCanvas(DesignKnuckleJoint({200, 10, 10, 10})), kKnuckleCentre);
    ASSERT_EQ(int(figures.size()), kKnuckleFigureCount);
    EXPECT_LT(figures[0]->m_x1, 0);
    EXPECT_GT(figures[0]->m_x2, kCanvasSize.cx);
}

using viewtest::ViewTest;

TEST_F(ViewTest, knuckleJointGoesInAfterTheStepPointer)
{
    doc.AddFigure(viewtest::Line(100, -100, 200, -100, 0));
    doc.AddFigure(viewtest::Line(100, -300, 200, -300, 0));
    doc.m_nStep = 0;
    doc.SetModifiedFlag(FALSE);
    CFigure* pSecond = doc.m_figures[1].get();

    AnswerKnuckleDialog({"50", "100", "100", "100"});
    ASSERT_TRUE(view.OnCommand(ID_KNUCKLE_JOINT));
    ASSERT_EQ(doc.GetCount(), 2 + kKnuckleFigureCount);
    EXPECT_EQ(doc.m_nStep, kKnuckleFigureCount);
    EXPECT_EQ(doc.m_figures[2 + kKnuckleFigureCount - 1].get(), pSecond);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(view.m_dlgKnuckle.m_bAccepted);
    EXPECT_EQ(view.m_ptKnuckleCentre, CPoint(8000, -4500));
    std::string strAdded;
    for (int i = 1; i <= kKnuckleFigureCount; ++i)
        strAdded += ClassLetter(doc.m_figures[i].get());
    EXPECT_EQ(strAdded, kTableClasses);
    // The joint is on the surface: the red dash-dot centre line runs through it.
    const QPoint ptLeft = viewtest::SurfacePixel(view, 4100, -4500);
    const QPoint ptRight = viewtest::SurfacePixel(view, 11900, -4500);
    const int nRed = viewtest::CountPixels(view.GetSurface(), viewtest::kRgbRed, QRect(ptLeft, ptRight));
    EXPECT_GT(nRed, (ptRight.x() - ptLeft.x()) / 3);

    // The values stay for the next run; the same values draw the same joint again.
    QString strShownLoad;
    DriveNextModal([&strShownLoad](QDialog* pDialog) {
        strShownLoad = GetDlgItem<QLineEdit>(pDialog, IDC_KNUCKLE_LOAD)->text();
        GetDlgItem<QPushButton>(pDialog, UINT(IDOK))->click();
    });
    view.OnCommand(ID_KNUCKLE_JOINT);
    EXPECT_EQ(strShownLoad, "50");
    ASSERT_EQ(doc.GetCount(), 2 + 2 * kKnuckleFigureCount);
    for (int i = 1; i <= kKnuckleFigureCount; ++i)
        EXPECT_EQ(doc.m_figures[i]->GetPointRect(), doc.m_figures[i + kKnuckleFigureCount]->GetPointRect());

    // Cancel adds nothing.
    AnswerKnuckleDialog({"100", "200", "50", "200"}, IDCANCEL);
    view.OnCommand(ID_KNUCKLE_JOINT);
    EXPECT_EQ(doc.GetCount(), 2 + 2 * kKnuckleFigureCount);
    EXPECT_DOUBLE_EQ(view.m_dlgKnuckle.m_dLoad, 50.0);
}
