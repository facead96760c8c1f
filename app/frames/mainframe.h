// The main frame: the top-level window with the menu bar, the two tool bars,
// the status bar and the child windows of the open drawings. It holds the
// five numbers the status bar shows; the view writes them, the frame
// formats them at idle time. It owns the command router, whose chain runs
// from the active view through its document, the active child frame and
// this frame to the application.
#pragma once

#include "app/frames/recentfilelist.h"
#include "platform/cmdrouting.h"
#include "platform/cmdtarget.h"
#include "platform/statusvalues.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class CChildFrame;
class CMyDrevikView;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QStatusBar;
class QToolBar;

class CMainFrame : public QMainWindow, public CCmdTarget, public CStatusValues {
    Q_OBJECT
public:
    // Builds the bars, the status bar and both menus and registers the
    // status values as the main window's; the menu is the one without a
    // drawing until a child window becomes active.
    explicit CMainFrame(QWidget* pParent = nullptr);
    ~CMainFrame() override;

    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    CCmdRouter& GetRouter() { return m_router; }
    // The child window that is active, or was last active, or null when
    // there is none.
    CChildFrame* GetActiveChildFrame() const;
    CMyDrevikView* GetActiveView() const;
    // The targets a command visits: active view, its document, its child
    // frame, this frame, the drawing settings.
    std::vector<CCmdTarget*> GetRouteChain() const;
    // Shows a new child window for the view, sized by the child frame's rule.
    CChildFrame* AddChildFrame(CMyDrevikView* pView);

    // Menus (mainframe_menus.cpp).
    // IDR_MAINFRAME while no child window is open, else IDR_DOCUMENT_MENU.
    UINT GetMenuResource() const { return m_nMenuResource; }
    void UpdateMenuBar();
    // The menu initialisation of the bar: puts the tip item into Help.
    void OnInitMenu();
    CRecentFileList& GetRecentFileList() { return m_recentFiles; }
    // Puts a drawing at the head of the recent-file list and stores the list.
    void AddToRecentFileList(const QString& strPath);

    // Status bar (mainframe_status.cpp).
    // The update rules of panes 101, 103 and 104: their texts from the values.
    void UpdateStatusPanes();
    void UpdateIdleMessage();
    // The text a pane shows: 0 for the prompt pane (a prompt while one is
    // up, else the idle text), 101, 103 or 104 for the number panes.
    QString GetPaneText(UINT nPaneID) const;
    QLabel* GetPane(UINT nPaneID) const;
    // Shows the progress of a view's long paint and says when it stopped.
    void WatchPaint(CMyDrevikView* pView);
    QProgressBar* GetPaintProgress() const { return m_pPaintProgress; }

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override;

    // Opens a drawing of the recent-file list; false when it could not be
    // opened, which takes it off the list. While unset, the recent-file
    // commands go on to the application.
    std::function<bool(const QString& strPath)> m_pfnOpenRecentFile;

    // Asked before the frame closes (Exit, or the window's close button),
    // for example to offer saving changed drawings; false keeps it open.
    std::function<bool()> m_pfnCanClose;

    QStatusBar* m_wndStatusBar = nullptr;
    QProgressBar* m_pPaintProgress = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QToolBar* m_wndDrawBar = nullptr;

    // The bars cannot be hidden from a context menu: only the View menu
    // hides the main tool bar and the status bar.
    QMenu* createPopupMenu() override { return nullptr; }

    // The title: the program's name, then the active drawing's, each once.
    QString GetFrameTitle() const;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CreateBars();
    void CreateStatusBar();
    void CreateMenus();
    void OnIdle();
    void UpdateTitles();
    void UpdateRecentFileItems();
    void OnOpenRecentFile(int nIndex);
    void OnUpdateRecentFile(int nIndex, CCmdUI* pCmdUI);
    void OnBarCheck(QWidget* pBar);
    void OnUpdateBarCheck(QWidget* pBar, CCmdUI* pCmdUI);
    void StoreRecentFileList();

    CCmdRouter m_router;
    QMdiArea* m_pMdiArea = nullptr;
    std::vector<QMenu*> m_menusNoDocument;
    std::vector<QMenu*> m_menusDocument;
    UINT m_nMenuResource = 0;
    // The Help menu the tip item was last put into; lives for the whole run.
    QPointer<QMenu> m_pHelpMenu;
    std::map<UINT, QLabel*> m_panes;
    QLabel* m_pIdlePane = nullptr;
    QTimer m_timerIdle;
    CRecentFileList m_recentFiles;
};
