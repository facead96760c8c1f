// The grid: dot and snap spacing, the six grid commands and the dots.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "figures/figure_math.h"
#include "resources/resource.h"
#include "view/clientdc.h"

#include <cstdint>

namespace {

const CommandEntry<CMyDrevikView> kViewCommands[] = {
    {ID_GRID_SMALL, &CMyDrevikView::OnGridSmall, &CMyDrevikView::OnUpdateGridSmall},
    {ID_GRID_MEDIUM, &CMyDrevikView::OnGridMedium, &CMyDrevikView::OnUpdateGridMedium},
    {ID_GRID_LARGE, &CMyDrevikView::OnGridLarge, &CMyDrevikView::OnUpdateGridLarge},
    {ID_GRID_EXTRA_LARGE, &CMyDrevikView::OnGridExtraLarge, &CMyDrevikView::OnUpdateGridExtraLarge},
    {ID_GRID_SYNC, &CMyDrevikView::OnGridSync, &CMyDrevikView::OnUpdateGridSync},
    {ID_GRID_SHOW, &CMyDrevikView::OnGridShow, &CMyDrevikView::OnUpdateGridShow},
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

void CMyDrevikView::OnGridSmall()
{
    m_nGridSize = 1;
    ApplyGridSize(1);
}

void CMyDrevikView::OnGridMedium()
{
    m_nGridSize = 2;
    ApplyGridSize(2);
}

void CMyDrevikView::OnGridLarge()
{
    m_nGridSize = 3;
    ApplyGridSize(3);
}

void CMyDrevikView::OnGridExtraLarge()
{
    m_nGridSize = 4;
    ApplyGridSize(4);
}

void CMyDrevikView::OnGridSync()
{
    m_bGridSync = !m_bGridSync;
    ApplyGridSize(m_nGridSize);
}

void CMyDrevikView::OnGridShow()
{
    m_bGridShow = !m_bGridShow;
    ApplyGridSize(m_nGridSize);
    GetDocument()->UpdateAllViews(nullptr);
}

// The grid commands are always enabled; the check mark shows the state.
void CMyDrevikView::OnUpdateGridSmall(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nGridSize == 1);
}

void CMyDrevikView::OnUpdateGridMedium(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nGridSize == 2);
}

void CMyDrevikView::OnUpdateGridLarge(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nGridSize == 3);
}

void CMyDrevikView::OnUpdateGridExtraLarge(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nGridSize == 4);
}

void CMyDrevikView::OnUpdateGridSync(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bGridSync);
}

void CMyDrevikView::OnUpdateGridShow(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bGridShow);
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
