// Start and End Capture, the copy of the window's picture to the
// clipboard, and the replay of all steps.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

// A run that waits for its stamp is not replaced; a second Start Capture
// while capturing starts the run again from here.
void CMyDrevikView::OnStartCapture()
{
    if (m_bCaptureReady)
        return;
    m_bCapturing = true;
    m_nCaptureFirst = GetDocument()->GetVisibleCount();
}

// Only a run with at least one figure in it waits for a stamp; steps taken
// back in between can leave none.
void CMyDrevikView::OnEndCapture()
{
    if (!m_bCapturing)
        return;
    m_nCaptureEnd = GetDocument()->GetVisibleCount();
    if (m_nCaptureEnd > m_nCaptureFirst) {
        m_bCaptureReady = true;
        m_nMoveCount = 0;  // the crosshair starts afresh at the next move
    }
    m_bCapturing = false;
}

void CMyDrevikView::OnUpdateStartCapture(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bCapturing);
}

void CMyDrevikView::OnUpdateEndCapture(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bCaptureReady);
}

// Drawn the way the viewport paints itself, so the picture holds exactly
// the figures, dots and background in view, and the grey beyond the canvas
// when the window is larger than it.
QImage CMyDrevikView::GrabClientImage() const
{
    const QSize sizeClient = viewport()->size();
    QImage image(sizeClient, QImage::Format_RGB32);
    image.fill(kOutsideCanvas);
    if (m_imageSurface.isNull() || m_dSurfaceRatio <= 0.0)
        return image;
    const QPointF ptScroll(GetScrollPosition());
    const QRectF rectCanvas(-ptScroll, GetCanvasClientSize());
    const QRectF rectShown = rectCanvas.intersected(QRectF(QPointF(0, 0), QSizeF(sizeClient)));
    if (rectShown.isEmpty())
        return image;
    const QRectF rectSource((rectShown.topLeft() + ptScroll) * m_dSurfaceRatio,
                            rectShown.size() * m_dSurfaceRatio);
    QPainter painter(&image);
    painter.drawImage(rectShown, m_imageSurface, rectSource);
    return image;
}

// The clipboard takes its own copy of the image; nothing is kept here, so
// a clipboard that refuses it leaves nothing behind.
void CMyDrevikView::OnEditCopy()
{
    if (QClipboard* pClipboard = QGuiApplication::clipboard())
        pClipboard->setImage(GrabClientImage());
}

// This view replays with its delays; the others repaint at once.
void CMyDrevikView::OnPlayAnimation()
{
    m_bAnimate = true;
    GetDocument()->UpdateAllViews(nullptr);
}
