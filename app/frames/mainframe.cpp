#include "app/frames/mainframe.h"

#include "app/frames/childframe.h"
#include "app/frames/commandactions.h"
#include "app/frames/toolbars.h"
#include "app/settings/mydrevikapp.h"
#include "app/settings/settingsactions.h"
#include "resources/resource.h"
#include "view/mydrevikview.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int kIdleIntervalMs = 100;
const QString kTitle = QStringLiteral("Korvada");

} // namespace

CMainFrame::CMainFrame(QWidget* pParent) : QMainWindow(pParent)
{
    setWindowTitle(kTitle);
    m_router.SetRouteChain([this] { return GetRouteChain(); });
    AddSettingsActions(m_router);

    m_pMdiArea = new QMdiArea(this);
    setCentralWidget(m_pMdiArea);
    m_pMdiArea->viewport()->installEventFilter(this);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] {
        UpdateMenuBar();
        UpdateTitles();
    });

    // A child window being maximised writes its name into the frame's title
    // ("Korvada - a.kvd - [a.kvd]"); the title rule is put back at once.
    connect(this, &QWidget::windowTitleChanged, this, [this] {
        if (windowTitle() != GetFrameTitle())
            QTimer::singleShot(0, this, &CMainFrame::UpdateTitles);
    });

    CreateMenus();
    CreateBars();
    CreateStatusBar();
    AddAccelerators(m_router, this);
    UpdateMenuBar();

    SetMainStatusValues(this);
    m_router.UpdateAllActions();
    m_router.StartIdleUpdates();
    connect(&m_timerIdle, &QTimer::timeout, this, &CMainFrame::OnIdle);
    m_timerIdle.start(kIdleIntervalMs);
}

CMainFrame::~CMainFrame()
{
    if (GetMainStatusValues() == this)
        SetMainStatusValues(nullptr);
    m_router.StopIdleUpdates();
    m_timerIdle.stop();
    // The child windows go first, while the frame is whole: their views may
    // still reach it, and their closing must not switch the menus of a
    // frame that is half gone.
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    m_pMdiArea->viewport()->removeEventFilter(this);
    delete m_pMdiArea;
    m_pMdiArea = nullptr;
}

std::vector<CCmdTarget*> CMainFrame::GetRouteChain() const
{
    std::vector<CCmdTarget*> chain;
    CChildFrame* pChild = GetActiveChildFrame();
    if (CMyDrevikView* pView = pChild ? pChild->GetView() : nullptr) {
        chain.push_back(pView);
        if (CDocument* pDoc = pView->CView::GetDocument())
            chain.push_back(pDoc);
    }
    if (pChild)
        chain.push_back(pChild);
    chain.push_back(const_cast<CMainFrame*>(this));
    chain.push_back(&theApp);
    return chain;
}

CChildFrame* CMainFrame::GetActiveChildFrame() const
{
    return m_pMdiArea ? dynamic_cast<CChildFrame*>(m_pMdiArea->currentSubWindow()) : nullptr;
}

CMyDrevikView* CMainFrame::GetActiveView() const
{
    CChildFrame* pChild = GetActiveChildFrame();
    return pChild ? pChild->GetView() : nullptr;
}

CChildFrame* CMainFrame::AddChildFrame(CMyDrevikView* pView)
{
    CChildFrame* pChild = new CChildFrame(pView);
    WatchPaint(pView);
    m_pMdiArea->addSubWindow(pChild);
    pChild->PreCreateWindow();
    // New windows cascade from the area's top-left corner; left to itself the
    // area may place a screen-wide window partly outside its left edge.
    const int nOffset = 24 * ((int(m_pMdiArea->subWindowList().size()) - 1) % 8);
    pChild->move(nOffset, nOffset);
    // The size rule asks for the screen; the window gets no more than the
    // area shows, so its buttons stay reachable and the view scrolls.
    pChild->FitInsideArea(m_pMdiArea->viewport()->size());
    pChild->show();
    m_pMdiArea->setActiveSubWindow(pChild);
    UpdateMenuBar();
    UpdateTitles();
    return pChild;
}

