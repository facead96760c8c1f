// The two tool bars of the main frame: the main tool bar (resource 128) and
// the drawing tool bar (resource 131).
#pragma once

#include "platform/types.h"

#include <span>

class CCmdRouter;
class QToolBar;
class QWidget;

// The buttons of IDR_MAINFRAME or IDR_DRAWBAR, left to right; 0 stands for
// a separator. Empty for any other id.
std::span<const UINT> GetToolBarButtons(UINT nIDResource);

// A bar of those buttons, each the router's action of its id, with 16 x 15
// images; it docks at any edge of the frame and floats.
QToolBar* CreateToolBar(UINT nIDResource, CCmdRouter& router, QWidget* pParent);
