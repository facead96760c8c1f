#include "platform/cmdrouting.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

CCmdRouter::CCmdRouter(QObject* pParent) : QObject(pParent)
{
    connect(&m_timerIdle, &QTimer::timeout, this, &CCmdRouter::UpdateAllActions);
}

QAction* CCmdRouter::AddAction(UINT nID, const QString& strText, bool bCheckable)
{
    QAction*& pAction = m_actions[nID];
    if (!pAction) {
        pAction = new QAction(strText, this);
        connect(pAction, &QAction::triggered, this, [this, nID] {
            // A command may close the window that owns the router.
            const QPointer<CCmdRouter> pAlive(this);
            RouteCommand(nID);
            // Qt has flipped a checkable action by itself, and in a group of
            // one-of-many choices cleared the others; the update rules
            // decide what they show.
            if (pAlive)
                UpdateActionAndGroup(nID);
        });
    }
    if (bCheckable)
        pAction->setCheckable(true);
    return pAction;
}

QAction* CCmdRouter::GetAction(UINT nID) const
{
    const auto it = m_actions.find(nID);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CCmdRouter::RouteCommand(UINT nID)
{
    if (!m_fnChain)
        return false;
    for (CCmdTarget* pTarget : m_fnChain())
        if (pTarget && pTarget->OnCommand(nID))
            return true;
    return false;
}

void CCmdRouter::UpdateAction(UINT nID)
{
    QAction* pAction = GetAction(nID);
    if (!pAction)
        return;
    CCmdUI cmdUI;
    cmdUI.m_nID = nID;
    bool bHandled = false;
    if (m_fnChain) {
        for (CCmdTarget* pTarget : m_fnChain()) {
            if (pTarget && pTarget->OnUpdateCommand(nID, &cmdUI)) {
                bHandled = true;
                break;
            }
        }
    }
    if (!bHandled)
        cmdUI.Enable(FALSE);
    ApplyUpdate(pAction, cmdUI);
}

void CCmdRouter::UpdateActionAndGroup(UINT nID)
{
    QAction* pAction = GetAction(nID);
    QActionGroup* pGroup = pAction ? pAction->actionGroup() : nullptr;
    if (!pGroup) {
        UpdateAction(nID);
        return;
    }
    for (const auto& [nMemberID, pMember] : m_actions)
        if (pMember->actionGroup() == pGroup)
            UpdateAction(nMemberID);
}

void CCmdRouter::UpdateAllActions()
{
    for (const auto& [nID, pAction] : m_actions)
        UpdateAction(nID);
}

void CCmdRouter::ApplyUpdate(QAction* pAction, const CCmdUI& cmdUI)
{
    pAction->setEnabled(cmdUI.m_bEnabled);
    if (cmdUI.m_nCheck != 0)
        pAction->setCheckable(true);
    if (pAction->isCheckable())
        pAction->setChecked(cmdUI.m_nCheck != 0);
    if (cmdUI.m_bTextSet)
        pAction->setText(cmdUI.m_strText);
}

void CCmdRouter::WatchMenu(QMenu* pMenu)
{
    connect(pMenu, &QMenu::aboutToShow, this, &CCmdRouter::UpdateAllActions);
}

void CCmdRouter::StartIdleUpdates(int nIntervalMs)
{
    m_timerIdle.start(nIntervalMs);
}
