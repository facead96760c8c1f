// The application's framework commands: the file commands, About and the
// tip of the day.
#include "app/frames/mainframe.h"
#include "app/about/aboutbox.h"
#include "app/startup/appshell.h"
#include "app/documents/doctemplate.h"
#include "app/tips/tipofdaydlg.h"
#include "resources/resource.h"
#include "view/sharedprinter.h"

#include <QPageSetupDialog>

namespace {

const CommandEntry<CAppShell> kCommands[] = {
    {ID_FILE_NEW, &CAppShell::OnFileNew, nullptr},
    {ID_FILE_OPEN, &CAppShell::OnFileOpen, nullptr},
    {ID_FILE_CLOSE, &CAppShell::OnFileClose, &CAppShell::OnUpdateFileCommand},
    {ID_FILE_SAVE, &CAppShell::OnFileSave, &CAppShell::OnUpdateFileCommand},
    {ID_FILE_SAVE_AS, &CAppShell::OnFileSaveAs, &CAppShell::OnUpdateFileCommand},
    {ID_FILE_EXPORT, &CAppShell::OnFileExport, &CAppShell::OnUpdateFileCommand},
    {ID_FILE_PRINT_SETUP, &CAppShell::OnFilePrintSetup, nullptr},
    {ID_APP_ABOUT, &CAppShell::OnAppAbout, nullptr},
    {ID_TIP_OF_THE_DAY, &CAppShell::OnTipOfTheDay, nullptr},
};

} // namespace

bool CAppShell::OnCommand(UINT nID)
{
    return DispatchCommand(this, kCommands, nID);
}

bool CAppShell::OnUpdateCommand(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchUpdate(this, kCommands, nID, pCmdUI);
}

void CAppShell::OnFileNew()
{
    m_pDocTemplate->OpenDocumentFile(QString());
}

void CAppShell::OnFileOpen()
{
    m_pDocTemplate->OnFileOpen();
}

void CAppShell::OnFileClose()
{
    m_pDocTemplate->OnFileClose(m_pDocTemplate->GetActiveDocument());
}

void CAppShell::OnFileSave()
{
    if (CMyDrevikDoc* pDoc = m_pDocTemplate->GetActiveDocument())
        m_pDocTemplate->DoFileSave(pDoc);
}

void CAppShell::OnFileSaveAs()
{
    if (CMyDrevikDoc* pDoc = m_pDocTemplate->GetActiveDocument())
        m_pDocTemplate->DoSave(pDoc, QString(), true);
}

// With a drawing open its view answers first, with the same printer.
void CAppShell::OnFilePrintSetup()
{
    QPageSetupDialog dlg(SharedPrinter(), m_pMainFrame.get());
    dlg.exec();
}

void CAppShell::OnAppAbout()
{
    CAboutBox().DoModal(m_pMainFrame.get());
}

void CAppShell::OnTipOfTheDay()
{
    ShowTipOfTheDay(m_pMainFrame.get());
}

// The drawing commands need a drawing to work on.
void CAppShell::OnUpdateFileCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDocTemplate->GetActiveDocument() != nullptr);
}
