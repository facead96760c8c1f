#include "bench/benchview.h"

#include "bench/benchdrawing.h"

#include <QApplication>

#include <climits>
#include <map>
#include <memory>

BenchView::BenchView(int nFigures)
{
    FillBenchDrawing(doc, nFigures);
    // One paint at once: slices would spread a full repaint over the event
    // loop, and the floor of the history cases is that full repaint.
    view.m_nFirstSliceMs = INT_MAX;
    view.resize(1000, 700);
    view.show();
    QApplication::processEvents();
}

void BenchView::Show()
{
    QApplication::processEvents();
}

QPoint BenchView::ClientPoint(int x, int y) const
{
    CDC dc;
    view.OnPrepareDC(&dc);
    CPoint pt(x, y);
    dc.LPtoDP(&pt);
    return QPoint(pt.x, pt.y) - view.GetScrollPosition();
}

namespace {

std::map<int, std::unique_ptr<BenchView>>& BenchViews()
{
    static std::map<int, std::unique_ptr<BenchView>> s_views;
    return s_views;
}

}  // namespace

void ReleaseBenchViews()
{
    BenchViews().clear();
}

BenchView& GetBenchView(int nFigures)
{
    std::unique_ptr<BenchView>& pView = BenchViews()[nFigures];
    if (!pView)
        pView = std::make_unique<BenchView>(nFigures);
    return *pView;
}
