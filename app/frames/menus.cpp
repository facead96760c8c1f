#include "app/frames/menus.h"

#include "app/frames/commandactions.h"
#include "resources/resource.h"

#include <QAction>
#include <QMenu>

namespace {

// The framework shows this, disabled, while the recent-file list is empty.
constexpr char kRecentFile[] = "Recent File";

constexpr MenuEntry kNoDocumentMenu[] = {
    {0, "&File", 0},
    {1, "&New", ID_FILE_NEW},
    {1, "&Open...", ID_FILE_OPEN},
    {1, nullptr, 0},
    {1, "P&rint Setup...", ID_FILE_PRINT_SETUP},
    {1, nullptr, 0},
    {1, kRecentFile, ID_FILE_MRU_FILE1},
    {1, nullptr, 0},
    {1, "E&xit", ID_APP_EXIT},
    {0, "&View", 0},
    {1, "&Toolbar", ID_VIEW_TOOLBAR},
    {1, "&Status Bar", ID_VIEW_STATUS_BAR},
    {0, "&Help", 0},
    {1, "&About Drevik...", ID_APP_ABOUT},
};

constexpr MenuEntry kDocumentMenu[] = {
    {0, "&File", 0},
    {1, "&New", ID_FILE_NEW},
    {1, "&Open...", ID_FILE_OPEN},
    {1, "&Close", ID_FILE_CLOSE},
    {1, "&Save", ID_FILE_SAVE},
    {1, "Save &As...", ID_FILE_SAVE_AS},
    {1, "&Export...", ID_FILE_EXPORT},
    {1, nullptr, 0},
    {1, "&Print...", ID_FILE_PRINT},
    {1, "Print Pre&view", ID_FILE_PRINT_PREVIEW},
    {1, "P&rint Setup...", ID_FILE_PRINT_SETUP},
    {1, nullptr, 0},
    {1, kRecentFile, ID_FILE_MRU_FILE1},
    {1, nullptr, 0},
    {1, "E&xit", ID_APP_EXIT},

    {0, "&Edit", 0},
    {1, "&Undo", ID_EDIT_UNDO},
    {1, nullptr, 0},
    {1, "&Delete All", ID_EDIT_CLEAR_ALL},
    {1, nullptr, 0},
    {1, "&Move Forward", ID_MOVE_FORWARD},
    {1, "&Go Backward", ID_GO_BACKWARD},
    {1, nullptr, 0},
    {1, "&Drag && Paste", ID_DRAG_PASTE},
    {1, "Cu&t", ID_EDIT_CUT},
    {1, "&Paste", ID_EDIT_PASTE},
    {1, "&Resize && Rotate", ID_RESIZE_ROTATE},

    {0, "&View", 0},
    {1, "&Toolbar", ID_VIEW_TOOLBAR},
    {1, "&Status Bar", ID_VIEW_STATUS_BAR},
    {1, nullptr, 0},
    {1, "&Color", ID_COLOR},
    {1, nullptr, 0},
    {1, "Free Motion Grid", ID_FREE_MOTION},
    {1, "C&entre", ID_CENTRE},
    {1, "&Refresh Screen", ID_REFRESH_SCREEN},
    {1, nullptr, 0},
    {1, "&InvertX", ID_INVERT_X},
    {1, "I&nvertY", ID_INVERT_Y},

    {0, "&Tools", 0},
    {1, "&Line", ID_TOOL_LINE},
    {1, nullptr, 0},
    {1, "&Rectangle", ID_TOOL_RECTANGLE},
    {1, "R&ect Fill", ID_TOOL_RECT_FILL},
    {1, "Re&ct Round", ID_TOOL_RECT_ROUND},
    {1, "Rec&t Round Fill", ID_TOOL_RECT_ROUND_FILL},
    {1, nullptr, 0},
    {1, "Elli&pse", ID_TOOL_ELLIPSE},
    {1, "Ellipse &Fill", ID_TOOL_ELLIPSE_FILL},
    {1, "R&adial Circle", ID_TOOL_RADIAL_CIRCLE},
    {1, "Ra&dial Circle Fill", ID_TOOL_RADIAL_CIRCLE_FILL},
    {1, nullptr, 0},
    {1, "&Arc", ID_TOOL_ARC},
    {1, "&Chord", ID_TOOL_CHORD},
    {1, "Filled C&hord", ID_TOOL_CHORD_FILL},
    {1, "&Pie", ID_TOOL_PIE},
    {1, "Filled Pie", ID_TOOL_PIE_FILL},

    // The thickness items share the menu with the line tools.
    {0, "&Lines", 0},
    {1, "&Single", ID_LINE_SINGLE},
    {1, "&Double", ID_LINE_DOUBLE},
    {1, "&Triple", ID_LINE_TRIPLE},
    {1, nullptr, 0},
    {1, "&Centric Lines", ID_TOOL_CENTRIC_LINES},
    {1, "&End Connected Line", ID_TOOL_END_LINES},
    {1, "&Measured Line", ID_TOOL_MEASURE},
    {1, "&Parallel Line", ID_TOOL_PARALLEL_LINES},

    {0, "&Fill Styles", 0},
    {1, "&Solid Fill", ID_FILL_SOLID},
    {1, "&Diagonal Down", ID_FILL_DIAGONAL_DOWN},
    {1, "&Cross Fill", ID_FILL_CROSS},
    {1, "D&iagonal Cross ", ID_FILL_DIAGONAL_CROSS},
    {1, "Diagonal &Up", ID_FILL_DIAGONAL_UP},
    {1, "&Horizontal Fill", ID_FILL_HORIZONTAL},
    {1, "&Vertical Fill", ID_FILL_VERTICAL},
    {1, nullptr, 0},
    {1, "Bit &Arrow", ID_FILL_BIT_ARROW},
    {1, "Bit Ci&rcle", ID_FILL_BIT_CIRCLE},
    {1, "Bit Big Cr&oss", ID_FILL_BIT_BIG_CROSS},
    {1, "Bit Dia&mond", ID_FILL_BIT_DIAMOND},
    {1, "Bit Hori&zontal Sine", ID_FILL_BIT_HORZ_SINE},
    {1, "Bit Sma&ll Cross", ID_FILL_BIT_SMALL_CROSS},
    {1, "Bit Ver&tical Sine", ID_FILL_BIT_VERT_SINE},

    {0, "PenStyles", 0},
    {1, "&Solid Pen", ID_PEN_SOLID},
    {1, "&Dash", ID_PEN_DASH},
    {1, "D&otted Pen", ID_PEN_DOT},
    {1, "D&ashDotted Pen", ID_PEN_DASHDOT},
    {1, "D&ouble Dotted", ID_PEN_DASHDOTDOT},

    {0, "&Options", 0},
    {1, "&Units", 0},
    {2, "&High Metric", ID_UNITS_HIGH_METRIC},
    {2, "Low &Metric", ID_UNITS_LOW_METRIC},
    {2, "High &English", ID_UNITS_HIGH_ENGLISH},
    {2, "&Low English", ID_UNITS_LOW_ENGLISH},
    {2, "&Twips", ID_UNITS_TWIPS},
    {2, "&Screen Pixels", ID_UNITS_PIXELS},
    {1, nullptr, 0},
    {1, "&Refresh Centric Line", ID_REFRESH_CENTRIC},
    {1, "R&efresh End Line", ID_REFRESH_END_LINE},
    {1, nullptr, 0},
    {1, "&Concentric Mode", ID_CONCENTRIC_MODE},
    {1, "&Modify Options", ID_MODIFY_OPTIONS},
    {1, "Set &Font ...", ID_SET_FONT},
    {1, nullptr, 0},
    {1, "&Knuckle Joint", ID_KNUCKLE_JOINT},

    {0, "&Help", 0},
    {1, "&About Drevik...", ID_APP_ABOUT},
};

void AddItem(QMenu* pMenu, const MenuEntry& entry, CCmdRouter& router)
{
    if (!entry.pszText) {
        pMenu->addSeparator();
    } else if (entry.nID == ID_FILE_MRU_FILE1) {
        pMenu->addAction(GetCommandAction(router, ID_FILE_MRU_FILE1, entry.pszText));
        for (UINT nID = ID_FILE_MRU_FILE2; nID <= ID_FILE_MRU_FILE4; ++nID)
            pMenu->addAction(GetCommandAction(router, nID));
    } else {
        pMenu->addAction(GetCommandAction(router, entry.nID, entry.pszText));
    }
}

} // namespace

std::span<const MenuEntry> GetMenuEntries(UINT nIDResource)
{
    if (nIDResource == IDR_MAINFRAME)
        return kNoDocumentMenu;
    if (nIDResource == IDR_DOCUMENT_MENU)
        return kDocumentMenu;
    return {};
}

std::vector<QMenu*> BuildMenus(std::span<const MenuEntry> entries, CCmdRouter& router, QWidget* pOwner)
{
    std::vector<QMenu*> menus;
    QMenu* pSubmenu = nullptr;
    for (const MenuEntry& entry : entries) {
        const QString strText = QString::fromLatin1(entry.pszText ? entry.pszText : "");
        if (entry.nLevel == 0) {
            menus.push_back(new QMenu(strText, pOwner));
            pSubmenu = nullptr;
        } else if (entry.nLevel == 1 && entry.pszText && entry.nID == 0) {
            pSubmenu = menus.back()->addMenu(strText);
        } else {
            AddItem(entry.nLevel == 2 ? pSubmenu : menus.back(), entry, router);
        }
    }
    return menus;
}
