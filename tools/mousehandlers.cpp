// The press, drag and release of the left button: every handler prepares
// its point once, then the tool of the current settings previews or builds
// its figure through the rule table.
#include "view/mydrevikview.h"

#include "view/drawingsettings.h"
#include "document/mydrevikdoc.h"
#include "resources/resource.h"
#include "tools/tooltable.h"
#include "view/clientdc.h"

#include <QCursor>
#include <QMouseEvent>

#include <algorithm>

// Device to logical, then onto the grid unless free motion is on.
CPoint CMyDrevikView::PreparePoint(const QPointF& point) const
{
    const CPoint ptLogical = DeviceToLogical(point);
    return m_bSnap ? SnapToGrid(ptLogical) : ptLogical;
}

// Previews are drawn inverted with the dotted pen and no brush, so drawing
// one twice restores every pixel and no interior is touched.
void CMyDrevikView::PreparePreviewDC(CDC* pDC)
{
    pDC->SetROP2(R2_NOT);
    pDC->SelectObject(&m_penRubber);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectStockObject(NULL_BRUSH);
}

// While the button is down the pointer may not leave the view: a point
// beyond the viewport counts as the nearest point on its edge, and the
// pointer is put back there.
QPointF CMyDrevikView::ConfineToClient(const QPointF& point) const
{
    const QRect rectClient = viewport()->rect();
    return QPointF(std::clamp(point.x(), qreal(rectClient.left()), qreal(rectClient.right())),
                   std::clamp(point.y(), qreal(rectClient.top()), qreal(rectClient.bottom())));
}

void CMyDrevikView::OnLButtonDown(UINT nFlags, const QPointF& point)
{
    const CPoint ptPress = PreparePoint(point);
    // The centre toggle counts from each press on; text, thread and rubber
    // drags clear the view's copy while they preview.
    m_bCentre = GetDocument()->m_bCentre;
    // A left press ends right-button panning.
    m_ptRightPrev = CPoint(0, 0);
    m_bRightDown = 0;
    if (m_bDragPaste)
        SearchHit(ptPress);
    if (m_bCaptureReady)
        StampCapture(ptPress);
    m_ptAnchor = m_ptPrev = ptPress;
    m_ptAnchorUnits = ToDisplayUnits(ptPress);
    m_bDragging = 1;
}

void CMyDrevikView::OnMouseMove(UINT nFlags, const QPointF& pointRaw)
{
    viewport()->setCursor(m_hCursor);
    const QPointF point = m_bDragging ? ConfineToClient(pointRaw) : pointRaw;
    if (point != pointRaw)
        QCursor::setPos(viewport()->mapToGlobal(point.toPoint()));
    m_bSnap = !GetDocument()->m_bFreeMotion;
    const CPoint ptM = PreparePoint(point);
    if (m_bCaptureReady) {
        CClientDC dc(this);
        PreparePreviewDC(&dc);
        MoveCrosshair(&dc, ptM);
    }
    CDrawingSettings& settings = GetSettings();
    m_bRubber = settings.m_bRubber;
    WriteStatusValues(ptM);
    ChooseCursor();
    if (m_bRightDown == 1)
        PanStep(ptM);
    if (!m_bDragging) {
        viewport()->setCursor(m_hCursor);
        return;
    }

    // The rubber previews as a straight line whatever the tool.
    const ToolRule* pRule = FindToolRule(m_bRubber ? ID_TOOL_LINE : UINT(settings.m_nTool));
    if (m_bRubber || (pRule && pRule->bNoCentreMark))
        m_bCentre = false;
    m_bRadial = settings.m_bRadial;
    if (m_bDragPaste && m_bHit) {
        CClientDC dc(this);
        PreparePreviewDC(&dc);
        PreviewDrag(&dc, ptM);
    } else if (pRule && pRule->pfnPreview) {
        CClientDC dc(this);
        PreparePreviewDC(&dc);
        (this->*pRule->pfnPreview)(&dc, ptM);
    }
    m_ptPrev = ptM;
}

void CMyDrevikView::OnLButtonUp(UINT nFlags, const QPointF& pointRaw)
{
    if (!m_bDragging)
        return;
    m_bDragging = 0;
    const CPoint ptR = PreparePoint(ConfineToClient(pointRaw));

    CToolRelease release;
    release.ptR = ptR;
    release.dx = m_status.m_nDeltaX;
    release.dy = m_status.m_nDeltaY;
    release.nMoves = m_nMoveCount;
    m_status.m_nDeltaX = m_status.m_nDeltaY = 0;
    m_status.m_dAngle = 0.0;
    m_ptAnchorUnits = CPoint(0, 0);
    if (CStatusValues* pMain = GetMainStatusValues())
        *pMain = m_status;
    // A figure picked up in drag and paste mode is dropped instead of the
    // tool's release, before the settings are read.
    if (m_bDragPaste && m_bHit) {
        m_nMoveCount = 0;
        DropFigure(ptR);
    } else {
        CClientDC dc(this);
        PreparePreviewDC(&dc);
        release.settings = TakeSettingsSnapshot();
        const ToolRule* pRule = FindToolRule(UINT(release.settings.nTool));
        if (pRule && pRule->pfnRelease) {
            release.pfnMake = pRule->pfnMake;
            (this->*pRule->pfnRelease)(&dc, release);
        }
    }
    m_ptPrev = ptR;
    FlushDeferredUpdate();
}

void CMyDrevikView::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        OnLButtonDown(0, pEvent->position());
    else if (pEvent->button() == Qt::RightButton)
        OnRButtonDown(0, pEvent->position());
    pEvent->accept();
}

void CMyDrevikView::mouseMoveEvent(QMouseEvent* pEvent)
{
    OnMouseMove(0, pEvent->position());
    pEvent->accept();
}

void CMyDrevikView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        OnLButtonUp(0, pEvent->position());
    else if (pEvent->button() == Qt::RightButton)
        OnRButtonUp(0, pEvent->position());
    pEvent->accept();
}