void CMainFrame::CreateBars()
{
    // Both bars dock at the top at first, each in a row of its own so that
    // every button shows; each may move to any edge or float.
    m_wndToolBar = CreateToolBar(IDR_MAINFRAME, m_router, this);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    addToolBarBreak(Qt::TopToolBarArea);
    m_wndDrawBar = CreateToolBar(IDR_DRAWBAR, m_router, this);
    addToolBar(Qt::TopToolBarArea, m_wndDrawBar);
}

bool CMainFrame::OnCommand(UINT nID)
{
    switch (nID) {
    case ID_VIEW_TOOLBAR: OnBarCheck(m_wndToolBar); return true;
    case ID_VIEW_STATUS_BAR: OnBarCheck(m_wndStatusBar); return true;
    case ID_APP_EXIT: close(); return true;
    default: break;
    }
    if (nID >= ID_FILE_MRU_FILE1 && nID <= ID_FILE_MRU_FILE4 && m_pfnOpenRecentFile) {
        OnOpenRecentFile(int(nID - ID_FILE_MRU_FILE1));
        return true;
    }
    return false;
}

bool CMainFrame::OnUpdateCommand(UINT nID, CCmdUI* pCmdUI)
{
    switch (nID) {
    case ID_VIEW_TOOLBAR: OnUpdateBarCheck(m_wndToolBar, pCmdUI); return true;
    case ID_VIEW_STATUS_BAR: OnUpdateBarCheck(m_wndStatusBar, pCmdUI); return true;
    case ID_APP_EXIT: pCmdUI->Enable(TRUE); return true;
    default: break;
    }
    if (nID >= ID_FILE_MRU_FILE1 && nID <= ID_FILE_MRU_FILE4) {
        OnUpdateRecentFile(int(nID - ID_FILE_MRU_FILE1), pCmdUI);
        return true;
    }
    return false;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_pfnCanClose && !m_pfnCanClose()) {
        pEvent->ignore();
        return;
    }
    StoreRecentFileList();
    QMainWindow::closeEvent(pEvent);
}

// Both bars carry the framework's tool bar id; the one found first under it,
// the main tool bar, is the one the View menu shows and hides.
void CMainFrame::OnBarCheck(QWidget* pBar)
{
    pBar->setVisible(pBar->isHidden());
}

void CMainFrame::OnUpdateBarCheck(QWidget* pBar, CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(pBar->isHidden() ? 0 : 1);
}

void CMainFrame::OnIdle()
{
    UpdateStatusPanes();
    UpdateTitles();
}

// The frame's title names the active drawing after the program's name.
void CMainFrame::UpdateTitles()
{
    const auto subWindows = m_pMdiArea->subWindowList();
    for (QMdiSubWindow* pSub : subWindows)
        if (CChildFrame* pChild = dynamic_cast<CChildFrame*>(pSub))
            pChild->UpdateFrameTitle();
    const QString strTitle = GetFrameTitle();
    if (windowTitle() != strTitle)
        setWindowTitle(strTitle);
}

QString CMainFrame::GetFrameTitle() const
{
    CMyDrevikView* pView = GetActiveView();
    const CDocument* pDoc = pView ? pView->CView::GetDocument() : nullptr;
    return pDoc && !pDoc->GetTitle().isEmpty() ? kTitle + QStringLiteral(" - ") + pDoc->GetTitle() : kTitle;
}

// A smaller area takes the child windows with it, so none hangs outside.
bool CMainFrame::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (m_pMdiArea && pWatched == m_pMdiArea->viewport() && pEvent->type() == QEvent::Resize) {
        const QSize sizeArea = m_pMdiArea->viewport()->size();
        const auto subWindows = m_pMdiArea->subWindowList();
        for (QMdiSubWindow* pSub : subWindows)
            if (CChildFrame* pChild = dynamic_cast<CChildFrame*>(pSub))
                pChild->FitInsideArea(sizeArea);
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}
