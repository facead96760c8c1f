// The document template: it makes, opens, saves and closes the drawings,
// each in a child window of the main frame with its own view. New drawings
// are named "Skizza1", "Skizza2" ...; files are "Korvada Files(*.kvd)".
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CChildFrame;
class CMainFrame;
class CMyDrevikDoc;
class CMyDrevikView;
class QWidget;

inline const QString kDocName = QStringLiteral("Skizza");
inline const QString kDocFilter = QStringLiteral("Korvada Files(*.kvd)");
inline const QString kDocExtension = QStringLiteral(".kvd");

class CMultiDocTemplate : public QObject {
public:
    explicit CMultiDocTemplate(CMainFrame* pFrame = nullptr);
    ~CMultiDocTemplate() override;
    // The frame the drawings' windows open in; without one no drawing opens.
    void SetMainFrame(CMainFrame* pFrame) { m_pMainFrame = pFrame; }

    // An empty path makes a new drawing; a path opens that file, or brings
    // the window of the drawing already open from it to the front. Null
    // when the file cannot be read: the user is told why and nothing else
    // changes.
    CMyDrevikDoc* OpenDocumentFile(const QString& strPath);
    // Asks for a file with the open dialog, then opens it.
    void OnFileOpen();

    // Save changes to a modified drawing? Yes saves it, No lets it go,
    // Cancel (or a save that does not happen) keeps it: false.
    bool SaveModified(CMyDrevikDoc* pDoc);
    // Every modified drawing in turn; false as soon as one is kept.
    bool SaveAllModified();
    // Save: to its file, or as Save As when it has none. False when the
    // drawing was not saved (cancelled or failed; a failure is reported).
    bool DoFileSave(CMyDrevikDoc* pDoc);
    // Save As with bReplace, else to the given path without asking.
    bool DoSave(CMyDrevikDoc* pDoc, const QString& strPath, bool bReplace = true);
    // Offers to save, then closes every window of the drawing and deletes it.
    void OnFileClose(CMyDrevikDoc* pDoc);
    // Closes every window and drawing without asking.
    void CloseAllDocuments();

    int GetDocumentCount() const { return int(m_docs.size()); }
    CMyDrevikDoc* GetDocument(int nIndex) const { return m_docs[std::size_t(nIndex)].get(); }
    // The drawing of the active child window, or null.
    CMyDrevikDoc* GetActiveDocument() const;
    // The drawing open from this file, or null.
    CMyDrevikDoc* FindDocument(const QString& strPath) const;
    CMainFrame* GetMainFrame() const { return m_pMainFrame; }

    // How the file dialogs ask; tests answer them. Each returns the path
    // chosen, or an empty text for Cancel.
    std::function<QString(QWidget* pParent)> m_pfnGetOpenFileName;
    std::function<QString(QWidget* pParent, const QString& strProposed)> m_pfnGetSaveFileName;
    // Called when a drawing has gone, with the number still open.
    std::function<void(int nDocuments)> m_onDocumentClosed;

private:
    CChildFrame* CreateNewFrame(CMyDrevikDoc* pDoc);
    void ActivateDocument(CMyDrevikDoc* pDoc);
    void OnViewDestroyed(CMyDrevikDoc* pDoc);
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    CMyDrevikDoc* Adopt(std::unique_ptr<CMyDrevikDoc> pDoc);

    CMainFrame* m_pMainFrame;
    std::vector<std::unique_ptr<CMyDrevikDoc>> m_docs;
    int m_nUntitledCount = 0;
};

// The child frame that holds a view, or null.
CChildFrame* GetParentChildFrame(CMyDrevikView* pView);
// The name the save prompt uses for a drawing: its file, else its title.
QString GetPromptName(const CMyDrevikDoc* pDoc);
