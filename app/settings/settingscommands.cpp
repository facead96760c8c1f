// The commands of the drawing settings: one table maps each command id to
// its handler and its update rule. Ids missing here (Double and Triple
// thickness among them) have no handler, so menus show them disabled.
#include "app/settings/mydrevikapp.h"

#include "resources/resource.h"

#include <set>

template <UINT nTool>
void CMyDrevikApp::OnTool()
{
    m_nTool = int(nTool);
}

template <UINT nTool>
void CMyDrevikApp::OnUpdateTool(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nTool == int(nTool));
}

// In concentric mode the style goes to the companion figures, while the
// check mark keeps showing the normal style.
template <int nStyle>
void CMyDrevikApp::OnFillStyle()
{
    if (m_bConcentric)
        m_nConcentricFillStyle = nStyle;
    else
        m_nFillStyle = nStyle;
}

template <int nStyle>
void CMyDrevikApp::OnUpdateFillStyle(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nFillStyle == nStyle);
}

template <int nStyle>
void CMyDrevikApp::OnPenStyle()
{
    m_nPenStyle = nStyle;
}

template <int nStyle>
void CMyDrevikApp::OnUpdatePenStyle(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nPenStyle == nStyle);
}

template <int nUnits>
void CMyDrevikApp::OnUnits()
{
    m_nUnits = nUnits;
}

template <int nUnits>
void CMyDrevikApp::OnUpdateUnits(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nUnits == nUnits);
}

template <int nFigure>
void CMyDrevikApp::OnRadialFigure()
{
    m_nRadialFigure = nFigure;
}

template <int nFigure>
void CMyDrevikApp::OnUpdateRadialFigure(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nRadialFigure == nFigure);
}

using App = CMyDrevikApp;

#define TOOL_ROW(id) {id, &App::OnTool<id>, &App::OnUpdateTool<id>}
#define FILL_ROW(id, n) {id, &App::OnFillStyle<n>, &App::OnUpdateFillStyle<n>}
#define PEN_ROW(id, n) {id, &App::OnPenStyle<n>, &App::OnUpdatePenStyle<n>}
#define UNITS_ROW(id, n) {id, &App::OnUnits<n>, &App::OnUpdateUnits<n>}
#define RADIAL_ROW(id, tool) {id, &App::OnRadialFigure<int(tool)>, &App::OnUpdateRadialFigure<int(tool)>}

// Built at compile time, so it is complete before the static application
// object asks for it.
constinit const CommandEntry<CMyDrevikApp> CMyDrevikApp::s_commandTable[] = {
    TOOL_ROW(ID_TOOL_LINE),
    TOOL_ROW(ID_TOOL_RECTANGLE),
    TOOL_ROW(ID_TOOL_RECT_FILL),
    TOOL_ROW(ID_TOOL_RECT_ROUND),
    TOOL_ROW(ID_TOOL_RECT_ROUND_FILL),
    TOOL_ROW(ID_TOOL_ELLIPSE),
    TOOL_ROW(ID_TOOL_ELLIPSE_FILL),
    TOOL_ROW(ID_TOOL_RADIAL_CIRCLE),
    TOOL_ROW(ID_TOOL_RADIAL_CIRCLE_FILL),
    TOOL_ROW(ID_TOOL_ARC),
    TOOL_ROW(ID_TOOL_CHORD),
    TOOL_ROW(ID_TOOL_CHORD_FILL),
    TOOL_ROW(ID_TOOL_PIE),
    TOOL_ROW(ID_TOOL_PIE_FILL),
    TOOL_ROW(ID_TOOL_CENTRIC_LINES),
    TOOL_ROW(ID_TOOL_END_LINES),
    TOOL_ROW(ID_TOOL_MEASURE),
    TOOL_ROW(ID_TOOL_PARALLEL_LINES),
    TOOL_ROW(ID_TOOL_BEZIER),
    TOOL_ROW(ID_TOOL_POLYGON),
    TOOL_ROW(ID_TOOL_THREAD),
    TOOL_ROW(ID_TOOL_TEXT),
    TOOL_ROW(ID_TOOL_FREE_DRAW),
    TOOL_ROW(ID_TOOL_FLOOD_FILL),

    {ID_LINE_SINGLE, &App::OnLineSingle, &App::OnUpdateLineSingle},

    FILL_ROW(ID_FILL_SOLID, 1),
    FILL_ROW(ID_FILL_DIAGONAL_DOWN, 2),
    FILL_ROW(ID_FILL_CROSS, 3),
    FILL_ROW(ID_FILL_DIAGONAL_CROSS, 4),
    FILL_ROW(ID_FILL_DIAGONAL_UP, 5),
    FILL_ROW(ID_FILL_HORIZONTAL, 6),
    FILL_ROW(ID_FILL_VERTICAL, 7),
    FILL_ROW(ID_FILL_BIT_ARROW, 8),
    FILL_ROW(ID_FILL_BIT_CIRCLE, 9),
    FILL_ROW(ID_FILL_BIT_BIG_CROSS, 10),
    FILL_ROW(ID_FILL_BIT_DIAMOND, 11),
    FILL_ROW(ID_FILL_BIT_HORZ_SINE, 12),
    FILL_ROW(ID_FILL_BIT_SMALL_CROSS, 13),
    FILL_ROW(ID_FILL_BIT_VERT_SINE, 14),

    PEN_ROW(ID_PEN_SOLID, PS_SOLID),
    PEN_ROW(ID_PEN_DASH, PS_DASH),
    PEN_ROW(ID_PEN_DOT, PS_DOT),
    PEN_ROW(ID_PEN_DASHDOT, PS_DASHDOT),
    PEN_ROW(ID_PEN_DASHDOTDOT, PS_DASHDOTDOT),

    UNITS_ROW(ID_UNITS_HIGH_METRIC, 2),
    UNITS_ROW(ID_UNITS_LOW_METRIC, -2),
    UNITS_ROW(ID_UNITS_HIGH_ENGLISH, 1),
    UNITS_ROW(ID_UNITS_LOW_ENGLISH, -1),
    UNITS_ROW(ID_UNITS_TWIPS, 4),
    UNITS_ROW(ID_UNITS_PIXELS, 3),

    RADIAL_ROW(ID_RADIAL_RECT_FILL, ID_TOOL_RECT_FILL),
    RADIAL_ROW(ID_RADIAL_RECT_ROUND_FILL, ID_TOOL_RECT_ROUND_FILL),
    RADIAL_ROW(ID_RADIAL_ELLIPSE_FILL, ID_TOOL_ELLIPSE_FILL),
    RADIAL_ROW(ID_RADIAL_CHORD_FILL, ID_TOOL_CHORD_FILL),
    RADIAL_ROW(ID_RADIAL_PIE_FILL, ID_TOOL_PIE_FILL),
    RADIAL_ROW(ID_RADIAL_LINE, ID_TOOL_LINE),

    {ID_CONCENTRIC_MODE, &App::OnConcentricMode, &App::OnUpdateConcentricMode},
    {ID_RUBBER, &App::OnRubber, &App::OnUpdateRubber},
    {ID_RADIAL_TOOL, &App::OnRadialTool, &App::OnUpdateRadialTool},
    {ID_COLOR, &App::OnColor, nullptr},
    {ID_SET_FONT, &App::OnSetFont, nullptr},
    {ID_MODIFY_OPTIONS, &App::OnModifyOptions, nullptr},
};

