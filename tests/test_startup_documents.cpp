// New, Open, Save, Save As and Close of drawings in their child windows,
// and the question before a changed drawing goes.
#include "app/frames/childframe.h"
#include "app/frames/mainframe.h"
#include "app/settings/mydrevikapp.h"
#include "app/documents/doctemplate.h"
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "startup_testing.h"
#include "view/mydrevikview.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class DocumentsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsolateProfile();
        m_pFrame = std::make_unique<CMainFrame>();
        m_pTemplate = std::make_unique<CMultiDocTemplate>(m_pFrame.get());
        m_pTemplate->m_pfnGetSaveFileName = [this](QWidget*, const QString& strProposed) {
            m_strProposed = strProposed;
            return m_strSaveAnswer;
        };
    }
    void TearDown() override
    {
        m_pTemplate.reset();
        m_pFrame.reset();
    }

    static void Scribble(CMyDrevikDoc* pDoc)
    {
        pDoc->AddFigure(std::make_unique<CLine>(100, -100, 900, -700, 0, 1, PS_SOLID));
    }
    int ChildWindows() const { return int(m_pFrame->GetMdiArea()->subWindowList().size()); }
    QString WriteFile(const char* szName, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(szName));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    // A drawing of one line saved to szName and closed again.
    QString SavedDrawing(const char* szName)
    {
        CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
        Scribble(pDoc);
        const QString strPath = m_dir.filePath(szName);
        EXPECT_TRUE(m_pTemplate->DoSave(pDoc, strPath, false));
        m_pTemplate->OnFileClose(pDoc);
        return strPath;
    }

    QTemporaryDir m_dir;
    CMessageAnswers m_answers;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CMultiDocTemplate> m_pTemplate;
    QString m_strSaveAnswer;
    QString m_strProposed;
};

} // namespace

TEST_F(DocumentsFixture, newDrawingsAreNumberedEachInItsWindow)
{
    CMyDrevikDoc* pFirst = m_pTemplate->OpenDocumentFile(QString());
    CMyDrevikDoc* pSecond = m_pTemplate->OpenDocumentFile(QString());
    ASSERT_TRUE(pFirst && pSecond);
    EXPECT_EQ(pFirst->GetTitle(), "Skizza1");
    EXPECT_EQ(pSecond->GetTitle(), "Skizza2");
    EXPECT_FALSE(pFirst->IsModified());
    EXPECT_EQ(ChildWindows(), 2);
    EXPECT_EQ(m_pTemplate->GetActiveDocument(), pSecond);

    // A closed number is not given again.
    m_pTemplate->OnFileClose(pSecond);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 1);
    EXPECT_EQ(m_pTemplate->OpenDocumentFile(QString())->GetTitle(), "Skizza3");
    EXPECT_TRUE(m_answers.m_texts.isEmpty());
}

// One source for each setting: a unit chosen from the menu shows at once in
// every window, and an option confirmed in Change Options is what each view
// reads.
TEST_F(DocumentsFixture, everyWindowReadsTheApplicationsOneSettingsRecord)
{
    theApp.ResetSettings();
    CMyDrevikDoc* pFirst = m_pTemplate->OpenDocumentFile(QString());
    CMyDrevikDoc* pSecond = m_pTemplate->OpenDocumentFile(QString());
    ASSERT_TRUE(pFirst && pSecond);
    auto* pViewFirst = static_cast<CMyDrevikView*>(pFirst->GetViews().front());
    auto* pViewSecond = static_cast<CMyDrevikView*>(pSecond->GetViews().front());

    EXPECT_TRUE(theApp.OnCommand(ID_UNITS_LOW_METRIC));
    EXPECT_EQ(pViewFirst->ToDisplayUnits(27195, -20396), CPoint(2719, 2039));
    EXPECT_EQ(pViewSecond->ToDisplayUnits(27195, -20396), CPoint(2719, 2039));

    theApp.m_options.m_nParallelDistance = 9;
    EXPECT_EQ(pViewFirst->GetSettings().m_options.m_nParallelDistance, 9);
    EXPECT_EQ(&pViewSecond->GetSettings(), &theApp.GetSettings());
    // The text tool of every window asks the application's one dialog.
    EXPECT_EQ(pViewFirst->m_pTextDlg, &theApp.m_dlgText);
    EXPECT_EQ(pViewSecond->m_pTextDlg, &theApp.m_dlgText);
    theApp.ResetSettings();
}

