// What the mouse shows besides the previews: the status bar's position,
// displacement and angle, and the pointer shape of the current mode.
#include "view/mydrevikview.h"

#include "view/drawingsettings.h"
#include "resources/cursors.h"
#include "resources/resource.h"

#include <cmath>

// The displacement runs from the press point; between drags it reads 0.
void CMyDrevikView::WriteStatusValues(CPoint point)
{
    const CPoint ptUnits = ToDisplayUnits(point);
    const bool bFromAnchorX = m_bDragging || m_ptAnchorUnits.x != 0;
    const bool bFromAnchorY = m_bDragging || m_ptAnchorUnits.y != 0;
    m_status.m_nDeltaX = bFromAnchorX ? ptUnits.x - m_ptAnchorUnits.x : 0;
    m_status.m_nDeltaY = bFromAnchorY ? ptUnits.y - m_ptAnchorUnits.y : 0;
    m_status.m_nCursorX = ptUnits.x;
    m_status.m_nCursorY = ptUnits.y;
    m_status.m_dAngle = std::atan2(double(m_status.m_nDeltaY), double(m_status.m_nDeltaX)) * 57.295780490442965;
    if (CStatusValues* pMain = GetMainStatusValues())
        *pMain = m_status;
}

// The shape the pointer takes from the next move on.
void CMyDrevikView::ChooseCursor()
{
    UINT nCursorId = IDC_CURSOR_DRAW;
    if (m_bRubber)
        nCursorId = IDC_CURSOR_RUBBER;
    else if (m_bDragPaste)
        nCursorId = IDC_CURSOR_DRAG_PASTE;
    else if (GetSettings().m_bConcentric)
        nCursorId = IDC_CURSOR_CONCENTRIC;
    if (m_bRightDown)
        nCursorId = IDC_CURSOR_PAN;
    if (nCursorId == m_nCursorId)
        return;
    m_nCursorId = nCursorId;
    m_hCursor = LoadCursorResource(nCursorId);
}
