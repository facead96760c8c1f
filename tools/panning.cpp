// Moving the view without the scroll bars: dragging with the right button
// and the cursor keys.
#include "view/mydrevikview.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QThread>

void CMyDrevikView::OnRButtonDown(UINT nFlags, const QPointF& point)
{
    if (m_bDragging)
        return;
    m_bRightDown = 1;
    m_ptRightPrev = PreparePoint(point);
}

void CMyDrevikView::OnRButtonUp(UINT nFlags, const QPointF& point)
{
    m_ptRightPrev = CPoint(0, 0);
    m_bRightDown = 0;
}

// One line of scrolling per direction the pointer went by more than a snap
// step; a vertical move smaller than a step sends both, up first, which
// cancel out. The pause keeps a fast pointer from racing the view away.
void CMyDrevikView::PanStep(CPoint point)
{
    const CPoint ptR = m_ptRightPrev;
    QScrollBar* pHorz = horizontalScrollBar();
    QScrollBar* pVert = verticalScrollBar();
    if (point.x > ptR.x + m_nSnapX)
        pHorz->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (point.x < ptR.x - m_nSnapX)
        pHorz->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (point.y > ptR.y - m_nSnapY)
        pVert->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (point.y < ptR.y + m_nSnapY)
        pVert->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_ptRightPrev = point;
    if (m_nPanPauseMs > 0)
        QThread::msleep(m_nPanPauseMs);
}

namespace {

struct KeyScroll {
    int nKey;
    bool bCtrl;        // the row needs Ctrl held (Home and End only)
    bool bVertical;
    QAbstractSlider::SliderAction action;
};

// Home and End go to the left and right edges, with Ctrl to the top and
// bottom; a row without Ctrl serves the other keys whatever Ctrl says.
constexpr KeyScroll kKeyScrolls[] = {
    {Qt::Key_PageUp, false, true, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, false, true, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, true, true, QAbstractSlider::SliderToMinimum},
    {Qt::Key_Home, false, false, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, true, true, QAbstractSlider::SliderToMaximum},
    {Qt::Key_End, false, false, QAbstractSlider::SliderToMaximum},
    {Qt::Key_Left, false, false, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Right, false, false, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_Up, false, true, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, false, true, QAbstractSlider::SliderSingleStepAdd},
};

const KeyScroll* FindKeyScroll(int nKey, bool bCtrl)
{
    for (const KeyScroll& row : kKeyScrolls) {
        if (row.nKey != nKey)
            continue;
        const bool bCtrlMatters = nKey == Qt::Key_Home || nKey == Qt::Key_End;
        if (!bCtrlMatters || row.bCtrl == bCtrl)
            return &row;
    }
    return nullptr;
}

}  // namespace

// A key scrolls only in a direction in which the view shows less than the
// whole canvas.
bool CMyDrevikView::OnKeyDown(int nKey, Qt::KeyboardModifiers modifiers)
{
    const KeyScroll* pRow = FindKeyScroll(nKey, modifiers.testFlag(Qt::ControlModifier));
    if (!pRow)
        return false;
    const QSize sizeCanvas = GetCanvasClientSize().toSize();
    const QRect rectClient = viewport()->rect();
    const bool bSmaller = pRow->bVertical ? rectClient.height() < sizeCanvas.height()
                                          : rectClient.width() < sizeCanvas.width();
    if (bSmaller)
        (pRow->bVertical ? verticalScrollBar() : horizontalScrollBar())->triggerAction(pRow->action);
    return true;
}

void CMyDrevikView::keyPressEvent(QKeyEvent* pEvent)
{
    if (OnKeyDown(pEvent->key(), pEvent->modifiers()))
        pEvent->accept();
    else
        QAbstractScrollArea::keyPressEvent(pEvent);
}