TEST_F(DocumentsFixture, aChangedDrawingShowsItInItsWindow)
{
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    CChildFrame* pChild = GetParentChildFrame(static_cast<CMyDrevikView*>(pDoc->GetViews().front()));
    ASSERT_NE(pChild, nullptr);
    EXPECT_FALSE(pChild->isWindowModified());
    Scribble(pDoc);
    EXPECT_TRUE(pChild->isWindowModified());
    ASSERT_TRUE(m_pTemplate->DoSave(pDoc, m_dir.filePath("a.kvd"), false));
    EXPECT_FALSE(pChild->isWindowModified());
}

TEST_F(DocumentsFixture, anUnreadableFileIsReportedAndChangesNothing)
{
    CMyDrevikDoc* pActive = m_pTemplate->OpenDocumentFile(QString());
    const QString strBad = WriteFile("bad.kvd", "not a drawing at all");
    EXPECT_EQ(m_pTemplate->OpenDocumentFile(strBad), nullptr);
    EXPECT_EQ(m_answers.m_texts, QStringList({"Unexpected file format."}));
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 1);
    EXPECT_EQ(ChildWindows(), 1);
    EXPECT_EQ(m_pTemplate->GetActiveDocument(), pActive);
    for (int i = 0; i < m_pFrame->GetRecentFileList().GetCount(); ++i)
        EXPECT_NE(m_pFrame->GetRecentFileList().GetPath(i), strBad);

    // A missing file is reported too, in its own words.
    EXPECT_EQ(m_pTemplate->OpenDocumentFile(m_dir.filePath("absent.kvd")), nullptr);
    EXPECT_EQ(m_answers.m_texts.size(), 2);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 1);
}

TEST_F(DocumentsFixture, openingAFileShowsItsNameAndNoStepsAndListsItAsRecent)
{
    const QString strPath = SavedDrawing("plate.kvd");
    ASSERT_EQ(m_pTemplate->GetDocumentCount(), 0);
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(strPath);
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pDoc->GetTitle(), "plate.kvd");
    EXPECT_EQ(pDoc->GetCount(), 1);
    EXPECT_EQ(pDoc->GetVisibleCount(), 0);
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(m_pFrame->GetRecentFileList().GetPath(0), QFileInfo(strPath).absoluteFilePath());

    // Opened again, by another spelling of its path: the open one comes forward.
    m_pTemplate->OpenDocumentFile(QString());
    EXPECT_NE(m_pTemplate->GetActiveDocument(), pDoc);
    EXPECT_EQ(m_pTemplate->OpenDocumentFile(m_dir.path() + "/./plate.kvd"), pDoc);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 2);
    EXPECT_EQ(m_pTemplate->GetActiveDocument(), pDoc);
}

TEST_F(DocumentsFixture, saveAsAddsTheExtensionAndRenamesTheDrawing)
{
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    Scribble(pDoc);
    m_strSaveAnswer = m_dir.filePath("bracket");
    ASSERT_TRUE(m_pTemplate->DoFileSave(pDoc));  // no file yet: Save asks
    EXPECT_EQ(m_strProposed, "Skizza1.kvd");
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath("bracket.kvd")));
    EXPECT_EQ(pDoc->GetTitle(), "bracket.kvd");
    EXPECT_FALSE(pDoc->IsModified());

    // A name with an extension of its own keeps it; Cancel saves nothing.
    Scribble(pDoc);
    m_strSaveAnswer = m_dir.filePath("bracket.v2");
    ASSERT_TRUE(m_pTemplate->DoSave(pDoc, QString(), true));
    EXPECT_EQ(pDoc->GetTitle(), "bracket.v2");
    Scribble(pDoc);
    m_strSaveAnswer.clear();
    EXPECT_FALSE(m_pTemplate->DoSave(pDoc, QString(), true));
    EXPECT_TRUE(pDoc->IsModified());
}

