// Saving drawings: Save, Save As and the question before a changed
// drawing is closed.
#include "app/documents/doctemplate.h"

#include "app/frames/mainframe.h"
#include "app/startup/messagebox.h"
#include "document/mydrevikdoc.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString AskSaveFileName(QWidget* pParent, const QString& strProposed)
{
    return QFileDialog::getSaveFileName(pParent, QStringLiteral("Save As"), strProposed, kDocFilter);
}

// The name Save As proposes: the file the drawing came from, else its
// title with the drawing extension.
QString ProposedFileName(const CMyDrevikDoc* pDoc)
{
    if (!pDoc->GetPathName().isEmpty())
        return pDoc->GetPathName();
    QString strName = pDoc->GetTitle();
    if (QFileInfo(strName).suffix().isEmpty())
        strName += kDocExtension;
    return strName;
}

} // namespace

QString GetPromptName(const CMyDrevikDoc* pDoc)
{
    return pDoc->GetPathName().isEmpty() ? pDoc->GetTitle() : pDoc->GetPathName();
}

bool CMultiDocTemplate::SaveModified(CMyDrevikDoc* pDoc)
{
    if (!pDoc->IsModified())
        return true;
    const QString strPrompt = QStringLiteral("Save changes to %1?").arg(GetPromptName(pDoc));
    switch (ShowMessageBox(strPrompt, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return DoFileSave(pDoc);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool CMultiDocTemplate::SaveAllModified()
{
    // A copy: a save cannot close drawings, but the list is not ours to trust.
    std::vector<CMyDrevikDoc*> docs;
    for (const auto& pDoc : m_docs)
        docs.push_back(pDoc.get());
    for (CMyDrevikDoc* pDoc : docs)
        if (!SaveModified(pDoc))
            return false;
    return true;
}

bool CMultiDocTemplate::DoFileSave(CMyDrevikDoc* pDoc)
{
    if (pDoc->GetPathName().isEmpty())
        return DoSave(pDoc, QString(), true);
    return DoSave(pDoc, pDoc->GetPathName(), false);
}

bool CMultiDocTemplate::DoSave(CMyDrevikDoc* pDoc, const QString& strPath, bool bReplace)
{
    QString strTarget = strPath;
    if (bReplace) {
        const QString strProposed = ProposedFileName(pDoc);
        strTarget = m_pfnGetSaveFileName ? m_pfnGetSaveFileName(m_pMainFrame, strProposed)
                                         : AskSaveFileName(m_pMainFrame, strProposed);
        if (strTarget.isEmpty())
            return false;
        // A name typed without an extension gets the drawing extension.
        if (QFileInfo(strTarget).suffix().isEmpty())
            strTarget += kDocExtension;
    }
    QString strError;
    if (!pDoc->OnSaveDocument(strTarget, &strError)) {
        // The drawing stays modified, so closing it will still ask.
        ShowMessageBox(strError.isEmpty() ? QStringLiteral("Failed to save document.") : strError);
        return false;
    }
    const QString strAbsolute = QFileInfo(strTarget).absoluteFilePath();
    if (strAbsolute != pDoc->GetPathName())
        pDoc->SetPathName(strAbsolute);
    if (m_pMainFrame)
        m_pMainFrame->AddToRecentFileList(strAbsolute);
    return true;
}
