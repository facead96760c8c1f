// The two menu bars of the main frame: the one shown while no drawing is
// open (resource 128) and the one shown while a drawing is active (129).
#pragma once

#include "platform/types.h"

#include <span>
#include <vector>

class CCmdRouter;
class QMenu;
class QWidget;

struct MenuEntry {
    int nLevel;            // 0: a menu of the bar; 1: its item; 2: an item of the submenu above
    const char* pszText;   // null for a separator
    UINT nID;              // 0 for a menu or a submenu
};

// The entries of IDR_MAINFRAME or IDR_DOCUMENT_MENU, top to bottom; empty
// for any other id.
std::span<const MenuEntry> GetMenuEntries(UINT nIDResource);

// Builds the menus of a bar, each item the router's action of its id. The
// entry of ID_FILE_MRU_FILE1 stands for the whole recent-file list and
// becomes its four items. The menus belong to pOwner.
std::vector<QMenu*> BuildMenus(std::span<const MenuEntry> entries, CCmdRouter& router, QWidget* pOwner);
