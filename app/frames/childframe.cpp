#include "app/frames/childframe.h"

#include "view/mydrevikview.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

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
