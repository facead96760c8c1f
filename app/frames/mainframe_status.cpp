// The status bar of the main frame: the prompt pane with its idle text and
// the three number panes, formatted from the values the view writes.
#include "app/frames/mainframe.h"

#include "app/frames/commandstrings.h"
#include "app/frames/statusformat.h"
#include "document/mydrevikdoc.h"
#include "view/mydrevikview.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace {

// Each number pane is as wide as its initial text; a longer number widens it.
QLabel* CreatePane(UINT nPaneID, QWidget* pParent)
{
    const QString strText = LoadFrameString(nPaneID);
    QLabel* pPane = new QLabel(strText, pParent);
    pPane->setObjectName(QStringLiteral("pane%1").arg(nPaneID));
    pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(strText) + 2 * pPane->margin() + 6);
    pPane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return pPane;
}

} // namespace

void CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(m_wndStatusBar);

    // Prompts are the status bar's messages, which cover the idle text
    // while they show; clearing a prompt uncovers it.
    m_pIdlePane = new QLabel(LoadFrameString(IDS_IDLE_MESSAGE), m_wndStatusBar);
    m_pIdlePane->setObjectName(QStringLiteral("pane0"));
    m_wndStatusBar->addWidget(m_pIdlePane, 1);

    for (UINT nPaneID : {ID_PANE_ANGLE, ID_PANE_DELTA, ID_PANE_CURSOR}) {
        m_panes[nPaneID] = CreatePane(nPaneID, m_wndStatusBar);
        m_wndStatusBar->addPermanentWidget(m_panes[nPaneID]);
    }
    // Shown only while a long paint goes on; permanent, so that prompts
    // do not cover it.
    m_pPaintProgress = new QProgressBar(m_wndStatusBar);
    m_pPaintProgress->setObjectName(QStringLiteral("paintProgress"));
    m_pPaintProgress->setFormat(QStringLiteral("%v of %m figures"));
    m_pPaintProgress->setMaximumWidth(220);
    m_pPaintProgress->hide();
    m_wndStatusBar->insertPermanentWidget(0, m_pPaintProgress);
}

void CMainFrame::WatchPaint(CMyDrevikView* pView)
{
    connect(pView, &CMyDrevikView::PaintProgress, this, [this](int nDone, int nTotal) {
        m_pPaintProgress->setRange(0, nTotal);
        m_pPaintProgress->setValue(nDone);
        if (m_pPaintProgress->isHidden()) {
            m_wndStatusBar->showMessage(QStringLiteral("Painting the drawing... (Esc stops)"));
            m_pPaintProgress->show();
        }
    });
    connect(pView, &CMyDrevikView::PaintEnded, this, [this](bool bStopped, int nDone, int nTotal) {
        m_pPaintProgress->hide();
        if (bStopped)
            m_wndStatusBar->showMessage(QStringLiteral("Painting stopped: %1 of %2 figures painted. "
                                                       "Refresh Screen paints the drawing again.")
                                            .arg(nDone)
                                            .arg(nTotal));
        else
            m_wndStatusBar->clearMessage();
    });
}

void CMainFrame::UpdateStatusPanes()
{
    const auto setText = [this](UINT nPaneID, const QString& strText) {
        QLabel* pPane = m_panes[nPaneID];
        if (pPane->text() != strText)
            pPane->setText(strText);
    };
    setText(ID_PANE_CURSOR, FormatCursorPane(m_nCursorX, m_nCursorY));
    setText(ID_PANE_DELTA, FormatDeltaPane(m_nDeltaX, m_nDeltaY));
    setText(ID_PANE_ANGLE, FormatAnglePane(m_dAngle));
    UpdateIdleMessage();
}

// The idle text, or, while the active drawing holds figures and shows none
// of them, what they are and how to see them.
void CMainFrame::UpdateIdleMessage()
{
    CMyDrevikView* pView = GetActiveView();
    CMyDrevikDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    const bool bHidden = pDoc && pDoc->GetCount() > 0 && pDoc->GetVisibleCount() == 0;
    const QString strText = bHidden ? FormatHiddenFiguresMessage(pDoc->GetCount()) : LoadFrameString(IDS_IDLE_MESSAGE);
    if (m_pIdlePane->text() != strText)
        m_pIdlePane->setText(strText);
}

QLabel* CMainFrame::GetPane(UINT nPaneID) const
{
    if (nPaneID == 0)
        return m_pIdlePane;
    const auto it = m_panes.find(nPaneID);
    return it == m_panes.end() ? nullptr : it->second;
}

QString CMainFrame::GetPaneText(UINT nPaneID) const
{
    if (nPaneID == 0 && !m_wndStatusBar->currentMessage().isEmpty())
        return m_wndStatusBar->currentMessage();
    QLabel* pPane = GetPane(nPaneID);
    return pPane ? pPane->text() : QString();
}
