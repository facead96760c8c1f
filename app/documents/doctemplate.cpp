// Making, opening and closing drawings and their windows.
#include "app/documents/doctemplate.h"

#include "app/frames/childframe.h"
#include "app/frames/mainframe.h"
#include "app/settings/mydrevikapp.h"
#include "app/startup/messagebox.h"
#include "document/mydrevikdoc.h"
#include "view/mydrevikview.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

namespace {

// Two spellings of one file compare equal once both are resolved.
QString ComparablePath(const QString& strPath)
{
    const QFileInfo info(strPath);
    const QString strCanonical = info.canonicalFilePath();
    return strCanonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : strCanonical;
}

} // namespace

CMultiDocTemplate::CMultiDocTemplate(CMainFrame* pFrame) : m_pMainFrame(pFrame)
{
    m_pfnGetOpenFileName = [](QWidget* pParent) {
        return QFileDialog::getOpenFileName(pParent, QStringLiteral("Open"), QString(), kDocFilter);
    };
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    CloseAllDocuments();
}

CMyDrevikDoc* CMultiDocTemplate::OpenDocumentFile(const QString& strPath)
{
    if (strPath.isEmpty()) {
        auto pDoc = std::make_unique<CMyDrevikDoc>();
        pDoc->SetTitle(kDocName + QString::number(++m_nUntitledCount));
        if (!pDoc->OnNewDocument())
            return nullptr;
        return Adopt(std::move(pDoc));
    }
    if (CMyDrevikDoc* pOpen = FindDocument(strPath)) {
        ActivateDocument(pOpen);
        return pOpen;
    }
    auto pDoc = std::make_unique<CMyDrevikDoc>();
    QString strError;
    if (!pDoc->OnOpenDocument(strPath, &strError)) {
        ShowMessageBox(strError.isEmpty() ? QStringLiteral("Unexpected file format.") : strError);
        return nullptr;
    }
    pDoc->SetPathName(QFileInfo(strPath).absoluteFilePath());
    CMyDrevikDoc* pAdopted = Adopt(std::move(pDoc));
    if (pAdopted && m_pMainFrame)
        m_pMainFrame->AddToRecentFileList(pAdopted->GetPathName());
    return pAdopted;
}

// Gives the drawing its window; a drawing no window can show is dropped.
CMyDrevikDoc* CMultiDocTemplate::Adopt(std::unique_ptr<CMyDrevikDoc> pDoc)
{
    CMyDrevikDoc* pRaw = pDoc.get();
    m_docs.push_back(std::move(pDoc));
    if (!CreateNewFrame(pRaw)) {
        m_docs.pop_back();
        return nullptr;
    }
    return pRaw;
}

void CMultiDocTemplate::OnFileOpen()
{
    const QString strPath = m_pfnGetOpenFileName(m_pMainFrame);
    if (!strPath.isEmpty())
        OpenDocumentFile(strPath);
}

CChildFrame* CMultiDocTemplate::CreateNewFrame(CMyDrevikDoc* pDoc)
{
    if (!m_pMainFrame)
        return nullptr;
    auto* pView = new CMyDrevikView(pDoc, &theApp.GetSettings());
    pView->m_pTextDlg = &theApp.m_dlgText;
    connect(pView, &QObject::destroyed, this, [this, pDoc] { OnViewDestroyed(pDoc); });
    CChildFrame* pChild = m_pMainFrame->AddChildFrame(pView);
    pChild->installEventFilter(this);
    pDoc->m_onStateChanged = [pDoc] {
        for (CView* pAnyView : pDoc->GetViews())
            if (CChildFrame* pFrame = GetParentChildFrame(static_cast<CMyDrevikView*>(pAnyView)))
                pFrame->setWindowModified(pDoc->IsModified());
    };
    pDoc->m_onStateChanged();
    return pChild;
}

void CMultiDocTemplate::ActivateDocument(CMyDrevikDoc* pDoc)
{
    if (pDoc->GetViews().empty() || !m_pMainFrame)
        return;
    if (CChildFrame* pChild = GetParentChildFrame(static_cast<CMyDrevikView*>(pDoc->GetViews().front()))) {
        m_pMainFrame->GetMdiArea()->setActiveSubWindow(pChild);
        pChild->raise();
    }
}

// Closing the last window of a modified drawing asks first; a No or a
// save lets the window go, and the drawing with it.
bool CMultiDocTemplate::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::Close)
        return false;
    auto* pChild = qobject_cast<CChildFrame*>(pWatched);
    CMyDrevikView* pView = pChild ? pChild->GetView() : nullptr;
    CMyDrevikDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    if (!pDoc || pDoc->GetViews().size() > 1 || SaveModified(pDoc))
        return false;
    pEvent->ignore();
    return true;
}

void CMultiDocTemplate::OnViewDestroyed(CMyDrevikDoc* pDoc)
{
    const auto it = std::find_if(m_docs.begin(), m_docs.end(),
                                 [pDoc](const auto& pOwned) { return pOwned.get() == pDoc; });
    if (it == m_docs.end() || !pDoc->GetViews().empty())
        return;
    m_docs.erase(it);
    if (m_onDocumentClosed)
        m_onDocumentClosed(GetDocumentCount());
}

void CMultiDocTemplate::OnFileClose(CMyDrevikDoc* pDoc)
{
    if (!pDoc || !SaveModified(pDoc))
        return;
    // Each window goes at once; the last one takes the drawing with it.
    std::vector<CChildFrame*> frames;
    for (CView* pView : pDoc->GetViews())
        if (CChildFrame* pChild = GetParentChildFrame(static_cast<CMyDrevikView*>(pView)))
            frames.push_back(pChild);
    for (CChildFrame* pChild : frames)
        delete pChild;
}

void CMultiDocTemplate::CloseAllDocuments()
{
    while (!m_docs.empty()) {
        CMyDrevikDoc* pDoc = m_docs.back().get();
        std::vector<CChildFrame*> frames;
        for (CView* pView : pDoc->GetViews())
            if (CChildFrame* pChild = GetParentChildFrame(static_cast<CMyDrevikView*>(pView)))
                frames.push_back(pChild);
        for (CChildFrame* pChild : frames)
            delete pChild;
        // A drawing whose views were not in child windows goes by itself.
        if (!m_docs.empty() && m_docs.back().get() == pDoc)
            m_docs.pop_back();
    }
}

CMyDrevikDoc* CMultiDocTemplate::GetActiveDocument() const
{
    CMyDrevikView* pView = m_pMainFrame ? m_pMainFrame->GetActiveView() : nullptr;
    return pView ? pView->GetDocument() : nullptr;
}

CMyDrevikDoc* CMultiDocTemplate::FindDocument(const QString& strPath) const
{
    const QString strWanted = ComparablePath(strPath);
    for (const auto& pDoc : m_docs)
        if (!pDoc->GetPathName().isEmpty() && ComparablePath(pDoc->GetPathName()) == strWanted)
            return pDoc.get();
    return nullptr;
}

CChildFrame* GetParentChildFrame(CMyDrevikView* pView)
{
    for (QWidget* pWidget = pView; pWidget; pWidget = pWidget->parentWidget())
        if (auto* pChild = qobject_cast<CChildFrame*>(pWidget))
            return pChild;
    return nullptr;
}
