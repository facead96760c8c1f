// Construction of the view, its canvas surface and scroll bars, and the
// widget events: the viewport shows the surface, input waits for a replay.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "view/scrollbarstyle.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

bool IsUserInput(const QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

}  // namespace

CMyDrevikView::CMyDrevikView(CMyDrevikDoc* pDoc, CDrawingSettings* pSettings, QWidget* pParent)
    : QAbstractScrollArea(pParent), m_hCursor(Qt::ArrowCursor)
{
    if (!pSettings) {
        m_pOwnSettings = std::make_unique<CDrawingSettings>();
        pSettings = m_pOwnSettings.get();
    }
    m_pSettings = pSettings;
    m_penRubber.CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    PreCreateWindow();
    connect(&m_timerReplay, &QTimer::timeout, this, &CMyDrevikView::OnReplayTick);
    m_timerPaint.setInterval(0);
    connect(&m_timerPaint, &QTimer::timeout, this, &CMyDrevikView::OnPaintSlice);
    m_pDocument = pDoc;
    pDoc->AddView(this);
    OnInitialUpdate();
}

CMyDrevikView::~CMyDrevikView()
{
    m_timerReplay.stop();
    if (IsPainting())
        EndSlices(false);
    ShowBusyCursor(false);
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    m_pDocument = nullptr;
}

CMyDrevikDoc* CMyDrevikView::GetDocument() const
{
    return static_cast<CMyDrevikDoc*>(m_pDocument);
}

// The viewport is covered by the surface copy on every paint, so Qt need
// not erase it first; the class name is kept for the window's identity.
void CMyDrevikView::PreCreateWindow()
{
    m_strClassName = QString::fromLatin1(metaObject()->className());
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_StaticContents);
    viewport()->setCursor(m_hCursor);
    // The status bar follows the pointer even with no button down.
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    CScrollBarStyle::Apply(horizontalScrollBar());
    CScrollBarStyle::Apply(verticalScrollBar());
}

void CMyDrevikView::OnInitialUpdate()
{
    EnsureSurface();
    RedrawSurface();
    UpdateScrollBars();
}

// The surface holds the whole canvas at the screen's pixel density; a new
// density (the window moved to another screen) needs a new surface.
void CMyDrevikView::EnsureSurface()
{
    const double dRatio = devicePixelRatioF() > 0.0 ? devicePixelRatioF() : 1.0;
    if (!m_imageSurface.isNull() && dRatio == m_dSurfaceRatio)
        return;
    m_dSurfaceRatio = dRatio;
    m_imageSurface = QImage(GetCanvasPixelSize(GetUnitsPerPixel()), QImage::Format_RGB32);
    if (m_bAnimate)
        BeginReplay();
    else
        RedrawSurface();
    UpdateScrollBars();
}

QSizeF CMyDrevikView::GetCanvasClientSize() const
{
    const double dRatio = GetSurfaceRatio();
    return QSizeF(m_imageSurface.size()) / dRatio;
}

void CMyDrevikView::UpdateScrollBars()
{
    const QSize sizeCanvas = GetCanvasClientSize().toSize();
    const QSize sizeViewport = viewport()->size();
    QScrollBar* pHorz = horizontalScrollBar();
    QScrollBar* pVert = verticalScrollBar();
    pHorz->setRange(0, std::max(0, sizeCanvas.width() - sizeViewport.width()));
    pVert->setRange(0, std::max(0, sizeCanvas.height() - sizeViewport.height()));
    // A page is what the viewport shows, a line a hundredth of the canvas.
    pHorz->setPageStep(std::max(1, sizeViewport.width()));
    pVert->setPageStep(std::max(1, sizeViewport.height()));
    pHorz->setSingleStep(std::max(1, sizeCanvas.width() / 100));
    pVert->setSingleStep(std::max(1, sizeCanvas.height() / 100));
}

void CMyDrevikView::paintEvent(QPaintEvent* pEvent)
{
    EnsureSurface();
    QPainter painter(viewport());
    const QRect rectExposed = pEvent->rect();
    painter.fillRect(rectExposed, kOutsideCanvas);
    const QPointF ptScroll(GetScrollPosition());
    const QRectF rectCanvas(-ptScroll, GetCanvasClientSize());
    const QRectF rectShown = rectCanvas.intersected(QRectF(rectExposed));
    if (rectShown.isEmpty())
        return;
    const QRectF rectSource((rectShown.topLeft() + ptScroll) * m_dSurfaceRatio,
                            rectShown.size() * m_dSurfaceRatio);
    painter.drawImage(rectShown, m_imageSurface, rectSource);
}

void CMyDrevikView::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollBars();
}

void CMyDrevikView::showEvent(QShowEvent* pEvent)
{
    QAbstractScrollArea::showEvent(pEvent);
    EnsureSurface();
}

// Scrolling shows another part of the surface; the figures stay painted.
void CMyDrevikView::scrollContentsBy(int dx, int dy)
{
    viewport()->update();
}

// While a replay runs the view takes no input, as if it were busy painting.
bool CMyDrevikView::viewportEvent(QEvent* pEvent)
{
    if (m_bAnimate && IsUserInput(pEvent))
        return true;
    return QAbstractScrollArea::viewportEvent(pEvent);
}

bool CMyDrevikView::event(QEvent* pEvent)
{
    if (m_bAnimate && IsUserInput(pEvent))
        return true;
    return QAbstractScrollArea::event(pEvent);
}
