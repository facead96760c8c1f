// Painting the surface in slices: a drawing whose figures take long to
// paint (a few bytes of back references can repeat a flood fill thousands
// of times) must not lock the user out. The first slice runs at once, so
// a drawing of ordinary cost is whole when the redraw returns; the rest
// follows from the event loop, figure by figure, and Escape stops it.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>

#include <utility>

void CMyDrevikView::RedrawSurface()
{
    if (m_imageSurface.isNull())
        return;
    // A redraw always starts over, also after a stopped paint.
    if (IsPainting())
        EndSlices(false);
    m_imageSurface.fill(Qt::white);
    if (m_bCaptureReady)
        m_nMoveCount = 0;  // the stamp's crosshair is gone with the rest
    m_bCentre = GetDocument()->m_bCentre;
    m_nPaintNext = 0;
    m_elapsedPaint.start();
    if (GetDocument()->GetVisibleCount() >= kBusyCursorFigures)
        ShowBusyCursor(true);
    PaintSlice(m_nFirstSliceMs);
    m_bPaintCostly = IsPainting();
    if (IsPainting()) {
        // The rest goes on from the event loop, and so does the wait.
        ShowBusyCursor(true);
        qApp->installEventFilter(this);
        m_timerPaint.start();
    }
}

void CMyDrevikView::OnPaintSlice()
{
    if (IsPainting())
        PaintSlice(kPaintSliceMs);
}

// Paints figures for about nBudgetMs, at least one; the grid and the
// screen copy follow once every figure is done. Between slices the
// surface holds whole figures only, so it may be shown at any time.
void CMyDrevikView::PaintSlice(int nBudgetMs)
{
    CMyDrevikDoc* pDoc = GetDocument();
    const int nTotal = pDoc->GetVisibleCount();
    const QDeadlineTimer deadline(nBudgetMs);
    bool bFirst = true;
    {
        CDC dc(&m_imageSurface, GetUnitsPerPixel());
        OnPrepareDC(&dc);
        // Each slice has a context of its own; the modes the last figure
        // left run on, as in a paint at once.
        if (m_nPaintNext == 0) {
            m_modesPaint = FigurePaintingModes();
            m_history.Reset(m_imageSurface.size(), m_bDragPaste, pDoc->GetRevision());
        }
        dc.SetModes(m_modesPaint);
        // The pictures of the figures that later steps back start from are
        // taken as the paint passes their steps, before the grid goes on.
        // The paint stops at each such step so the picture is taken from
        // finished pixels: bands paint a run only after planning it.
        int nRung = CSurfaceHistory::NextRung(m_nPaintNext, nTotal);
        bool bOutOfTime = false;
        while (m_nPaintNext < nTotal && !bOutOfTime) {
            if (m_nPaintNext == nRung) {
                m_history.Offer(m_imageSurface, dc.GetModes(), m_nPaintNext, nTotal);
                nRung = CSurfaceHistory::NextRung(m_nPaintNext + 1, nTotal);
            }
            int nIndex = m_nPaintNext;
            m_nPaintNext = PaintFiguresFrom(&dc, pDoc, m_bDragPaste, m_nPaintNext, [&] {
                if (nIndex == nRung)
                    return false;
                ++nIndex;
                if (std::exchange(bFirst, false) || !deadline.hasExpired())
                    return true;
                bOutOfTime = true;
                return false;
            });
        }
        m_modesPaint = dc.GetModes();
        if (m_nPaintNext >= nTotal) {
            m_history.SetCurrent(m_imageSurface, m_modesPaint, nTotal);
            if (m_bGridShow)
                DrawGrid(&dc);
        }
    }
    viewport()->update();
    if (m_nPaintNext >= nTotal) {
        EndSlices(false);
        return;
    }
    if (m_elapsedPaint.elapsed() >= m_nFirstSliceMs) {
        m_bPaintReported = true;
        emit PaintProgress(m_nPaintNext, nTotal);
    }
}

void CMyDrevikView::StopPainting()
{
    if (!IsPainting())
        return;
    EndSlices(true);
    viewport()->update();
}

// Whoever was told of the progress hears of the end.
void CMyDrevikView::EndSlices(bool bStopped)
{
    const int nDone = m_nPaintNext;
    const bool bReported = m_bPaintReported;
    m_timerPaint.stop();
    qApp->removeEventFilter(this);
    ShowBusyCursor(false);
    m_nPaintNext = -1;
    m_bPaintReported = false;
    if (bReported)
        emit PaintEnded(bStopped, nDone, GetDocument() ? GetDocument()->GetVisibleCount() : nDone);
}

// Once on the stack and once off it, whichever way the paint ends (a
// redraw that finishes at once ends its slices too).
void CMyDrevikView::ShowBusyCursor(bool bShow)
{
    if (bShow == m_bBusyCursor)
        return;
    m_bBusyCursor = bShow;
    if (bShow)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// While a paint goes on in slices, Escape stops it wherever the focus is.
bool CMyDrevikView::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const bool bKey = pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::ShortcutOverride;
    if (IsPainting() && bKey && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
        // Claimed before any shortcut takes it, so that the press arrives.
        if (pEvent->type() == QEvent::ShortcutOverride)
            pEvent->accept();
        else
            StopPainting();
        return true;
    }
    return QAbstractScrollArea::eventFilter(pWatched, pEvent);
}
