// The menus of the main frame: switching between the two menu bars, the
// tip item of the Help menu, and the recent-file list.
#include "app/frames/mainframe.h"

#include "app/frames/commandactions.h"
#include "app/frames/commandstrings.h"
#include "app/frames/menus.h"
#include "app/frames/tipitem.h"
#include "app/startup/profile.h"
#include "resources/resource.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

void CMainFrame::CreateMenus()
{
    GetCommandAction(m_router, ID_TIP_OF_THE_DAY, qPrintable(LoadFrameString(IDS_TIP_ITEM)));
    m_menusNoDocument = BuildMenus(GetMenuEntries(IDR_MAINFRAME), m_router, this);
    m_menusDocument = BuildMenus(GetMenuEntries(IDR_DOCUMENT_MENU), m_router, this);
    for (const auto* pMenus : {&m_menusNoDocument, &m_menusDocument}) {
        for (QMenu* pMenu : *pMenus) {
            // The tip item and the recent files are in place before the
            // update rules run on the items.
            connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::OnInitMenu);
            connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileItems);
            m_router.WatchMenu(pMenu);
        }
    }

    std::unique_ptr<QSettings> pProfile = OpenProfile();
    m_recentFiles.ReadList(*pProfile);
    UpdateRecentFileItems();
}

// The menu bar follows the child windows: the document menu while one is
// open, the short menu once the last one has closed.
void CMainFrame::UpdateMenuBar()
{
    const UINT nWanted = m_pMdiArea && m_pMdiArea->currentSubWindow() ? IDR_DOCUMENT_MENU : IDR_MAINFRAME;
    if (nWanted == m_nMenuResource)
        return;
    m_nMenuResource = nWanted;
    QMenuBar* pBar = menuBar();
    pBar->clear();
    for (QMenu* pMenu : nWanted == IDR_DOCUMENT_MENU ? m_menusDocument : m_menusNoDocument)
        pBar->addMenu(pMenu);
}

void CMainFrame::OnInitMenu()
{
    AddTipItem(menuBar(), m_router.GetAction(ID_TIP_OF_THE_DAY), m_pHelpMenu, this);
}

void CMainFrame::AddToRecentFileList(const QString& strPath)
{
    m_recentFiles.Add(strPath);
    StoreRecentFileList();
    UpdateRecentFileItems();
}

void CMainFrame::StoreRecentFileList()
{
    std::unique_ptr<QSettings> pProfile = OpenProfile();
    m_recentFiles.WriteList(*pProfile);
}

// One item per listed drawing; an empty list shows the first item as a
// disabled placeholder.
void CMainFrame::UpdateRecentFileItems()
{
    for (int i = 0; i < CRecentFileList::kMaxFiles; ++i) {
        if (QAction* pAction = m_router.GetAction(ID_FILE_MRU_FILE1 + i)) {
            pAction->setVisible(i == 0 || i < m_recentFiles.GetCount());
            m_router.UpdateAction(ID_FILE_MRU_FILE1 + i);
        }
    }
}

void CMainFrame::OnUpdateRecentFile(int nIndex, CCmdUI* pCmdUI)
{
    const bool bListed = nIndex < m_recentFiles.GetCount();
    pCmdUI->Enable(bListed);
    if (bListed)
        pCmdUI->SetText(m_recentFiles.GetMenuText(nIndex));
    else if (nIndex == 0)
        pCmdUI->SetText(QStringLiteral("Recent File"));
}

void CMainFrame::OnOpenRecentFile(int nIndex)
{
    const QString strPath = m_recentFiles.GetPath(nIndex);
    if (strPath.isEmpty())
        return;
    if (m_pfnOpenRecentFile(strPath))
        m_recentFiles.Add(strPath);
    else
        m_recentFiles.Remove(nIndex);
    StoreRecentFileList();
    UpdateRecentFileItems();
}
