// The measured line: a dimension line whose label is its length in display
// units, offered for editing in the "Add Measured Distance ..." dialog.
#include "view/mydrevikview.h"

#include "figures/measure.h"

#include <QString>

#include <cmath>
#include <cstdlib>

namespace {

// The preview is a dotted measured line without a label: a label, even a
// blank, is drawn on an opaque box, which inverting cannot take away again.
void DrawMeasurePreview(CDC* pDC, CPoint ptP, CPoint ptA)
{
    CMeasure measure(ptP.x, ptP.y, ptA.x, ptA.y, 0, 2, 0, QString());
    measure.Draw(pDC);
}

// True when the displacement (dx, dy) reaches beyond the display-unit size
// of nLogical logical units in x or in y.
bool BeyondThreshold(const CMyDrevikView& view, int dx, int dy, int nLogical)
{
    const CPoint ptLimit = view.ToDisplayUnits(nLogical, nLogical);
    return std::abs(dx) > ptLimit.x || std::abs(dy) > std::abs(ptLimit.y);
}

}  // namespace

// Short wiggles after a press show nothing until the drag first passes 250
// logical units; from then on this view always previews.
void CMyDrevikView::PreviewMeasure(CDC* pDC, CPoint ptM)
{
    if (!BeyondThreshold(*this, m_status.m_nDeltaX, m_status.m_nDeltaY, 250) && !m_bMeasureShown)
        return;
    m_nMoveCount += 1;
    m_bMeasureShown = true;
    if (m_nMoveCount != 1)
        DrawMeasurePreview(pDC, m_ptAnchor, m_ptPrev);
    DrawMeasurePreview(pDC, m_ptAnchor, ptM);
}

void CMyDrevikView::ReleaseMeasure(CDC* pDC, const CToolRelease& release)
{
    if (release.nMoves >= 1)
        DrawMeasurePreview(pDC, m_ptAnchor, m_ptPrev);
    if (!BeyondThreshold(*this, release.dx, release.dy, 500))
        return;
    // The preview is gone from the screen before the dialog covers it.
    ShowSurfaceRect(pDC->GetTouchedRect());
    pDC->ResetTouchedRect();
    AskMeasureLabel(release.dx, release.dy);
    CommitFigure(pDC, release.pfnMake(*this, m_ptAnchor, release.ptR, release.settings),
                 UINT(release.settings.nTool));
}

// The label offered is the drag's length followed by one blank; Cancel
// keeps it. After "Don't Ask me again" the dialog is not shown any more.
void CMyDrevikView::AskMeasureLabel(int dx, int dy)
{
    const double dLength = std::sqrt(double(dx) * dx + double(dy) * dy);
    CopyLimitedText(m_dlgMeasure.m_szText, sizeof m_dlgMeasure.m_szText,
                    QString::asprintf("%lld ", (long long)dLength), CMeasureDlg::kMaxChars);
    if (!m_dlgMeasure.m_bDontAsk)
        m_dlgMeasure.DoModal(this);
    CopyLimitedText(m_szMeasure, sizeof m_szMeasure, QString::fromUtf8(m_dlgMeasure.m_szText),
                    kMeasureLabelChars);
}
