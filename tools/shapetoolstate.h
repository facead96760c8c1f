// The shape tools' memory between clicks: the stages of the arc family, the
// Bezier curve and the polygon with the points fixed so far, the corner of
// the last round-rectangle preview, and the text dialog the text tool asks.
#pragma once

#include "platform/types.h"
#include "tools/textdlg.h"

struct CShapeToolState {
    int m_nArcStage = 0;      // 0: the box is next, 1: the start point, 2: the end point
    CRect m_rectArc;
    CPoint m_ptArcStart;
    CPoint m_ptArcEnd;
    int m_nBezierStage = 0;   // 0: the two ends are next, 1: the first control point, 2: the second
    CPoint m_ptBezier[4];     // first end, the two control points, second end
    int m_nPolygonStage = 0;  // 0: the box is next, 1: the direction point
    CRect m_rectPolygon;
    int m_nRoundCorner = 0;

    // The application hands every view its one dialog, so the last text is
    // offered again in any view; a view on its own asks its own.
    CTextDlg m_dlgOwnText;
    CTextDlg* m_pTextDlg = &m_dlgOwnText;
};
