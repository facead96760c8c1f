// Documents: views, the modified flag, and the file round trip.
#include "platform/document.h"

#include "platform/archive.h"
#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
const char* const kUnexpectedFormat = "Unexpected file format.";
}

CDocument::~CDocument()
{
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    const bool bNew = bModified != FALSE;
    if (bNew == m_bModified)
        return;
    m_bModified = bNew;
    if (m_onStateChanged)
        m_onStateChanged();
}

void CDocument::AddView(CView* pView)
{
    if (std::find(m_views.begin(), m_views.end(), pView) != m_views.end())
        return;
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    if (pView->m_pDocument == this)
        pView->m_pDocument = nullptr;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A view may close while it repaints; walk a copy.
    const std::vector<CView*> views = m_views;
    for (CView* pView : views)
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const QString& strPathName, QString* pstrError)
{
    // A pipe would block the open until something writes to it and a
    // device like /dev/zero never ends: only plain files are read.
    const QFileInfo info(strPathName);
    if (info.exists() && !info.isFile()) {
        if (pstrError)
            *pstrError = QStringLiteral("Cannot open %1: it is not a file.").arg(strPathName);
        return FALSE;
    }
    QFile file(strPathName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (pstrError)
            *pstrError = QStringLiteral("Cannot open %1: %2").arg(strPathName, file.errorString());
        return FALSE;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (pstrError)
            *pstrError = QStringLiteral("Cannot read %1: %2").arg(strPathName, file.errorString());
        return FALSE;
    }
    DeleteContents();
    CArchive ar(bytes);
    Serialize(ar);
    if (ar.IsBad()) {
        DeleteContents();
        if (pstrError)
            *pstrError = QString::fromLatin1(kUnexpectedFormat);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const QString& strPathName, QString* pstrError)
{
    // The drawing goes to the file as it is stored, a block at a time,
    // rather than as one copy of the whole file in memory first.
    bool bTooLarge = false;
    QString strReason;
    const bool bSaved = SaveWholeFile(
        strPathName,
        [this, &bTooLarge](QIODevice& file) {
            CArchive ar(&file);
            Serialize(ar);
            bTooLarge = ar.IsBad();
            return !bTooLarge && ar.Flush();
        },
        &strReason);
    // A drawing the writer could not express has not replaced the old file.
    if (bTooLarge) {
        if (pstrError)
            *pstrError = QStringLiteral("Cannot save %1: the drawing is too large for the file format.").arg(strPathName);
        return FALSE;
    }
    if (!bSaved) {
        if (pstrError)
            *pstrError = QStringLiteral("Cannot save %1: %2").arg(strPathName, strReason);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::SetPathName(const QString& strPathName)
{
    m_strPathName = strPathName;
    m_strTitle = QFileInfo(strPathName).fileName();
    if (m_onStateChanged)
        m_onStateChanged();
}

void CDocument::SetTitle(const QString& strTitle)
{
    m_strTitle = strTitle;
    if (m_onStateChanged)
        m_onStateChanged();
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}
