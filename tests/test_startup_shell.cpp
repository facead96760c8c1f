// The start-up sequence as a whole: what a normal start, a start for
// another program and a start with files leave behind, and the commands,
// drops and hand-overs that reach the running program.
#include "app/frames/mainframe.h"
#include "app/splash/splashwnd.h"
#include "app/startup/appshell.h"
#include "app/startup/commandline.h"
#include "app/documents/doctemplate.h"
#include "app/startup/instancechannel.h"
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "resources/resource.h"
#include "startup_testing.h"
#include "view/sharedprinter.h"
#include "widget_driver.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsolateProfile();
        m_shell.m_pfnShowTipAtStartup = [this](QWidget* pParent) { m_tipParents << pParent; };
    }
    void TearDown() override { CSplashWindow::EnableSplashScreen(false); }

    bool Start(const QStringList& arguments, const QString& strServer = QString())
    {
        CCommandLineInfo cmdInfo;
        cmdInfo.ParseCommandLine(arguments);
        return m_shell.InitInstance(cmdInfo, strServer);
    }
    int Documents() const { return m_shell.GetDocTemplate()->GetDocumentCount(); }
    // A saved drawing of one line, written without any window.
    QString SavedDrawing(const char* szName)
    {
        CMyDrevikDoc doc;
        doc.AddFigure(std::make_unique<CLine>(0, 0, 500, -500, 0, 1, PS_SOLID));
        const QString strPath = m_dir.filePath(szName);
        EXPECT_TRUE(doc.OnSaveDocument(strPath));
        return strPath;
    }

    QTemporaryDir m_dir;
    CMessageAnswers m_answers;
    CAppShell m_shell;
    QList<QWidget*> m_tipParents;
};

} // namespace

TEST_F(ShellFixture, aPlainStartShowsTheFrameANewDrawingTheSplashAndTheTip)
{
    ASSERT_TRUE(Start({}));
    CMainFrame* pFrame = m_shell.GetMainFrame();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_TRUE(pFrame->isVisible());
    EXPECT_TRUE(pFrame->isMaximized());
    EXPECT_TRUE(pFrame->acceptDrops());
    ASSERT_EQ(Documents(), 1);
    EXPECT_EQ(m_shell.GetDocTemplate()->GetDocument(0)->GetTitle(), "Skizza1");
    ASSERT_NE(CSplashWindow::GetSplashWindow(), nullptr);
    EXPECT_EQ(CSplashWindow::GetSplashWindow()->parentWidget(), pFrame);
    EXPECT_EQ(m_tipParents, QList<QWidget*>({pFrame}));
    EXPECT_FALSE(m_shell.IsRunningEmbedded());
}

TEST_F(ShellFixture, aStartForAnotherProgramShowsNothingAndOpensNothing)
{
    ASSERT_TRUE(Start({"/Embedding", m_dir.filePath("ignored.kvd")}));
    EXPECT_TRUE(m_shell.IsRunningEmbedded());
    EXPECT_FALSE(m_shell.GetMainFrame()->isVisible());
    EXPECT_EQ(Documents(), 0);
    EXPECT_EQ(CSplashWindow::GetSplashWindow(), nullptr);
    EXPECT_TRUE(m_tipParents.isEmpty());
    EXPECT_TRUE(m_answers.m_texts.isEmpty());
}

TEST_F(ShellFixture, namedFilesOpenInsteadOfANewDrawing)
{
    const QString strPath = SavedDrawing("part.kvd");
    ASSERT_TRUE(Start({"-nosplash-switch-we-ignore", strPath, m_dir.filePath("bad.kvd")}));
    // The missing one is reported; the start goes on with the other.
    EXPECT_EQ(m_answers.m_texts.size(), 1);
    ASSERT_EQ(Documents(), 1);
    EXPECT_EQ(m_shell.GetDocTemplate()->GetDocument(0)->GetTitle(), "part.kvd");
    EXPECT_EQ(m_shell.GetDocTemplate()->GetDocument(0)->GetVisibleCount(), 0);
}

TEST_F(ShellFixture, aStartThatOpensNoneOfItsFilesFails)
{
    EXPECT_FALSE(Start({m_dir.filePath("missing.kvd")}));
    EXPECT_EQ(m_answers.m_texts.size(), 1);
    EXPECT_EQ(Documents(), 0);
}

