// The line tools' commands: start a new fan of centric lines or a new
// chain of end-connected lines. Neither repaints anything.
#include "view/mydrevikview.h"

#include "resources/resource.h"

namespace {

const CommandEntry<CMyDrevikView> kToolCommands[] = {
    {ID_REFRESH_CENTRIC, &CMyDrevikView::OnRefreshCentric, nullptr},
    {ID_REFRESH_END_LINE, &CMyDrevikView::OnRefreshEndLine, nullptr},
};

}  // namespace

bool CMyDrevikView::OnToolCommand(UINT nID)
{
    return DispatchCommand(this, kToolCommands, nID);
}

// Both are always enabled and show no state.
bool CMyDrevikView::OnToolUpdate(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchUpdate(this, kToolCommands, nID, pCmdUI);
}

void CMyDrevikView::OnRefreshCentric()
{
    m_nCentricState = 0;
}

void CMyDrevikView::OnRefreshEndLine()
{
    m_nEndLineState = 0;
}
