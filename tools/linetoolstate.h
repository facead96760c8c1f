// The line tools' memory between drags: the centre of the centric lines,
// the end of the chain of end-connected lines, and the measured line's
// preview latch, label and dialog.
#pragma once

#include "tools/measuredlg.h"
#include "platform/types.h"

// A measured line's label is cut to this many characters.
constexpr int kMeasureLabelChars = 20;

struct CLineToolState {
    int m_nCentricState = 0;       // 0: the next release sets the centre; n: n - 1 lines drawn from it
    CPoint m_ptCentricCentre;
    int m_nEndLineState = 0;       // 0: the next line starts at its press point
    CPoint m_ptEndLineStart;       // end of the last line of the chain
    bool m_bMeasureShown = false;  // once set, every measured drag shows its preview
    char m_szMeasure[TextBufferSize(kMeasureLabelChars)] = " ";  // label of the next measured line (UTF-8)
    CMeasureDlg m_dlgMeasure;
};
