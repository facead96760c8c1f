// Command routing for menus and tool bars. The router owns one QAction per
// command id; triggering it sends the id along the chain of command
// targets (the active view, its document, the frames, the application),
// and the update rules of that chain set each action's enabled state,
// check mark and text whenever menus and tool bars refresh.
#pragma once

#include "platform/cmdtarget.h"
#include "platform/types.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;

class CCmdRouter : public QObject {
public:
    // The targets a command is offered to, first to last.
    using RouteChain = std::function<std::vector<CCmdTarget*>()>;

    explicit CCmdRouter(QObject* pParent = nullptr);

    void SetRouteChain(RouteChain fnChain) { m_fnChain = std::move(fnChain); }

    // The action of nID, made on first request. An action is checkable when
    // asked for here or as soon as an update rule checks it.
    QAction* AddAction(UINT nID, const QString& strText = QString(), bool bCheckable = false);
    QAction* GetAction(UINT nID) const;

    // Offers the command to each target of the chain until one handles it.
    bool RouteCommand(UINT nID);
    // Evaluates the update rule of nID along the chain and applies it to
    // its action; a command nobody handles is disabled.
    void UpdateAction(UINT nID);
    // nID and every action in its group of one-of-many choices, if any.
    void UpdateActionAndGroup(UINT nID);
    void UpdateAllActions();

    // Refreshes every action each time the menu is about to open.
    void WatchMenu(QMenu* pMenu);
    // Refreshes every action at this interval, for tool bar buttons, which
    // have no opening moment of their own.
    void StartIdleUpdates(int nIntervalMs = 200);
    void StopIdleUpdates() { m_timerIdle.stop(); }

private:
    void ApplyUpdate(QAction* pAction, const CCmdUI& cmdUI);

    RouteChain m_fnChain;
    std::map<UINT, QAction*> m_actions;
    QTimer m_timerIdle;
};
