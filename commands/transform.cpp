// Mirror and zoom the drawing: every visible figure is rewritten in place.
// Hidden later steps keep their coordinates, and nothing here is a step of
// its own, so Undo does not reverse it.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "figures/figure.h"

void CMyDrevikView::TransformVisible(int nSumX, int nSumY, int nOp)
{
    CMyDrevikDoc* pDoc = GetDocument();
    const int nVisible = pDoc->GetVisibleCount();
    for (int i = 0; i < nVisible; ++i)
        if (CFigure* pFigure = pDoc->GetFigure(i))
            pFigure->Transform(nSumX, nSumY, nOp);
}

// A mirror of nothing paints nothing; the repaint comes once, after the
// last figure, since each one is a full repaint of every view.
void CMyDrevikView::OnInvertX()
{
    TransformVisible(m_sizeCanvas.cx, m_sizeCanvas.cy, 0);
    if (GetDocument()->GetVisibleCount() > 0)
        GetDocument()->UpdateAllViews(nullptr);
}

// Mirrored about y = -H/2: logical y runs downwards as negative numbers.
void CMyDrevikView::OnInvertY()
{
    TransformVisible(m_sizeCanvas.cx, -m_sizeCanvas.cy, 1);
    GetDocument()->UpdateAllViews(nullptr);
}

void CMyDrevikView::OnZoomIn()
{
    TransformVisible(m_sizeCanvas.cx, m_sizeCanvas.cy, 2);
    GetDocument()->UpdateAllViews(nullptr);
}

void CMyDrevikView::OnZoomOut()
{
    TransformVisible(m_sizeCanvas.cx, m_sizeCanvas.cy, 3);
    GetDocument()->UpdateAllViews(nullptr);
}
