// One drawing: the figures in the order they were made, and the step
// pointer that says how many of them are shown. The list is at once the
// drawing and its history.
#pragma once

#include "figures/archive/figurearchive.h"
#include "figures/figure.h"
#include "platform/document.h"

#include <cstdint>
#include <memory>
#include <vector>

class CMyDrevikDoc : public CDocument {
public:
    CMyDrevikDoc() = default;
    ~CMyDrevikDoc() override;

    // The step rule: refreshes the two flags from the stored step, then
    // brings the step into -1 .. count - 1; returns it.
    int ClampStep();
    int GetVisibleCount() { return ClampStep() + 1; }
    // Null for an index outside 0 .. the step; never a hidden figure.
    CFigure* GetFigure(int nIndex);
    // Inserts right after the step pointer and moves the pointer onto it.
    // Does not redraw: the caller has drawn the figure already.
    void AddFigure(std::unique_ptr<CFigure> pFigure);
    // 0 <= nIndex < count; the step pointer moves back by one whatever the index.
    void RemoveFigureAt(int nIndex);
    int GetCount() const { return int(m_figures.size()); }
    // Goes up with every change of the figure list (add, remove, undo,
    // delete all, load), so a view can tell whether its pictures of the
    // drawing are still of it.
    std::uint64_t GetRevision() const { return m_nRevision; }

    void DeleteContents() override;
    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override;

    void OnEditUndo();
    void OnEditClearAll();
    void OnGoBackward();
    void OnMoveForward();
    void OnFirstStep();
    void OnLastStep();
    void OnRefreshScreen();
    void OnFreeMotion();
    void OnCentre();
    void OnUpdateGoBackward(CCmdUI* pCmdUI);
    void OnUpdateMoveForward(CCmdUI* pCmdUI);
    void OnUpdateEditClearAll(CCmdUI* pCmdUI);
    void OnUpdateFreeMotion(CCmdUI* pCmdUI);
    void OnUpdateCentre(CCmdUI* pCmdUI);

    // The grid commands of a view stop or restart snapping for every view
    // of the drawing.
    void SetFreeMotion(bool bFreeMotion) { m_bFreeMotion = bFreeMotion; }

    FigureArray m_figures;
    bool m_bFreeMotion = false;
    bool m_bCentre = true;
    int m_nStep = -1;
    bool m_bCanGoBack = false;
    bool m_bCanGoForward = false;

private:
    void Redraw() { UpdateAllViews(nullptr); }
    // Tells the views that the step moved (they repaint only what that
    // shows or hides).
    void RedrawStep();
    void RedrawRemoved(int nIndex);

    std::uint64_t m_nRevision = 0;
};
