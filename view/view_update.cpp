// What a change of the document repaints: everything, only the bounding
// rectangle of a figure that another view has just added, or, for a step
// or a removal, only the figures the change shows or hides.
#include "view/mydrevikview.h"

#include "document/documenthint.h"
#include "figures/figure.h"

#include <QPainter>

#include <cmath>

void CMyDrevikView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A step, an undo or a removal repaints only what it changes; when the
    // view cannot do that, it is a full repaint like any bare update.
    if (const CDocumentHint* pDocHint = dynamic_cast<const CDocumentHint*>(pHint)) {
        if (!DeferUpdateWhileDragging(nullptr) && !UpdateFromHint(*pDocHint))
            CMyDrevikView::OnUpdate(pSender, lHint, nullptr);
        return;
    }
    const CFigure* pFigure = dynamic_cast<const CFigure*>(pHint);
    if (DeferUpdateWhileDragging(pFigure))
        return;
    // A waiting stamp's crosshair is wiped by any repaint: paint everything,
    // so none of it is left, and let the next move draw it afresh.
    if (m_bCaptureReady)
        pFigure = nullptr;
    if (!pFigure) {
        if (m_bAnimate)
            BeginReplay();
        else
            RedrawSurface();
        return;
    }
    // A figure added during a replay comes after the figures still to be
    // replayed, so the replay reaches it in its turn.
    if (m_bAnimate)
        return;
    // A paint in slices would cover the new figure with older ones; and a
    // partial repaint paints the whole drawing at once, which a drawing
    // that needed slices must not do.
    if (IsPainting() || m_bPaintCostly) {
        RedrawSurface();
        return;
    }
    AdvanceHistoryByAdded(pFigure);
    RepaintSurfaceRect(LogicalToSurfaceRect(pFigure->GetBoundRect()));
}

// The whole document is painted into a scratch image and only the asked
// rectangle is copied, so the surface there is what a full repaint gives
// (flood fills included) and nothing outside it changes.
void CMyDrevikView::RepaintSurfaceRect(const QRect& rectDevice)
{
    const QRect rect = rectDevice.intersected(m_imageSurface.rect());
    if (rect.isEmpty())
        return;
    QImage imageScratch(m_imageSurface.size(), QImage::Format_RGB32);
    // The kept picture of the figures spares painting the whole drawing.
    if (IsHistoryInStep())
        ComposeSurface(&imageScratch);
    else
        PaintDocument(&imageScratch);
    QPainter painter(&m_imageSurface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(rect.topLeft(), imageScratch, rect);
    painter.end();
    ShowSurfaceRect(rect);
}

void CMyDrevikView::ShowSurfaceRect(const QRect& rectDevice)
{
    if (rectDevice.isEmpty())
        return;
    const double dRatio = GetSurfaceRatio();
    const QRectF rectClient(QPointF(rectDevice.topLeft()) / dRatio - QPointF(GetScrollPosition()),
                            QSizeF(rectDevice.size()) / dRatio);
    // One pixel more on each side covers the rounding at fractional ratios.
    viewport()->update(rectClient.toAlignedRect().adjusted(-1, -1, 1, 1));
}
