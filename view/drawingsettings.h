// The drawing settings with their start values. No setting is saved: every
// run, and every reset, begins from these.
#pragma once

#include "app/dialogs/optionsdlg.h"
#include "app/dialogs/textdlg.h"
#include "platform/types.h"
#include "resources/resource.h"

struct CDrawingSettings {
    int m_nLineThickness = 1;           // replaced by the options value at each release
    int m_nTool = int(ID_TOOL_LINE);    // command id of the current tool
    COLORREF m_colorLine = 0;
    int m_nFillStyle = 1;               // 1..14
    COptionsDlg m_dlgOptions;
    CTextDlg m_dlgText;
    int m_nUnits = 2;                   // display unit code
    bool m_bConcentric = false;         // colour, thickness and fill go to the companions
    int m_nConcentricFillStyle = 1;
    COLORREF m_colorConcentric = 0;
    int m_nConcentricLineThickness = 1;
    bool m_bRubber = false;
    int m_nPenStyle = PS_SOLID;         // PS_SOLID .. PS_DASHDOTDOT
    int m_nRadialFigure = int(ID_TOOL_RECT_FILL);  // tool id of the figure the radial tool repeats
    bool m_bRadial = false;
    LOGFONT m_logFont;                  // all zero: default face and size
    COLORREF m_colorText = 0;
    COLORREF m_colorFlood = 0;          // last colour chosen outside concentric mode
};
