// Shared set-up of the frame tests: a main frame whose profile lives in a
// temporary folder, never in the user's own.
#pragma once

#include "app/frames/mainframe.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// Points the program's profile at a folder that lasts for the test run.
inline void UseTestProfile()
{
    static QTemporaryDir s_dir;
    static bool s_bSet = false;
    if (!s_bSet) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, s_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, s_dir.path());
        s_bSet = true;
    }
}

inline std::unique_ptr<CMainFrame> MakeMainFrame()
{
    UseTestProfile();
    return std::make_unique<CMainFrame>();
}

#include <QAction>
#include <QHash>
#include <QMenu>

// The command id of each of the router's actions.
inline QHash<const QAction*, UINT> ActionIds(CCmdRouter& router)
{
    QHash<const QAction*, UINT> ids;
    for (UINT nID = 1; nID < 65536; ++nID)
        if (QAction* pAction = router.GetAction(nID))
            ids.insert(pAction, nID);
    return ids;
}

// A menu as lines: "text id" per item, "-" per separator, a submenu's
// items indented below its title; hidden items are left out.
inline QString DumpMenu(const QMenu* pMenu, const QHash<const QAction*, UINT>& ids, int nIndent = 0)
{
    QString strDump;
    const QString strIndent(nIndent * 2, QLatin1Char(' '));
    for (const QAction* pItem : pMenu->actions()) {
        if (!pItem->isVisible())
            continue;
        if (pItem->isSeparator())
            strDump += strIndent + QStringLiteral("-\n");
        else if (pItem->menu())
            strDump += strIndent + pItem->text() + QLatin1Char('\n') + DumpMenu(pItem->menu(), ids, nIndent + 1);
        else
            strDump += strIndent + pItem->text() + QLatin1Char(' ') + QString::number(ids.value(pItem)) + QLatin1Char('\n');
    }
    return strDump;
}
