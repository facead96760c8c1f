// Autosave of the open drawings and the offer of what a crash left behind.
#include "app/recovery/recoverymanager.h"

#include "app/documents/doctemplate.h"
#include "app/startup/messagebox.h"
#include "document/mydrevikdoc.h"
#include "platform/archive.h"

#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

QByteArray DrawingBytes(CMyDrevikDoc* pDoc)
{
    CArchive ar;
    pDoc->Serialize(ar);
    return ar.GetBuffer();
}

bool IsOpen(CMultiDocTemplate* pTemplate, const CMyDrevikDoc* pDoc)
{
    for (int i = 0; i < pTemplate->GetDocumentCount(); ++i)
        if (pTemplate->GetDocument(i) == pDoc)
            return true;
    return false;
}

QString NameOf(const CRecoveryCopy& copy)
{
    if (!copy.m_strOriginalPath.isEmpty())
        return copy.m_strOriginalPath;
    return copy.m_strTitle.isEmpty() ? QStringLiteral("Untitled drawing") : copy.m_strTitle;
}

}  // namespace

CRecoveryManager::CRecoveryManager(CMultiDocTemplate* pTemplate, const QString& strFolder)
    : m_pfnAskRecover(AskRecoverWithMessageBox), m_pTemplate(pTemplate), m_store(strFolder)
{
    m_copyTimer.setInterval(kCopyIntervalMs);
    connect(&m_copyTimer, &QTimer::timeout, this, &CRecoveryManager::WriteCopies);
    m_copyTimer.start();
    std::weak_ptr<bool> pAlive = m_pAlive;
    auto onClosed = std::move(pTemplate->m_onDocumentClosed);
    pTemplate->m_onDocumentClosed = [this, pAlive, onClosed](int nDocuments) {
        if (pAlive.lock())
            DropStaleCopies();
        if (onClosed)
            onClosed(nDocuments);
    };
    // The session may end the program without asking about each drawing.
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &CRecoveryManager::WriteCopies);
        connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &CRecoveryManager::KeepCopiesAtEnd);
    }
}

CRecoveryManager::~CRecoveryManager() = default;

void CRecoveryManager::LetGo()
{
    m_bLetGo = true;
    m_copyTimer.stop();
    m_keys.clear();
    m_store.RemoveSessionCopies();
}

void CRecoveryManager::KeepCopiesAtEnd()
{
    WriteCopies();
    m_bEnding = true;
    m_copyTimer.stop();
}

void CRecoveryManager::WriteCopies()
{
    if (m_bLetGo || m_bEnding)
        return;
    for (int i = 0; i < m_pTemplate->GetDocumentCount(); ++i) {
        CMyDrevikDoc* pDoc = m_pTemplate->GetDocument(i);
        if (!pDoc->IsModified())
            continue;
        auto it = m_keys.find(pDoc);
        if (it == m_keys.end())
            it = m_keys.emplace(pDoc, m_store.NewKey()).first;
        if (m_watched.insert(pDoc).second)
            WatchDocument(pDoc);
        m_store.WriteCopy(it->second, DrawingBytes(pDoc), pDoc->GetPathName(), pDoc->GetTitle());
    }
    DropStaleCopies();
}

void CRecoveryManager::WatchDocument(CMyDrevikDoc* pDoc)
{
    std::weak_ptr<bool> pAlive = m_pAlive;
    auto onChanged = std::move(pDoc->m_onStateChanged);
    pDoc->m_onStateChanged = [this, pAlive, onChanged] {
        if (onChanged)
            onChanged();
        if (pAlive.lock())
            DropStaleCopies();
    };
}

void CRecoveryManager::DropStaleCopies()
{
    if (m_bLetGo || m_bEnding)
        return;
    std::erase_if(m_watched, [this](const CMyDrevikDoc* pDoc) { return !IsOpen(m_pTemplate, pDoc); });
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        // A drawing that is gone is only compared by its address, never used.
        if (IsOpen(m_pTemplate, it->first) && it->first->IsModified()) {
            ++it;
            continue;
        }
        m_store.RemoveCopy(it->second);
        it = m_keys.erase(it);
    }
}

int CRecoveryManager::OfferRecovery(QWidget* pParent)
{
    m_store.RemoveDebris();
    const std::vector<CRecoveryCopy> copies = m_store.FindOrphans();
    if (copies.empty() || !m_pfnAskRecover)
        return 0;
    QStringList strNames;
    for (const CRecoveryCopy& copy : copies)
        strNames << NameOf(copy);
    const Answer answer = m_pfnAskRecover(pParent, strNames);
    if (answer == Later)
        return 0;
    int nRecovered = 0;
    for (const CRecoveryCopy& copy : copies) {
        if (answer == Recover) {
            if (!RecoverCopy(copy))
                ShowMessageBox(QStringLiteral("Unexpected file format."));
            else
                ++nRecovered;
        }
        // A recovered drawing is this session's now: it is copied again
        // while it stays modified.
        CRecoveryStore::Discard(copy);
    }
    return nRecovered;
}

bool CRecoveryManager::RecoverCopy(const CRecoveryCopy& copy)
{
    QFile file(copy.m_strCopyPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    FigureArray figures;
    CArchive ar(file.readAll());
    SerializeFigures(ar, figures);
    if (ar.IsBad())
        return false;
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    if (!pDoc)
        return false;
    pDoc->m_figures = std::move(figures);
    // Unlike an opened file, a recovered drawing is shown whole: the user
    // was working at its last step.
    pDoc->m_nStep = pDoc->GetCount() - 1;
    if (!copy.m_strTitle.isEmpty())
        pDoc->SetTitle(copy.m_strTitle);
    pDoc->SetModifiedFlag(TRUE);
    pDoc->UpdateAllViews(nullptr);
    return true;
}

CRecoveryManager::Answer AskRecoverWithMessageBox(QWidget* pParent, const QStringList& strNames)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    QStringLiteral("Korvada did not end normally. These drawings had changes "
                                   "that were not saved:\n\n%1")
                        .arg(strNames.join(QLatin1Char('\n'))),
                    QMessageBox::NoButton, pParent);
    QPushButton* pRecover = box.addButton(QStringLiteral("Recover"), QMessageBox::AcceptRole);
    QPushButton* pDiscard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(pRecover);
    box.exec();
    if (box.clickedButton() == pRecover)
        return CRecoveryManager::Recover;
    if (box.clickedButton() == pDiscard)
        return CRecoveryManager::Discard;
    return CRecoveryManager::Later;
}
