// The string table of the frames: for a command id, its status-bar prompt
// and its tool tip, stored as one text with a line break between them;
// and the texts of the status panes and of the Help menu's tip item.
#pragma once

#include "platform/types.h"

#include <QString>

// The whole string of an id ("prompt\ntip"), empty when there is none.
QString LoadCommandString(UINT nID);
// The part before the line break: what the status bar shows while the
// pointer rests on the menu item or button.
QString GetCommandPrompt(UINT nID);
// The part after the line break, empty when the string has none.
QString GetCommandToolTip(UINT nID);

// Texts the frames load by id.
constexpr UINT IDS_TIP_ITEM = 109;          // "Ti&p of the Day..."
constexpr UINT IDS_HELP_MENU = 113;         // "&Help"
constexpr UINT ID_PANE_CURSOR = 101;        // pane and its initial text
constexpr UINT ID_PANE_DELTA = 103;
constexpr UINT ID_PANE_ANGLE = 104;
constexpr UINT IDS_IDLE_MESSAGE = 57345;    // "Drawing Mode"

QString LoadFrameString(UINT nID);
