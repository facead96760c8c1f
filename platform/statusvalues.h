// The five numbers of the status bar. The main frame holds them and formats
// them into its panes; the view writes them on every mouse move. The view
// reaches them here, through the main window, without knowing its class.
#pragma once

struct CStatusValues {
    int m_nCursorX = 0;     // mouse position, display units
    int m_nCursorY = 0;
    int m_nDeltaX = 0;      // distance from the press point of the drag
    int m_nDeltaY = 0;
    double m_dAngle = 0.0;  // direction of the drag, degrees
};

// The main window's values, or null while there is no main window.
CStatusValues* GetMainStatusValues();
// The main frame registers its values when it is made and clears them
// (passes null) when it goes.
void SetMainStatusValues(CStatusValues* pValues);
