// The "Ti&p of the Day..." item, which the main frame puts at the head of
// the Help menu at run time, each time a menu of the bar opens.
#pragma once

#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Finds the bar's Help menu (the last one when there are several) and
// remembers it in pHelpMenu. Unless the menu already begins with the tip
// item, puts pTipAction and a separator before its first item. A bar
// without a Help menu gets one appended: the remembered menu or, when
// there is none, a new one holding only the tip item, owned by pOwner.
void AddTipItem(QMenuBar* pBar, QAction* pTipAction, QPointer<QMenu>& pHelpMenu, QWidget* pOwner);
