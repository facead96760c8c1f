// The drawing settings with their start values: a plain record the view and
// its tools read, so a tool can take a snapshot of it. The application owns
// the one record of a run and its dialogs write into it. No setting is
// saved: every run, and every reset, begins from these.
#pragma once

#include "platform/types.h"
#include "resources/resource.h"

// The values of the "Change Options" dialog, which edits them in place.
struct COptionsValues {
    int m_nLineThickness = 1;       // 1..20
    int m_nConcentricDistance = 1;  // -10..10, times 250 logical units
    int m_nParallelDistance = 2;    // 1..20, times 125 logical units
    int m_nThreadDistance = 10;     // 1..20
    bool m_bFlipVertical = false;
};

struct CDrawingSettings {
    int m_nLineThickness = 1;           // replaced by the options value at each release
    int m_nTool = int(ID_TOOL_LINE);    // command id of the current tool
    COLORREF m_colorLine = 0;
    int m_nFillStyle = 1;               // 1..14
    COptionsValues m_options;
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
