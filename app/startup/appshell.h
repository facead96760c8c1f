// The framework side of the application: the start-up sequence, the
// document template and main frame it creates, and the commands that the
// application answers beside the drawing settings (New, Open, Close, Save,
// Save As, About and the tip of the day).
#pragma once

#include "app/recovery/recoverymanager.h"
#include "platform/cmdtarget.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class CCommandLineInfo;
class CInstanceServer;
class CMainFrame;
class CMultiDocTemplate;
class CTerminationWatch;
class QWidget;

// A PDF export's pages: one the canvas's size, or the printer's pages as
// printing puts the canvas on them; or no export at all.
enum class ExportPdfPages { Cancel, Canvas, Printer };

inline const QString kDesktopFileName = QStringLiteral("com.morvane.Korvada");

// Names the program for the profile, the desktop and the window manager,
// and gives it its icon. Called once the application object exists.
void SetApplicationIdentity();

// A start that names drawings hands them to the program already running
// for this user: true when it took them, and this start should end.
bool HandOverToRunningProgram(const CCommandLineInfo& cmdInfo);

class CAppShell : public QObject, public CCmdTarget {
public:
    CAppShell();
    ~CAppShell() override;

    // The start-up sequence; false ends the program. strServerName is the
    // single-instance channel to serve (empty: none).
    bool InitInstance(const CCommandLineInfo& cmdInfo, const QString& strServerName);

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
    CMultiDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    bool IsRunningEmbedded() const { return m_bEmbedded; }
    // A termination signal arrived; when that was before the main event
    // loop ran (during the start-up dialogs), the loop must not start.
    bool IsTerminated() const { return m_bTerminated; }

    // Opens drawings dropped on the window or handed over by a second
    // start, and brings the window to the front.
    void OpenFiles(const QStringList& strFiles);

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override;

    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExport();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnTipOfTheDay();
    void OnUpdateFileCommand(CCmdUI* pCmdUI);

    // How Export asks for the file, for a PNG the scale (0 when the user
    // cancels) and for a PDF its pages; tests replace them.
    std::function<QString(QWidget* pParent, const QString& strProposed)> m_pfnGetExportFileName;
    std::function<double(QWidget* pParent)> m_pfnGetExportScale;
    std::function<ExportPdfPages(QWidget* pParent)> m_pfnGetExportPdfPages;

    // How the tip of the day is offered at start-up; tests replace it.
    std::function<void(QWidget* pParent)> m_pfnShowTipAtStartup;
    // Where recovery copies of modified drawings go, and how the copies a
    // crash left behind are offered at start-up; tests replace both.
    QString m_strRecoveryFolder;
    std::function<CRecoveryManager::Answer(QWidget* pParent, const QStringList& strNames)>
        m_pfnAskRecover;
    CRecoveryManager* GetRecovery() const { return m_pRecovery.get(); }

private:
    bool CreateMainFrame();
    void InstallRouteChain();
    bool ProcessShellCommand(const CCommandLineInfo& cmdInfo);
    void OnDocumentClosed(int nDocuments);

    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<CMultiDocTemplate> m_pDocTemplate;
    std::unique_ptr<CInstanceServer> m_pServer;
    bool m_bEmbedded = false;
    bool m_bTerminated = false;
    std::unique_ptr<CRecoveryManager> m_pRecovery;
    std::unique_ptr<CTerminationWatch> m_pTermination;
};
