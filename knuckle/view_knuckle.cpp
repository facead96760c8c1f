// The view's knuckle-joint command: the dialog, the design and the drawing.
#include "view/mydrevikview.h"

#include "document/mydrevikdoc.h"
#include "knuckle/knucklefigures.h"

void CMyDrevikView::GenerateKnuckleJoint()
{
    m_ptKnuckleCentre = kKnuckleCentre;
    m_dlgKnuckle.DoModal(this);
    if (!m_dlgKnuckle.m_bAccepted)
        return;
    const KnuckleInput input{m_dlgKnuckle.m_dLoad, m_dlgKnuckle.m_dTensile, m_dlgKnuckle.m_dShear,
                             m_dlgKnuckle.m_dCrushing};
    m_knuckle = ScaleKnuckleToCanvas(DesignKnuckleJoint(input));

    // Each figure goes in after the step pointer, which moves onto it, so
    // the joint keeps the table's order wherever the history stands.
    CMyDrevikDoc* pDoc = GetDocument();
    for (std::unique_ptr<CFigure>& pFigure : MakeKnuckleFigures(m_knuckle, m_ptKnuckleCentre))
        pDoc->AddFigure(std::move(pFigure));
    pDoc->UpdateAllViews(nullptr);
    m_dlgKnuckle.m_bAccepted = false;
}
