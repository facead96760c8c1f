#include "app/frames/commandstrings.h"

#include "app/settings/settingsactions.h"
#include "resources/resource.h"

namespace {

struct StringRow {
    UINT nID;
    const char* pszText;
};

// Prompts of the commands outside the drawing settings (those keep their
// own table). Texts exactly as the program shows them, stray blanks
// included; a text without a line break has no tool tip.
constexpr StringRow kCommandStrings[] = {
    {ID_FILE_NEW, "Start a new drawing\nNew"},
    {ID_FILE_OPEN, "Open a drawing from a file\nOpen"},
    {ID_FILE_CLOSE, "Close every window of the active drawing\nClose"},
    {ID_FILE_SAVE, "Save the active drawing to its file\nSave"},
    {ID_FILE_SAVE_AS, "Save the active drawing to a file of a new name\nSave As"},
    {ID_FILE_EXPORT, "Save the visible drawing as a PNG picture, a PDF document, an SVG or a DXF drawing\nExport"},
    {ID_FILE_PRINT_SETUP, "Choose the printer and its paper\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active drawing\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Show the printed pages on screen\nPrint Preview"},
    {ID_FILE_MRU_FILE1, "Open this drawing"},
    {ID_FILE_MRU_FILE2, "Open this drawing"},
    {ID_FILE_MRU_FILE3, "Open this drawing"},
    {ID_FILE_MRU_FILE4, "Open this drawing"},
    {ID_APP_EXIT, "Quit Korvada, offering to save changed drawings\nExit"},
    {ID_APP_ABOUT, "Show the program's name and version\nAbout"},
    {ID_TIP_OF_THE_DAY, "Displays a Tip of the Day."},
    {ID_VIEW_TOOLBAR, "Show or hide the main tool bar\nToggle Toolbar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    {ID_NEXT_PANE, "Move to the next pane of the window\nNext Pane"},
    {ID_PREV_PANE, "Move to the previous pane of the window\nPrevious Pane"},

    {ID_EDIT_UNDO, "Take back the newest visible step\nUndo"},
    {ID_EDIT_CLEAR_ALL, "Erase the whole drawing\nErase All"},
    {ID_GO_BACKWARD, "\nGo Back"},
    {ID_MOVE_FORWARD, "\nGo Forward"},
    {ID_FIRST_STEP, "\nFirst Step"},
    {ID_LAST_STEP, "\n Last Step"},

    {ID_GRID_SMALL, "Select Small Grid"},
    {ID_GRID_MEDIUM, "Select Medium Grid"},
    {ID_GRID_LARGE, "Select Large Grid"},
    {ID_GRID_EXTRA_LARGE, "Select Extra Large Grid"},
    {ID_GRID_SYNC, "Synchronize Grid with Mouse Position"},
    {ID_GRID_SHOW, "Toggle Grid Mode"},

    {ID_REFRESH_END_LINE, "Refresh End Connected Line Point"},
    {ID_INVERT_X, "Invert along X axis"},
    {ID_INVERT_Y, "Invert along Y axis"},
    {ID_ZOOM_IN, "Zoom In To Enlarge the image"},
    {ID_ZOOM_OUT, "Zoom Out to reduce the image size"},
    {ID_DRAG_PASTE, "Drag & Paste Mode"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard"},
    {ID_EDIT_PASTE, "Insert Clipboard contents"},
    {ID_RESIZE_ROTATE, "Resize & Rotate"},
    {ID_START_CAPTURE, "Select Start Capture"},
    {ID_END_CAPTURE, "Select End Capture"},
    {ID_EDIT_COPY, "Copy the Client Region and put it on the Clipboard to save as Bitmaps"},
    {ID_PLAY_ANIMATION, "Replay All Steps"},
    {ID_KNUCKLE_JOINT, "Design a knuckle joint for a load and draw it\nKnuckle Joint"},
};

constexpr StringRow kFrameStrings[] = {
    {IDS_TIP_ITEM, "Ti&p of the Day..."},
    {IDS_HELP_MENU, "&Help"},
    {ID_PANE_CURSOR, "Xaxis  and   Yaxis   Coordinates"},
    {ID_PANE_DELTA, "d X  , d Y   Difference and dR also"},
    {ID_PANE_ANGLE, "ANGLES in degrees"},
    {IDS_IDLE_MESSAGE, "Drawing Mode"},
};

template <std::size_t N>
QString FindString(const StringRow (&table)[N], UINT nID)
{
    for (const StringRow& row : table)
        if (row.nID == nID)
            return QString::fromLatin1(row.pszText);
    return QString();
}

} // namespace

QString LoadCommandString(UINT nID)
{
    if (const SettingsCommandText* pRow = FindSettingsCommandText(nID))
        return QString::fromLatin1(pRow->pszPrompt ? pRow->pszPrompt : "");
    return FindString(kCommandStrings, nID);
}

QString GetCommandPrompt(UINT nID)
{
    return LoadCommandString(nID).section(QLatin1Char('\n'), 0, 0);
}

QString GetCommandToolTip(UINT nID)
{
    return LoadCommandString(nID).section(QLatin1Char('\n'), 1);
}

QString LoadFrameString(UINT nID)
{
    return FindString(kFrameStrings, nID);
}
