#include "app/frames/tipitem.h"

#include "app/frames/commandstrings.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* FindHelpMenu(QMenuBar* pBar, const QString& strHelp)
{
    QMenu* pFound = nullptr;
    for (QAction* pItem : pBar->actions())
        if (pItem->menu() && pItem->text() == strHelp)
            pFound = pItem->menu();
    return pFound;
}

} // namespace

void AddTipItem(QMenuBar* pBar, QAction* pTipAction, QPointer<QMenu>& pHelpMenu, QWidget* pOwner)
{
    const QString strHelp = LoadFrameString(IDS_HELP_MENU);
    const QString strTip = LoadFrameString(IDS_TIP_ITEM);

    if (QMenu* pFound = FindHelpMenu(pBar, strHelp)) {
        pHelpMenu = pFound;
        QAction* pFirst = pFound->actions().value(0);
        if (!pFirst || pFirst->text() != strTip) {
            QAction* pSeparator = pFound->insertSeparator(pFirst);
            pFound->insertAction(pSeparator, pTipAction);
        }
        return;
    }

    // The remembered menu may have gone with the bar it belonged to.
    if (!pHelpMenu) {
        pHelpMenu = new QMenu(strHelp, pOwner);
        pHelpMenu->addAction(pTipAction);
    }
    pBar->addMenu(pHelpMenu);
}
