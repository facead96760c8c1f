// A redraw that takes more than a moment shows the busy cursor while it
// runs, in the first slice and in the slices after it, and whichever way
// it ends the cursor is put back exactly once.
#include "backrefs.h"
#include "figures/floodfill.h"
#include "view/bandpaint.h"
#include "viewtesting.h"

#include <QApplication>
#include <QCursor>

#include <gtest/gtest.h>

#include <memory>

using namespace viewtest;

namespace {

// The cursor the application shows over its windows: -1 for none set.
int OverrideShape()
{
    const QCursor* pCursor = QApplication::overrideCursor();
    return pCursor ? int(pCursor->shape()) : -1;
}

// A figure that notes the cursor shown while the paint reaches it.
class CCursorProbe : public CFigure {
public:
    explicit CCursorProbe(int* pnShape) : m_pnShape(pnShape) {}
    void Draw(CDC*) override { *m_pnShape = OverrideShape(); }

private:
    int* m_pnShape;
};

struct CursorCase {
    const char* pszName;
    int nLines;    // short lines before the probe
    int nShapeSeen;  // the cursor while the probe is painted
};

class BusyCursorAtOnce : public ::testing::TestWithParam<CursorCase> {};

TEST_P(BusyCursorAtOnce, ShowsWhileAManyFigureRedrawRuns)
{
    SetPaintThreadCount(1);  // the probe reads the application's state
    CMyDrevikDoc doc;
    CMyDrevikView view(&doc);
    for (int i = 0; i < GetParam().nLines; ++i)
        doc.AddFigure(Line(100 + i % 20000, -100, 100 + i % 20000, -200, kRed, 1));
    int nShape = -2;
    doc.AddFigure(std::make_unique<CCursorProbe>(&nShape));
    view.m_nFirstSliceMs = 600000;  // all in the first slice
    view.RedrawSurface();
    SetPaintThreadCount(0);
    EXPECT_FALSE(view.IsPainting());
    EXPECT_EQ(nShape, GetParam().nShapeSeen);
    EXPECT_EQ(OverrideShape(), -1);
    EXPECT_FALSE(view.IsBusyCursorShown());
}

INSTANTIATE_TEST_SUITE_P(Drawings, BusyCursorAtOnce,
                         ::testing::Values(CursorCase{"Small", 10, -1},
                                           CursorCase{"JustBelowMany", kBusyCursorFigures - 2, -1},
                                           CursorCase{"Many", kBusyCursorFigures, int(Qt::WaitCursor)}),
                         [](const ::testing::TestParamInfo<CursorCase>& info) { return info.param.pszName; });

// Thousands of back references to one flood fill: a paint in slices.
void LoadCostlyDrawing(CMyDrevikDoc& doc)
{
    const QByteArray bytes =
        BackReferenceDrawing(new CFloodFill(1000, -1000, 0, 0, RGB(0, 0, 0), RGB(0, 128, 0), 1), 20000);
    CArchive ar(bytes);
    doc.Serialize(ar);
    ASSERT_FALSE(ar.IsBad());
    doc.m_nStep = doc.GetCount() - 1;
}

enum class End { Escape, RedrawAgainThenStop, ViewClosed };

class BusyCursorInSlices : public ::testing::TestWithParam<End> {};

TEST_P(BusyCursorInSlices, ShowsUntilThePaintEndsHoweverItEnds)
{
    CMyDrevikDoc doc;
    LoadCostlyDrawing(doc);
    auto pView = std::make_unique<CMyDrevikView>(&doc);
    pView->m_nFirstSliceMs = 1;
    pView->RedrawSurface();
    ASSERT_TRUE(pView->IsPainting());
    EXPECT_EQ(OverrideShape(), int(Qt::WaitCursor));
    switch (GetParam()) {
    case End::Escape:
        pView->StopPainting();
        break;
    case End::RedrawAgainThenStop:
        // A restart keeps one cursor on the stack, not two.
        pView->RedrawSurface();
        EXPECT_EQ(OverrideShape(), int(Qt::WaitCursor));
        pView->StopPainting();
        break;
    case End::ViewClosed:
        pView.reset();
        break;
    }
    EXPECT_EQ(OverrideShape(), -1);
}

INSTANTIATE_TEST_SUITE_P(Ends, BusyCursorInSlices,
                         ::testing::Values(End::Escape, End::RedrawAgainThenStop, End::ViewClosed));

}  // namespace
