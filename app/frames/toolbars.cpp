#include "app/frames/toolbars.h"

#include "app/frames/commandactions.h"
#include "resources/resource.h"

#include <QAction>
#include <QToolBar>

namespace {

constexpr UINT kSeparator = 0;

constexpr UINT kMainBar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, kSeparator,
    ID_EDIT_COPY, kSeparator,
    ID_FILE_PRINT, kSeparator,
    ID_APP_ABOUT, kSeparator,
    ID_GRID_SMALL, ID_GRID_MEDIUM, ID_GRID_LARGE, ID_GRID_EXTRA_LARGE, ID_GRID_SYNC, ID_GRID_SHOW, kSeparator,
    ID_TOOL_TEXT, ID_TOOL_FREE_DRAW, ID_TOOL_FLOOD_FILL, kSeparator,
    ID_START_CAPTURE, ID_END_CAPTURE, ID_PLAY_ANIMATION, kSeparator,
    ID_INVERT_Y, ID_INVERT_X, ID_ZOOM_IN, ID_ZOOM_OUT, kSeparator,
    ID_DRAG_PASTE, ID_EDIT_CUT, ID_EDIT_PASTE,
};

constexpr UINT kDrawBar[] = {
    ID_TOOL_LINE, ID_TOOL_BEZIER, kSeparator,
    ID_TOOL_RECTANGLE, ID_TOOL_RECT_FILL, kSeparator,
    ID_TOOL_ELLIPSE, ID_TOOL_ELLIPSE_FILL, kSeparator,
    ID_TOOL_RECT_ROUND, ID_TOOL_RECT_ROUND_FILL, kSeparator,
    ID_TOOL_RADIAL_CIRCLE, ID_TOOL_RADIAL_CIRCLE_FILL, kSeparator,
    ID_TOOL_ARC, ID_TOOL_CHORD, ID_TOOL_CHORD_FILL, ID_TOOL_PIE, ID_TOOL_PIE_FILL, kSeparator,
    ID_RADIAL_TOOL, kSeparator,
    ID_TOOL_THREAD, kSeparator,
    ID_FIRST_STEP, ID_GO_BACKWARD, ID_MOVE_FORWARD, ID_LAST_STEP, ID_EDIT_UNDO, kSeparator,
    ID_REFRESH_SCREEN, ID_RUBBER, kSeparator,
    ID_CONCENTRIC_MODE, ID_COLOR, kSeparator,
    ID_TOOL_CENTRIC_LINES, ID_TOOL_PARALLEL_LINES, ID_TOOL_END_LINES, ID_TOOL_MEASURE, ID_TOOL_POLYGON,
};

} // namespace

std::span<const UINT> GetToolBarButtons(UINT nIDResource)
{
    if (nIDResource == IDR_MAINFRAME)
        return kMainBar;
    if (nIDResource == IDR_DRAWBAR)
        return kDrawBar;
    return {};
}

QToolBar* CreateToolBar(UINT nIDResource, CCmdRouter& router, QWidget* pParent)
{
    const bool bMain = nIDResource == IDR_MAINFRAME;
    QToolBar* pBar = new QToolBar(bMain ? QStringLiteral("Toolbar") : QStringLiteral("Drawing"), pParent);
    pBar->setObjectName(bMain ? QStringLiteral("MainToolBar") : QStringLiteral("DrawToolBar"));
    pBar->setIconSize(QSize(16, 15));
    pBar->setAllowedAreas(Qt::AllToolBarAreas);
    pBar->setMovable(true);
    pBar->setFloatable(true);
    for (UINT nID : GetToolBarButtons(nIDResource)) {
        if (nID == kSeparator)
            pBar->addSeparator();
        else
            pBar->addAction(GetCommandAction(router, nID));
    }
    return pBar;
}
