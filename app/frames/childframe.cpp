#include "app/frames/childframe.h"

#include "view/mydrevikview.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
constexpr int kHeightMargin = 90;
}

CChildFrame::CChildFrame(CMyDrevikView* pView, QWidget* pParent) : QMdiSubWindow(pParent), m_pView(pView)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(pView);
    UpdateFrameTitle();
}

QSize CChildFrame::GetCreateSize(const QSize& sizeScreen)
{
    return QSize(sizeScreen.width(), sizeScreen.height() - kHeightMargin);
}

void CChildFrame::PreCreateWindow()
{
    QScreen* pScreen = screen() ? screen() : QGuiApplication::primaryScreen();
    if (pScreen)
        resize(GetCreateSize(pScreen->size()));
    m_sizeWanted = size();
}

QRect CChildFrame::FitInsideArea(const QRect& rectFrame, const QSize& sizeArea)
{
    QRect rect = rectFrame;
    rect.setWidth(std::min(rect.width(), sizeArea.width()));
    rect.setHeight(std::min(rect.height(), sizeArea.height()));
    // Keep the cascade's offset while it leaves room; cut the size first.
    rect.setWidth(std::min(rect.width(), sizeArea.width() - std::max(0, rect.left())));
    rect.setHeight(std::min(rect.height(), sizeArea.height() - std::max(0, rect.top())));
    rect.moveLeft(std::clamp(rect.left(), 0, std::max(0, sizeArea.width() - rect.width())));
    rect.moveTop(std::clamp(rect.top(), 0, std::max(0, sizeArea.height() - rect.height())));
    return rect;
}

void CChildFrame::FitInsideArea(const QSize& sizeArea)
{
    if (isMaximized() || isMinimized() || sizeArea.isEmpty())
        return;
    // The size asked for, not the size last cut to: a window cut while the
    // main window was small grows back when the area does.
    const QSize sizeWanted = m_sizeWanted.isValid() ? m_sizeWanted : size();
    const QRect rect = FitInsideArea(QRect(pos(), sizeWanted), sizeArea.expandedTo(minimumSizeHint()));
    if (rect != geometry()) {
        m_bFitting = true;
        setGeometry(rect);
        m_bFitting = false;
    }
}

// A size the user gives the window is the size it asks for from then on.
void CChildFrame::resizeEvent(QResizeEvent* pEvent)
{
    QMdiSubWindow::resizeEvent(pEvent);
    if (!m_bFitting && !isMaximized() && !isMinimized() && m_sizeWanted.isValid() && isVisible())
        m_sizeWanted = size();
}

void CChildFrame::UpdateFrameTitle()
{
    const CDocument* pDoc = m_pView ? m_pView->CView::GetDocument() : nullptr;
    // The placeholder shows a mark while the window is flagged modified.
    // Maximised, the window has no title bar of its own, and the toolkit
    // would append its title to the main frame's, which names the drawing
    // already; so it has none then.
    const QString strTitle = pDoc && !isMaximized() ? pDoc->GetTitle() + QStringLiteral("[*]") : QString();
    if (windowTitle() != strTitle)
        setWindowTitle(strTitle);
}

void CChildFrame::changeEvent(QEvent* pEvent)
{
    QMdiSubWindow::changeEvent(pEvent);
    if (pEvent->type() == QEvent::WindowStateChange)
        UpdateFrameTitle();
}
