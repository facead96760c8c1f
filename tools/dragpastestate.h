// The figure a press in drag and paste mode has picked up.
#pragma once

#include "platform/types.h"

class CFigure;

struct CDragPasteState {
    // Not owned: the document owns it. Only used while m_bHit is set, and
    // checked against the document before use, since a command given
    // during the drag may have removed it.
    CFigure* m_pHitFigure = nullptr;
    bool m_bHit = false;
    int m_nHitIndex = 0;
    CPoint m_ptHandle;   // the grabbed end point, or in resize mode the one that stays
};