TEST_F(ShellFixture, fileCommandsTravelTheFramesChainToTheApplication)
{
    ASSERT_TRUE(Start({}));
    CCmdRouter& router = m_shell.GetMainFrame()->GetRouter();
    EXPECT_TRUE(router.RouteCommand(ID_FILE_NEW));
    EXPECT_EQ(Documents(), 2);
    EXPECT_EQ(m_shell.GetDocTemplate()->GetActiveDocument()->GetTitle(), "Skizza2");

    for (UINT nID : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
        router.UpdateAction(nID);
        ASSERT_NE(router.GetAction(nID), nullptr) << nID;
        EXPECT_TRUE(router.GetAction(nID)->isEnabled()) << nID;
    }
    EXPECT_TRUE(router.RouteCommand(ID_FILE_CLOSE));
    EXPECT_TRUE(router.RouteCommand(ID_FILE_CLOSE));
    EXPECT_EQ(Documents(), 0);
    for (UINT nID : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
        router.UpdateAction(nID);
        EXPECT_FALSE(router.GetAction(nID)->isEnabled()) << nID;
    }
    router.UpdateAction(ID_FILE_NEW);
    EXPECT_TRUE(router.GetAction(ID_FILE_NEW)->isEnabled());
}

TEST_F(ShellFixture, printSetupWorksWithoutADrawingAndEveryDrawingPrintsWithItsChoice)
{
    ASSERT_TRUE(Start({}));
    CCmdRouter& router = m_shell.GetMainFrame()->GetRouter();
    EXPECT_TRUE(router.RouteCommand(ID_FILE_CLOSE));
    ASSERT_EQ(Documents(), 0);
    router.UpdateAction(ID_FILE_PRINT_SETUP);
    ASSERT_NE(router.GetAction(ID_FILE_PRINT_SETUP), nullptr);
    EXPECT_TRUE(router.GetAction(ID_FILE_PRINT_SETUP)->isEnabled());

    QString strDialog;
    DriveNextModal([&strDialog](QDialog* pDialog) {
        strDialog = QString::fromLatin1(pDialog->metaObject()->className());
        pDialog->accept();
    });
    EXPECT_TRUE(router.RouteCommand(ID_FILE_PRINT_SETUP));
    EXPECT_FALSE(strDialog.isEmpty()) << "the page setup dialog opened";

    // Landscape chosen with no drawing open is what a new drawing prints in.
    SharedPrinter()->setPageOrientation(QPageLayout::Landscape);
    EXPECT_TRUE(router.RouteCommand(ID_FILE_NEW));
    QPrinter* pPrinter = nullptr;
    DriveNextModal([&pPrinter](QDialog* pDialog) {
        if (auto* pPrintDialog = qobject_cast<QPrintDialog*>(pDialog))
            pPrinter = pPrintDialog->printer();
        pDialog->reject();
    });
    EXPECT_TRUE(router.RouteCommand(ID_FILE_PRINT));
    EXPECT_EQ(pPrinter, SharedPrinter());
    EXPECT_EQ(SharedPrinter()->pageLayout().orientation(), QPageLayout::Landscape);
    SharedPrinter()->setPageOrientation(QPageLayout::Portrait);
}

TEST_F(ShellFixture, quittingWithAChangedDrawingAsksAndCancelKeepsTheProgram)
{
    ASSERT_TRUE(Start({}));
    m_shell.GetDocTemplate()->GetDocument(0)->AddFigure(std::make_unique<CLine>(0, 0, 500, -500, 0, 1, PS_SOLID));
    m_answers.m_answers = {QMessageBox::Cancel};
    EXPECT_FALSE(m_shell.GetMainFrame()->close());
    EXPECT_EQ(m_answers.m_texts, QStringList({"Save changes to Skizza1?"}));
    EXPECT_TRUE(m_shell.GetMainFrame()->isVisible());
    EXPECT_EQ(Documents(), 1);

    m_answers.m_answers = {QMessageBox::No};
    EXPECT_TRUE(m_shell.GetMainFrame()->close());
}

TEST_F(ShellFixture, droppedFilesOpen)
{
    ASSERT_TRUE(Start({}));
    const QString strPath = SavedDrawing("dropped.kvd");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(strPath)});
    CMainFrame* pFrame = m_shell.GetMainFrame();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pFrame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pFrame, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();
    ASSERT_EQ(Documents(), 2);
    EXPECT_EQ(m_shell.GetDocTemplate()->GetActiveDocument()->GetTitle(), "dropped.kvd");

    // A drag of text, not files, is refused.
    QMimeData text;
    text.setText("plate");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QCoreApplication::sendEvent(pFrame, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(ShellFixture, aSecondStartHandsItsFileToTheRunningProgram)
{
    const QString strServer = m_dir.filePath("korvada-shell-test");
    ASSERT_TRUE(Start({}, strServer));
    const QString strPath = SavedDrawing("handed.kvd");

    std::atomic<bool> bDone = false;
    bool bTaken = false;
    std::thread second([&] {
        bTaken = HandFilesToRunningInstance(strServer, {strPath}, 5000);
        bDone = true;
    });
    const QDeadlineTimer deadline(10000);
    while (!bDone && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    second.join();
    EXPECT_TRUE(bTaken);
    ASSERT_EQ(Documents(), 2);
    EXPECT_EQ(m_shell.GetDocTemplate()->GetActiveDocument()->GetTitle(), "handed.kvd");
}
