// The end of a release: the settings it works with, and the figures it
// hands to the document and to the other views.
#include "view/mydrevikview.h"

#include "view/drawingsettings.h"
#include "document/mydrevikdoc.h"
#include "figures/figure.h"
#include "resources/resource.h"

// The thickness of a release is always the Change Options value; a
// thickness chosen from the line commands lasts only until here.
CReleaseSettings CMyDrevikView::TakeSettingsSnapshot()
{
    CDrawingSettings& app = GetSettings();
    const COptionsValues& options = app.m_options;
    app.m_nLineThickness = options.m_nLineThickness;
    m_nConcentricOffset = options.m_nConcentricDistance * 250;
    m_dParallelOffset = double(options.m_nParallelDistance * 125);
    m_nThreadDistance = options.m_nThreadDistance;
    m_nMoveCount = 0;

    CReleaseSettings settings;
    settings.nThickness = app.m_nLineThickness;
    settings.nTool = app.m_nTool;
    settings.nConcentricThickness = app.m_nConcentricLineThickness;
    settings.nFillStyle = app.m_nFillStyle;
    settings.nConcentricFillStyle = app.m_nConcentricFillStyle;
    settings.bConcentric = app.m_bConcentric;
    if (settings.nTool == int(ID_TOOL_FLOOD_FILL))
        m_colorFlood = app.m_colorFlood;
    else
        m_colorLine = app.m_colorLine;
    settings.colorConcentric = app.m_colorConcentric;
    settings.nPenStyle = app.m_nPenStyle;
    settings.bFlipVertical = options.m_bFlipVertical;
    if (m_bRubber) {
        settings.bConcentric = false;
        settings.nTool = int(ID_RUBBER);
        m_colorLine = RGB(255, 255, 255);
        m_bCentre = false;
    }
    return settings;
}

// This view draws the figure itself, so the others get it as a hint and
// repaint only its box. A rubber stroke, or a flood fill over grid dots,
// changes what lies under it, so every view is painted afresh instead.
void CMyDrevikView::CommitFigure(CDC* pDC, std::unique_ptr<CFigure> pFigure, UINT nTool)
{
    CFigure* pAdded = DrawAndAdd(pDC, std::move(pFigure));
    if (!pAdded)
        return;
    if (m_bDragPaste)
        pAdded->DrawHandles(pDC);
    if (m_bRubber || (nTool == ID_TOOL_FLOOD_FILL && m_bGridShow))
        GetDocument()->UpdateAllViews(nullptr);
    else
        GetDocument()->UpdateAllViews(this, 0, pAdded);
}

void CMyDrevikView::AddFirstOfPair(CDC* pDC, std::unique_ptr<CFigure> pFigure)
{
    if (CFigure* pAdded = DrawAndAdd(pDC, std::move(pFigure)))
        GetDocument()->UpdateAllViews(this, 0, pAdded);
}

// Draws the figure with the copy operation and appends it after the step.
CFigure* CMyDrevikView::DrawAndAdd(CDC* pDC, std::unique_ptr<CFigure> pFigure)
{
    if (!pFigure)
        return nullptr;
    CFigure* pAdded = pFigure.get();
    pDC->SetROP2(R2_COPYPEN);
    pAdded->Draw(pDC);
    GetDocument()->AddFigure(std::move(pFigure));
    // The kept picture of the figures takes it too, so that stepping back
    // from here needs no full repaint.
    AdvanceHistoryByAdded(pAdded);
    return pAdded;
}

// A repaint in the middle of a drag would wipe the preview, and the next
// move would then draw its "removal" as a stray line.
bool CMyDrevikView::DeferUpdateWhileDragging(const CFigure* pHintFigure)
{
    if (!m_bDragging)
        return false;
    if (pHintFigure)
        m_rectDeferredRepaint |= LogicalToSurfaceRect(pHintFigure->GetBoundRect());
    else
        m_bDeferredFullRepaint = true;
    return true;
}

void CMyDrevikView::FlushDeferredUpdate()
{
    const bool bFull = m_bDeferredFullRepaint;
    const QRect rect = m_rectDeferredRepaint;
    m_bDeferredFullRepaint = false;
    m_rectDeferredRepaint = QRect();
    if (bFull)
        OnUpdate(nullptr, 0, nullptr);
    else if (!rect.isEmpty())
        RepaintSurfaceRect(rect);
}
