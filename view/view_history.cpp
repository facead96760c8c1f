// Stepping the surface through the history: a step forward paints the
// figures it shows again on top of the kept picture of the figures; a step
// back, an undo or a removal starts from the nearest kept picture at or
// below the new step and paints the few figures after it. The grid goes on
// top of a copy, as a full repaint leaves it. Anything else, or a view that
// has missed a change, repaints everything.
#include "view/mydrevikview.h"

#include "document/documenthint.h"
#include "document/mydrevikdoc.h"
#include "figures/figure.h"

#include <algorithm>
#include <cstring>

bool CMyDrevikView::IsHistoryInStep() const
{
    CMyDrevikDoc* pDoc = GetDocument();
    return !m_imageSurface.isNull() &&
           m_history.IsInStep(m_imageSurface.size(), m_bDragPaste, pDoc->GetRevision(), pDoc->GetVisibleCount());
}

// False when the hint cannot be used; the caller then repaints everything.
bool CMyDrevikView::UpdateFromHint(const CDocumentHint& hint)
{
    // A paint in slices, a replay and a waiting stamp's crosshair all want
    // the whole surface painted afresh.
    if (m_imageSurface.isNull() || IsPainting() || m_bAnimate || m_bCaptureReady)
        return false;
    const bool bRemoved = hint.m_nKind == CDocumentHint::kFigureRemoved;
    const std::uint64_t nRevisionBefore = bRemoved ? hint.m_nRevision - 1 : hint.m_nRevision;
    if (!m_history.IsOf(m_imageSurface.size(), m_bDragPaste, nRevisionBefore) ||
        hint.m_nRevision != GetDocument()->GetRevision())
        return false;
    if (bRemoved)
        m_history.DropAbove(hint.m_nIndex);
    m_history.SetRevision(hint.m_nRevision);
    StepSurfaceTo(GetDocument()->GetVisibleCount());
    return true;
}

void CMyDrevikView::StepSurfaceTo(int nTarget)
{
    if (!m_history.HasCurrent() || m_history.GetCurrentCount() > nTarget)
        m_history.RestoreAtOrBelow(nTarget, FigurePaintingModes());
    PaintHistoryForward(nTarget);
    m_bCentre = GetDocument()->m_bCentre;
    ComposeSurface(&m_imageSurface);
    viewport()->update();
}

// Paints the figures from the current picture's count up to nTarget onto
// it, offering the pictures the paint passes on its way. Each leg has a
// context of its own, so no picture is copied while a painter holds it.
void CMyDrevikView::PaintHistoryForward(int nTarget)
{
    CMyDrevikDoc* pDoc = GetDocument();
    nTarget = std::min(nTarget, pDoc->GetVisibleCount());
    QImage& image = m_history.GetCurrent();
    int nNext = m_history.GetCurrentCount();
    CDCModes modes = m_history.GetCurrentModes();
    // The picture about to be painted over may be worth keeping: it is the
    // step just before nTarget when the step moves forward by one.
    m_history.Offer(image, modes, nNext, nTarget);
    while (nNext < nTarget) {
        const int nRung = CSurfaceHistory::NextRung(nNext + 1, nTarget);
        const int nStop = nRung > 0 ? nRung : nTarget;
        {
            CDC dc(&image, GetUnitsPerPixel());
            OnPrepareDC(&dc);
            dc.SetModes(modes);
            int nIndex = nNext;
            nNext = PaintFiguresFrom(&dc, pDoc, m_bDragPaste, nNext, [&] { return nIndex++ < nStop; });
            modes = dc.GetModes();
        }
        if (nNext < nTarget)
            m_history.Offer(image, modes, nNext, nTarget);
    }
    m_history.SetCurrentCount(nTarget, modes);
}

// The current picture with the grid on top: what a full repaint leaves.
void CMyDrevikView::ComposeSurface(QImage* pImage)
{
    const QImage& imageFigures = m_history.GetCurrent();
    if (pImage->size() != imageFigures.size() || pImage->format() != imageFigures.format())
        *pImage = QImage(imageFigures.size(), imageFigures.format());
    std::memcpy(pImage->bits(), imageFigures.constBits(), std::size_t(imageFigures.sizeInBytes()));
    if (m_bGridShow) {
        CDC dc(pImage, GetUnitsPerPixel());
        OnPrepareDC(&dc);
        DrawGrid(&dc);
    }
}

// A figure just added after the step pointer, by this view or another: the
// picture of the figures takes it on top when it was of the drawing just
// before. True when the picture is in step with the document again.
bool CMyDrevikView::AdvanceHistoryByAdded(const CFigure* pFigure)
{
    CMyDrevikDoc* pDoc = GetDocument();
    const int nVisible = pDoc->GetVisibleCount();
    if (m_imageSurface.isNull() || nVisible < 1 || pDoc->GetFigure(nVisible - 1) != pFigure ||
        !m_history.IsInStep(m_imageSurface.size(), m_bDragPaste, pDoc->GetRevision() - 1, nVisible - 1))
        return false;
    // Pictures past the new figure's place show the figures it pushed on.
    m_history.DropAbove(nVisible - 1);
    m_history.SetRevision(pDoc->GetRevision());
    PaintHistoryForward(nVisible);
    return true;
}
