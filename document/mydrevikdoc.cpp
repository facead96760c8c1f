// The figure list with its step pointer, and the commands that walk it.
#include "document/mydrevikdoc.h"

#include "document/documenthint.h"
#include "platform/archive.h"
#include "resources/resource.h"

namespace {

const CommandEntry<CMyDrevikDoc> kCommands[] = {
    {ID_EDIT_UNDO, &CMyDrevikDoc::OnEditUndo, &CMyDrevikDoc::OnUpdateGoBackward},
    {ID_EDIT_CLEAR_ALL, &CMyDrevikDoc::OnEditClearAll, &CMyDrevikDoc::OnUpdateEditClearAll},
    {ID_GO_BACKWARD, &CMyDrevikDoc::OnGoBackward, &CMyDrevikDoc::OnUpdateGoBackward},
    {ID_MOVE_FORWARD, &CMyDrevikDoc::OnMoveForward, &CMyDrevikDoc::OnUpdateMoveForward},
    {ID_FIRST_STEP, &CMyDrevikDoc::OnFirstStep, nullptr},
    {ID_LAST_STEP, &CMyDrevikDoc::OnLastStep, nullptr},
    {ID_REFRESH_SCREEN, &CMyDrevikDoc::OnRefreshScreen, nullptr},
    {ID_FREE_MOTION, &CMyDrevikDoc::OnFreeMotion, &CMyDrevikDoc::OnUpdateFreeMotion},
    {ID_CENTRE, &CMyDrevikDoc::OnCentre, &CMyDrevikDoc::OnUpdateCentre},
};

}  // namespace

CMyDrevikDoc::~CMyDrevikDoc()
{
    DeleteContents();
}

int CMyDrevikDoc::ClampStep()
{
    const int nLast = GetCount() - 1;
    // The flags describe the step as it was stored, before clamping moves it.
    m_bCanGoForward = m_nStep < nLast;
    m_bCanGoBack = m_nStep >= 0;
    if (m_nStep >= nLast || m_nStep < -1)
        m_nStep = nLast;
    return m_nStep;
}

CFigure* CMyDrevikDoc::GetFigure(int nIndex)
{
    if (nIndex < 0 || nIndex > ClampStep())
        return nullptr;
    return m_figures[std::size_t(nIndex)].get();
}

void CMyDrevikDoc::AddFigure(std::unique_ptr<CFigure> pFigure)
{
    if (!pFigure)
        return;
    const int nAt = ClampStep() + 1;
    m_figures.insert(m_figures.begin() + nAt, std::move(pFigure));
    ++m_nRevision;
    m_nStep += 1;
    SetModifiedFlag();
}

void CMyDrevikDoc::RemoveFigureAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_figures.erase(m_figures.begin() + nIndex);
    ++m_nRevision;
    m_nStep -= 1;
    RedrawRemoved(nIndex);
    SetModifiedFlag();
}

void CMyDrevikDoc::DeleteContents()
{
    while (!m_figures.empty())
        m_figures.pop_back();
    ++m_nRevision;
}

void CMyDrevikDoc::Serialize(CArchive& ar)
{
    SerializeFigures(ar, m_figures);
    if (ar.IsLoading())
        ++m_nRevision;
}

BOOL CMyDrevikDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

bool CMyDrevikDoc::OnCommand(UINT nID)
{
    return DispatchCommand(this, kCommands, nID);
}

bool CMyDrevikDoc::OnUpdateCommand(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchUpdate(this, kCommands, nID, pCmdUI);
}

void CMyDrevikDoc::OnEditUndo()
{
    const int nStep = ClampStep();
    if (nStep >= 0) {
        m_figures.erase(m_figures.begin() + nStep);
        ++m_nRevision;
        m_nStep -= 1;
        RedrawRemoved(nStep);
    } else {
        Redraw();
    }
    SetModifiedFlag();
}

void CMyDrevikDoc::OnEditClearAll()
{
    DeleteContents();
    Redraw();
    SetModifiedFlag();
}

void CMyDrevikDoc::OnGoBackward()
{
    // Below -1 the next ClampStep wraps to the last step; never past int range.
    if (m_nStep > -2)
        m_nStep -= 1;
    RedrawStep();
}

void CMyDrevikDoc::OnMoveForward()
{
    if (m_nStep < GetCount())
        m_nStep += 1;
    RedrawStep();
}

void CMyDrevikDoc::OnFirstStep()
{
    if (m_nStep != -1) {
        m_nStep = -1;
        RedrawStep();
    }
}

void CMyDrevikDoc::OnLastStep()
{
    if (GetCount() != std::int64_t(m_nStep) + 1) {
        m_nStep = GetCount() - 1;
        RedrawStep();
    }
}

void CMyDrevikDoc::OnRefreshScreen()
{
    Redraw();
}

void CMyDrevikDoc::OnFreeMotion()
{
    m_bFreeMotion = !m_bFreeMotion;
    Redraw();
}

void CMyDrevikDoc::OnCentre()
{
    m_bCentre = !m_bCentre;
    Redraw();
}

void CMyDrevikDoc::RedrawStep()
{
    CDocumentHint hint(CDocumentHint::kStepMoved, -1, m_nRevision);
    UpdateAllViews(nullptr, 0, &hint);
}

void CMyDrevikDoc::RedrawRemoved(int nIndex)
{
    CDocumentHint hint(CDocumentHint::kFigureRemoved, nIndex, m_nRevision);
    UpdateAllViews(nullptr, 0, &hint);
}

void CMyDrevikDoc::OnUpdateGoBackward(CCmdUI* pCmdUI)
{
    ClampStep();
    pCmdUI->Enable(m_bCanGoBack);
}

void CMyDrevikDoc::OnUpdateMoveForward(CCmdUI* pCmdUI)
{
    ClampStep();
    pCmdUI->Enable(m_bCanGoForward);
}

void CMyDrevikDoc::OnUpdateEditClearAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_figures.empty());
}

void CMyDrevikDoc::OnUpdateFreeMotion(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bFreeMotion ? 1 : 0);
}

void CMyDrevikDoc::OnUpdateCentre(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bCentre ? 1 : 0);
}
