// What the view remembers between the mouse messages of a drag, and what a
// release takes from the settings before it builds anything. The view is
// made of these records, so every tool rule reads them as the view's own
// fields.
#pragma once

#include "platform/statusvalues.h"
#include "platform/types.h"
#include "tools/tooltable.h"

#include <QRect>

struct CInteractionState {
    CPoint m_ptAnchor;             // press point of the current or last drag, snapped
    CPoint m_ptPrev;               // where the preview was last drawn
    CPoint m_ptAnchorUnits;        // the press point in display units; (0, 0) between drags
    int m_bDragging = 0;           // the left button is down and the mouse captured
    int m_nMoveCount = 0;          // moves of this drag, for the tools that fix up the second one
    bool m_bRubber = false;        // the rubber toggle, as the last move saw it
    bool m_bRadial = false;        // the radial toggle, as the last captured move saw it
    COLORREF m_colorLine = 0;      // colour of the figures of the last release
    COLORREF m_colorFlood = 0;     // flood colour of the last flood fill release
    int m_nConcentricOffset = 250;
    double m_dParallelOffset = 250.0;
    int m_nThreadDistance = 10;
    bool m_bSnap = true;           // not the document's free motion, as the last move saw it
    bool m_bCentre = true;         // centre crosses on previews and new shapes
    int m_bRightDown = 0;          // right-button panning is on
    CPoint m_ptRightPrev;          // where panning last stepped
    int m_nPanPauseMs = 120;       // the wait after each panning step

    // The status bar's numbers as this view last wrote them.
    CStatusValues m_status;
    UINT m_nCursorId = 0;          // resource of m_hCursor

    // Repaints asked for while a drag was under way; they wait for the
    // release, so no preview is painted over and then "removed" twice.
    bool m_bDeferredFullRepaint = false;
    QRect m_rectDeferredRepaint;
};

// The settings a release works with, taken once at its start, in this order.
struct CReleaseSettings {
    int nTool = 0;
    int nThickness = 1;
    int nConcentricThickness = 1;
    int nFillStyle = 1;
    int nConcentricFillStyle = 1;
    bool bConcentric = false;
    COLORREF colorConcentric = 0;
    int nPenStyle = PS_SOLID;
    bool bFlipVertical = false;  // thread curves run across instead of along
};

// What a tool's release rule is given: the release point, the displacement
// of the drag in display units as the status bar showed it last, the moves
// this drag had and the settings snapshot.
struct CToolRelease {
    CPoint ptR;
    int dx = 0;
    int dy = 0;
    int nMoves = 0;
    CReleaseSettings settings;
    FigureMaker pfnMake = nullptr;  // the figure of the tool's row
};
