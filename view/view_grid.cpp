// The grid: dot and snap spacing, the six grid commands and the dots.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "figures/figure_math.h"
#include "resources/resource.h"
#include "view/clientdc.h"

#include <cstdint>

namespace {

const CommandEntry<CMyDrevikView> kViewCommands[] = {
    {ID_GRID_SMALL, &CMyDrevikView::OnGridSize<1>, &CMyDrevikView::OnUpdateGridSize<1>},
    {ID_GRID_MEDIUM, &CMyDrevikView::OnGridSize<2>, &CMyDrevikView::OnUpdateGridSize<2>},
    {ID_GRID_LARGE, &CMyDrevikView::OnGridSize<3>, &CMyDrevikView::OnUpdateGridSize<3>},
    {ID_GRID_EXTRA_LARGE, &CMyDrevikView::OnGridSize<4>, &CMyDrevikView::OnUpdateGridSize<4>},
    {ID_GRID_SYNC, &CMyDrevikView::OnGridSync, &CMyDrevikView::OnUpdateGridFlag<&CMyDrevikView::m_bGridSync>},
    {ID_GRID_SHOW, &CMyDrevikView::OnGridShow, &CMyDrevikView::OnUpdateGridFlag<&CMyDrevikView::m_bGridShow>},
    {ID_FILE_PRINT, &CMyDrevikView::OnFilePrint, nullptr},
    {ID_FILE_PRINT_DIRECT, &CMyDrevikView::OnFilePrintDirect, nullptr},
    {ID_FILE_PRINT_PREVIEW, &CMyDrevikView::OnFilePrintPreview, nullptr},
    {ID_FILE_PRINT_SETUP, &CMyDrevikView::OnFilePageSetup, nullptr},
    {ID_KNUCKLE_JOINT, &CMyDrevikView::GenerateKnuckleJoint, nullptr},
};

}  // namespace

bool CMyDrevikView::OnCommand(UINT nID)
{
    return DispatchCommand(this, kViewCommands, nID) || OnToolCommand(nID) || OnEditCommand(nID);
}

bool CMyDrevikView::OnUpdateCommand(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchUpdate(this, kViewCommands, nID, pCmdUI) || OnToolUpdate(nID, pCmdUI) ||
           OnEditUpdate(nID, pCmdUI);
}

// A size moves the dots only while the grid is shown and synchronized; it
// sets the snap spacing unless the grid is hidden while synchronized, in
// which case the mouse moves freely instead.
void CMyDrevikView::ApplyGridSize(int n)
{
    const int nSpacing = figmath::SaturateToInt(std::int64_t(n) * 125);
    CMyDrevikDoc* pDoc = GetDocument();
    if (!m_bGridShow && m_bGridSync) {
        pDoc->SetFreeMotion(true);
        return;
    }
    m_nSnapX = nSpacing;
    m_nSnapY = nSpacing;
    pDoc->SetFreeMotion(false);
    if (m_bGridShow && m_bGridSync) {
        m_nGridDotX = nSpacing;
        m_nGridDotY = nSpacing;
        pDoc->UpdateAllViews(nullptr);
    }
}

template <int nSize>
void CMyDrevikView::OnGridSize()
{
    m_nGridSize = nSize;
    ApplyGridSize(nSize);
}

void CMyDrevikView::OnGridSync()
{
    m_bGridSync = !m_bGridSync;
    ApplyGridSize(m_nGridSize);
}

// Shown and synchronized, ApplyGridSize has repainted every view already.
void CMyDrevikView::OnGridShow()
{
    m_bGridShow = !m_bGridShow;
    ApplyGridSize(m_nGridSize);
    if (!(m_bGridShow && m_bGridSync))
        GetDocument()->UpdateAllViews(nullptr);
}

// The grid commands are always enabled; the check mark shows the state.
template <int nSize>
void CMyDrevikView::OnUpdateGridSize(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nGridSize == nSize);
}

template <bool CMyDrevikView::*pbFlag>
void CMyDrevikView::OnUpdateGridFlag(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(this->*pbFlag);
}

// The dots always go to the view's own surface, black on any background.
void CMyDrevikView::DrawGrid()
{
    CClientDC dc(this);
    DrawGrid(&dc);
}

void CMyDrevikView::DrawGrid(CDC* pDC)
{
    m_colorGrid = RGB(0, 0, 0);
    // A spacing of zero would never reach the canvas edge.
    if (m_nGridDotX <= 0 || m_nGridDotY <= 0)
        return;
    PaintGrid(pDC, m_nGridDotX, m_nGridDotY, m_sizeCanvas, m_colorGrid);
}
