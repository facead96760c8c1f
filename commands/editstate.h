// What the editing commands remember in a view: the sub-mode of drag and
// paste, and the run of steps marked by Start Capture and End Capture.
#pragma once

#include "platform/types.h"

struct CEditState {
    bool m_bCutMode = false;        // a drop moves the figure: the one picked up goes
    bool m_bPasteMode = false;      // a drop adds a moved copy and keeps the original
    bool m_bResizeRotate = false;   // a drag moves one end point of the figure

    bool m_bCapturing = false;      // Start Capture given, End Capture not yet
    bool m_bCaptureReady = false;   // a captured run waits for the next left press
    int m_nCaptureFirst = 0;        // first document index of the run
    int m_nCaptureEnd = 0;          // one past its last index
    CPoint m_ptCaptureRef{1000, 1000};  // corner of the run nearest the origin, at the last stamp
};