TEST_F(DocumentsFixture, aFailedSaveSaysSoAndKeepsTheDrawingModified)
{
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    Scribble(pDoc);
    EXPECT_FALSE(m_pTemplate->DoSave(pDoc, m_dir.filePath("no/such/folder/x.kvd"), false));
    ASSERT_EQ(m_answers.m_texts.size(), 1);
    EXPECT_TRUE(m_answers.m_texts[0].contains("x.kvd"));
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetTitle(), "Skizza1");

    // Closing it still asks; Yes with a failing save keeps it open.
    m_answers.m_answers = {QMessageBox::Yes};
    m_strSaveAnswer = m_dir.filePath("no/such/folder/y.kvd");
    m_pTemplate->OnFileClose(pDoc);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 1);
}

TEST_F(DocumentsFixture, closingAChangedDrawingAsksFirst)
{
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    Scribble(pDoc);

    m_answers.m_answers = {QMessageBox::Cancel};
    m_pTemplate->OnFileClose(pDoc);
    EXPECT_EQ(m_answers.m_texts, QStringList({"Save changes to Skizza1?"}));
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 1);

    // The window's own close button asks the same way.
    m_answers.m_answers = {QMessageBox::Cancel};
    CChildFrame* pChild = GetParentChildFrame(static_cast<CMyDrevikView*>(pDoc->GetViews().front()));
    EXPECT_FALSE(pChild->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 1);

    // Yes saves under the name chosen, then the drawing goes.
    m_answers.m_answers = {QMessageBox::Yes};
    m_strSaveAnswer = m_dir.filePath("kept.kvd");
    m_pTemplate->OnFileClose(pDoc);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 0);
    EXPECT_EQ(ChildWindows(), 0);
    EXPECT_GT(QFileInfo(m_dir.filePath("kept.kvd")).size(), 0);

    // No lets a changed drawing go unsaved; an unchanged one goes unasked.
    CMyDrevikDoc* pOther = m_pTemplate->OpenDocumentFile(QString());
    Scribble(pOther);
    m_answers.m_answers = {QMessageBox::No};
    pChild = GetParentChildFrame(static_cast<CMyDrevikView*>(pOther->GetViews().front()));
    EXPECT_TRUE(pChild->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_pTemplate->GetDocumentCount(), 0);
    m_pTemplate->OpenDocumentFile(QString());
    m_pTemplate->OnFileClose(m_pTemplate->GetActiveDocument());
    EXPECT_EQ(m_answers.m_texts.size(), 4);
}

TEST_F(DocumentsFixture, quittingAsksForEveryChangedDrawingUntilOneIsKept)
{
    const QString strPath = SavedDrawing("named.kvd");
    CMyDrevikDoc* pNamed = m_pTemplate->OpenDocumentFile(strPath);
    CMyDrevikDoc* pNew = m_pTemplate->OpenDocumentFile(QString());
    m_pTemplate->OpenDocumentFile(QString());  // unchanged: never asked
    Scribble(pNamed);
    Scribble(pNew);

    m_answers.m_answers = {QMessageBox::No, QMessageBox::Cancel};
    EXPECT_FALSE(m_pTemplate->SaveAllModified());
    EXPECT_EQ(m_answers.m_texts,
              QStringList({"Save changes to " + QFileInfo(strPath).absoluteFilePath() + "?", "Save changes to Skizza2?"}));

    m_answers.m_texts.clear();
    m_answers.m_answers = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_TRUE(m_pTemplate->SaveAllModified());
    EXPECT_FALSE(pNamed->IsModified());
    EXPECT_EQ(m_answers.m_texts.size(), 2);
}
