// Animated replay: the drawing appears figure by figure. A timer paces the
// figures, so the window keeps repainting between them; input to the view
// waits until the replay has finished.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "view/clientdc.h"

int AnimationDelayMs(int nVisible)
{
    return nVisible >= 75 ? 100 : 250;
}

void CMyDrevikView::StartAnimation()
{
    m_bAnimate = true;
    BeginReplay();
}

// The window is erased and the first figure follows after one delay.
void CMyDrevikView::BeginReplay()
{
    m_timerReplay.stop();
    // A paint still going on in slices would draw over the replay.
    if (IsPainting())
        EndSlices(false);
    CMyDrevikDoc* pDoc = GetDocument();
    m_nReplayNext = 0;
    m_modesReplay = FigurePaintingModes();
    const int nVisible = pDoc->GetVisibleCount();
    if (!m_imageSurface.isNull()) {
        m_imageSurface.fill(Qt::white);
        viewport()->update();
    }
    if (nVisible == 0) {
        FinishReplay();
        return;
    }
    m_timerReplay.start(AnimationDelayMs(nVisible));
}

// Figures added meanwhile in other views come after those still to be
// replayed, so the replay runs to the document's current step pointer.
void CMyDrevikView::OnReplayTick()
{
    CMyDrevikDoc* pDoc = GetDocument();
    if (CFigure* pFigure = pDoc->GetFigure(m_nReplayNext)) {
        ++m_nReplayNext;
        // Each tick has a context of its own; the modes the last figure
        // left run on, as they do from figure to figure in a full repaint.
        CClientDC dc(this);
        dc.SetModes(m_modesReplay);
        pFigure->Draw(&dc);
        if (m_bDragPaste)
            pFigure->DrawHandles(&dc);
        m_modesReplay = dc.GetModes();
    }
    if (m_nReplayNext >= pDoc->GetVisibleCount())
        FinishReplay();
}

// A replay lasts one paint: the grid comes last and the request is cleared.
void CMyDrevikView::FinishReplay()
{
    m_timerReplay.stop();
    if (m_bGridShow && !m_imageSurface.isNull())
        DrawGrid();
    m_bAnimate = false;
}
