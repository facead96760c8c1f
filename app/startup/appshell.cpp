// The start-up sequence and the identity of the program.
#include "app/startup/appshell.h"

#include "app/frames/childframe.h"
#include "app/frames/mainframe.h"
#include "app/settings/mydrevikapp.h"
#include "app/splash/splashwnd.h"
#include "app/startup/appicon.h"
#include "app/startup/commandline.h"
#include "app/documents/doctemplate.h"
#include "app/startup/filedrops.h"
#include "app/startup/instancechannel.h"
#include "app/startup/profile.h"
#include "app/startup/terminationwatch.h"
#include "app/tips/tipofdaydlg.h"
#include "document/mydrevikdoc.h"
#include "view/mydrevikview.h"

#include <QApplication>
#include <QTimer>

void SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(kProfileCompany);
    QCoreApplication::setApplicationName(kProfileApplication);
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVADA_VERSION));
    // No display name: the desktop would append it to every window title,
    // and the main frame's title already begins with the program's name.
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    QApplication::setWindowIcon(ApplicationIcon());
}

bool HandOverToRunningProgram(const CCommandLineInfo& cmdInfo)
{
    if (cmdInfo.m_bRunEmbedded || cmdInfo.m_bRunAutomated || cmdInfo.m_strFileNames.isEmpty())
        return false;
    return HandFilesToRunningInstance(InstanceServerName(), cmdInfo.m_strFileNames);
}

CAppShell::CAppShell()
    : m_pfnShowTipAtStartup(ShowTipAtStartup),
      m_strRecoveryFolder(CRecoveryStore::DefaultFolder()),
      m_pfnAskRecover(AskRecoverWithMessageBox)
{
}

CAppShell::~CAppShell()
{
    // Drawings still modified here were not let go by the user (the
    // session or a signal ended the program): their copies stay for the
    // next start.
    if (m_pRecovery)
        m_pRecovery->KeepCopiesAtEnd();
    // The drawings go while the frame that shows them is still whole.
    if (m_pDocTemplate) {
        m_pDocTemplate->m_onDocumentClosed = nullptr;
        m_pDocTemplate->CloseAllDocuments();
    }
    if (m_pMainFrame)
        m_pMainFrame->GetRouter().SetRouteChain(nullptr);
}

bool CAppShell::InitInstance(const CCommandLineInfo& cmdInfo, const QString& strServerName)
{
    CSplashWindow::EnableSplashScreen(cmdInfo.m_bShowSplash);
    m_bEmbedded = cmdInfo.m_bRunEmbedded || cmdInfo.m_bRunAutomated;

    m_pDocTemplate = std::make_unique<CMultiDocTemplate>();
    m_pDocTemplate->m_onDocumentClosed = [this](int nDocuments) { OnDocumentClosed(nDocuments); };
    if (!CreateMainFrame())
        return false;

    // Started for another program: no window, splash or tip, and the
    // program ends once it holds no drawing, which is at once.
    if (m_bEmbedded) {
        if (m_pDocTemplate->GetDocumentCount() == 0)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }

    if (!strServerName.isEmpty()) {
        m_pServer = std::make_unique<CInstanceServer>();
        m_pServer->m_onFilesReceived = [this](const QStringList& strFiles) { OpenFiles(strFiles); };
        m_pServer->Listen(strServerName);
    }

    m_pRecovery = std::make_unique<CRecoveryManager>(m_pDocTemplate.get(), m_strRecoveryFolder);
    m_pRecovery->m_pfnAskRecover = m_pfnAskRecover;
    // Asked to end by the system: no time to ask about each drawing, so
    // the modified ones are kept for the next start.
    m_pTermination = std::make_unique<CTerminationWatch>([this] {
        m_bTerminated = true;
        m_pRecovery->KeepCopiesAtEnd();
        // exit, not quit: quit would close the windows, and closing asks
        // about every modified drawing.
        QCoreApplication::exit(0);
    });
    if (!ProcessShellCommand(cmdInfo))
        return false;
    m_pMainFrame->showMaximized();
    m_pMainFrame->repaint();
    m_pRecovery->OfferRecovery(m_pMainFrame.get());
    new CFileDropTarget(m_pMainFrame.get(), [this](const QStringList& strFiles) { OpenFiles(strFiles); });

    if (cmdInfo.m_bShowSplash && m_pfnShowTipAtStartup)
        m_pfnShowTipAtStartup(m_pMainFrame.get());
    return true;
}

bool CAppShell::CreateMainFrame()
{
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pDocTemplate->SetMainFrame(m_pMainFrame.get());
    InstallRouteChain();
    m_pMainFrame->m_pfnCanClose = [this] {
        if (!m_pDocTemplate->SaveAllModified())
            return false;
        if (m_pRecovery)
            m_pRecovery->LetGo();
        return true;
    };
    m_pMainFrame->m_pfnOpenRecentFile = [this](const QString& strPath) {
        return m_pDocTemplate->OpenDocumentFile(strPath) != nullptr;
    };
    CSplashWindow::ShowSplashScreen(m_pMainFrame.get());
    return true;
}

// The frame's chain of command targets, with the application's framework
// commands after the drawing settings, where the application answers them.
void CAppShell::InstallRouteChain()
{
    CMainFrame* pFrame = m_pMainFrame.get();
    pFrame->GetRouter().SetRouteChain([this, pFrame] {
        std::vector<CCmdTarget*> chain = pFrame->GetRouteChain();
        chain.push_back(this);
        return chain;
    });
}

// A new drawing when the command line names none; otherwise the named
// drawings. The start fails when it opens nothing it was asked to.
bool CAppShell::ProcessShellCommand(const CCommandLineInfo& cmdInfo)
{
    switch (cmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        return m_pDocTemplate->OpenDocumentFile(QString()) != nullptr;
    case CCommandLineInfo::FileOpen: {
        bool bOpened = false;
        for (const QString& strPath : cmdInfo.m_strFileNames)
            bOpened = (m_pDocTemplate->OpenDocumentFile(strPath) != nullptr) || bOpened;
        return bOpened;
    }
    case CCommandLineInfo::FileNothing:
        return true;
    }
    return true;
}

void CAppShell::OpenFiles(const QStringList& strFiles)
{
    for (const QString& strPath : strFiles)
        m_pDocTemplate->OpenDocumentFile(strPath);
    if (m_pMainFrame && m_pMainFrame->isVisible()) {
        m_pMainFrame->raise();
        m_pMainFrame->activateWindow();
    }
}

void CAppShell::OnDocumentClosed(int nDocuments)
{
    if (m_bEmbedded && nDocuments == 0)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
