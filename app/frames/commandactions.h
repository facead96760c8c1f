// The actions of the frames' menus, tool bars and accelerators: each one is
// the command router's action of its id, carrying the id's prompt, tool tip
// and button image.
#pragma once

#include "platform/types.h"

#include <QKeySequence>
#include <QList>

#include <span>

class CCmdRouter;
class QAction;
class QWidget;

// The router's action of nID, made with its texts and image when the router
// has none yet. pszMenuText, when given, names the action; a command
// without a menu item is named by its tool tip, or else its prompt.
QAction* GetCommandAction(CCmdRouter& router, UINT nID, const char* pszMenuText = nullptr);

struct Accelerator {
    UINT nID;
    QList<QKeySequence> keys;
};

// The accelerators of resource 128.
std::span<const Accelerator> GetAccelerators();

// Gives every accelerator's action its keys and adds the action to pFrame,
// so the keys work in the whole window whichever menu is showing.
void AddAccelerators(CCmdRouter& router, QWidget* pFrame);