#undef TOOL_ROW
#undef FILL_ROW
#undef PEN_ROW
#undef UNITS_ROW
#undef RADIAL_ROW

bool CMyDrevikApp::OnCommand(UINT nID)
{
    return DispatchCommand(this, s_commandTable, nID);
}

bool CMyDrevikApp::OnUpdateCommand(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchUpdate(this, s_commandTable, nID, pCmdUI);
}

bool CMyDrevikApp::CommandIdsAreUnique()
{
    std::set<UINT> ids;
    for (const CommandEntry<CMyDrevikApp>& entry : s_commandTable)
        if (!ids.insert(entry.nID).second)
            return false;
    return true;
}

std::vector<UINT> CMyDrevikApp::GetCommandIds()
{
    std::vector<UINT> ids;
    for (const CommandEntry<CMyDrevikApp>& entry : s_commandTable)
        ids.push_back(entry.nID);
    return ids;
}

// Thickness from the menu: only "Single" has a handler. Whatever it sets,
// the next mouse release replaces the normal thickness with the Change
// Options value.
void CMyDrevikApp::OnLineSingle()
{
    if (m_bConcentric)
        m_nConcentricLineThickness = 1;
    else
        m_nLineThickness = 1;
}

void CMyDrevikApp::OnUpdateLineSingle(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nLineThickness == 1);
}

void CMyDrevikApp::OnConcentricMode()
{
    m_bConcentric = !m_bConcentric;
}

void CMyDrevikApp::OnUpdateConcentricMode(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bConcentric);
}

void CMyDrevikApp::OnRubber()
{
    m_bRubber = !m_bRubber;
}

void CMyDrevikApp::OnUpdateRubber(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bRubber);
}

void CMyDrevikApp::OnRadialTool()
{
    m_bRadial = !m_bRadial;
}

void CMyDrevikApp::OnUpdateRadialTool(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bRadial);
}

// The chooser opens on black, not on the current colour. With the flood
// fill tool the colour is the fill colour only; with any other tool it is
// the line colour and the fill colour.
void CMyDrevikApp::OnColor()
{
    const std::optional<COLORREF> color = m_pfnChooseColor ? m_pfnChooseColor() : std::nullopt;
    if (!color)
        return;
    if (m_bConcentric) {
        m_colorConcentric = *color;
        return;
    }
    m_colorFlood = *color;
    if (m_nTool != int(ID_TOOL_FLOOD_FILL))
        m_colorLine = *color;
}

void CMyDrevikApp::OnSetFont()
{
    COLORREF colorText = 0;
    if (m_pfnChooseFont && m_pfnChooseFont(m_logFont, colorText))
        m_colorText = colorText;
}

// The views read the dialog's values at their next mouse release; the
// result of the dialog itself is not needed.
void CMyDrevikApp::OnModifyOptions()
{
    m_dlgOptions.DoModal(GetDialogParent());
}
