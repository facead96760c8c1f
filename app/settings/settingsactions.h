// The menu texts, status-bar prompts and tool tips of the drawing-settings
// commands, and their registration with the command router, from which the
// main window builds its menus and tool bars.
#pragma once

#include "platform/types.h"

class CCmdRouter;

struct SettingsCommandText {
    UINT nID;
    const char* pszMenu;    // null when no menu item carries the command
    const char* pszPrompt;  // "prompt\ntool tip", null when there is none
    bool bCheckable;        // the update rule shows a check mark
};

// The text row of nID, or null for an id that is not a settings command.
const SettingsCommandText* FindSettingsCommandText(UINT nID);

// Makes the action of every settings command, with its texts, in the
// router, including Double and Triple, which have no handler.
void AddSettingsActions(CCmdRouter& router);
