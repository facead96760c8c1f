// Drag and paste mode and its three sub-modes. Cut and Paste carry the
// usual clipboard ids and keys, but only choose what a drop does; the
// clipboard is never touched by them.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"

// Turning the mode on always starts in cut; the repaint shows or hides
// the handles of every visible figure.
void CMyDrevikView::OnDragPaste()
{
    m_bDragPaste = !m_bDragPaste;
    if (m_bDragPaste)
        OnEditCut();
    GetDocument()->UpdateAllViews(nullptr);
}

void CMyDrevikView::OnEditCut()
{
    m_bCutMode = true;
    m_bPasteMode = false;
    m_bResizeRotate = false;
}

void CMyDrevikView::OnEditPaste()
{
    m_bPasteMode = true;
    m_bCutMode = false;
    m_bResizeRotate = false;
}

void CMyDrevikView::OnResizeRotate()
{
    m_bResizeRotate = true;
    m_bCutMode = false;
    m_bPasteMode = false;
}

void CMyDrevikView::OnUpdateDragPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bDragPaste);
}

// The sub-modes mean nothing while the mode is off: disabled, unchecked.
void CMyDrevikView::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bDragPaste);
    pCmdUI->SetCheck(m_bDragPaste && m_bCutMode);
}

void CMyDrevikView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bDragPaste);
    pCmdUI->SetCheck(m_bDragPaste && m_bPasteMode);
}

void CMyDrevikView::OnUpdateResizeRotate(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bDragPaste);
    pCmdUI->SetCheck(m_bDragPaste && m_bResizeRotate);
}
