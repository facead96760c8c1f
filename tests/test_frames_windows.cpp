// The child windows in the main frame: the frame's title, and child
// windows that fit the area whatever the main window's size.
#include "app/frames/childframe.h"
#include "app/frames/mainframe.h"
#include "app/startup/appshell.h"
#include "app/documents/doctemplate.h"
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "startup_testing.h"
#include "view/mydrevikview.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FrameWindowsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsolateProfile();
        m_pFrame = std::make_unique<CMainFrame>();
        m_pTemplate = std::make_unique<CMultiDocTemplate>(m_pFrame.get());
    }
    void TearDown() override
    {
        m_pTemplate.reset();
        m_pFrame.reset();
    }
    // Lets queued work (title updates, layouts) run.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    CMessageAnswers m_answers;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CMultiDocTemplate> m_pTemplate;
};

} // namespace

TEST_F(FrameWindowsFixture, titleNamesTheProgramAndTheDrawingOnceMaximisedOrNot)
{
    m_pFrame->resize(900, 650);
    m_pFrame->show();
    EXPECT_EQ(m_pFrame->windowTitle(), "Korvada");
    CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
    ASSERT_NE(pDoc, nullptr);
    Settle();
    EXPECT_EQ(m_pFrame->windowTitle(), "Korvada - Skizza1");

    CChildFrame* pChild = m_pFrame->GetActiveChildFrame();
    ASSERT_NE(pChild, nullptr);
    ASSERT_NE(m_pFrame->windowHandle(), nullptr);
    EXPECT_EQ(m_pFrame->windowHandle()->title(), "Korvada - Skizza1");
    int nTitleChanges = 0;
    QObject::connect(m_pFrame->windowHandle(), &QWindow::windowTitleChanged, [&nTitleChanges] { ++nTitleChanges; });
    pChild->showMaximized();
    Settle();
    // The desktop shows the window's title: the rule's, however the child
    // window writes its name into the frame's.
    EXPECT_EQ(m_pFrame->windowHandle()->title(), "Korvada - Skizza1");
    EXPECT_LE(nTitleChanges, 2);  // no tug of war with the child window
    EXPECT_EQ(m_pFrame->windowTitle(), "Korvada - Skizza1");
    m_pTemplate->OpenDocumentFile(QString());
    Settle();
    EXPECT_EQ(m_pFrame->windowHandle()->title(), "Korvada - Skizza2");
    m_pFrame->GetActiveChildFrame()->showNormal();
    Settle();
    EXPECT_EQ(m_pFrame->windowTitle(), "Korvada - Skizza2");
    EXPECT_EQ(m_pFrame->windowHandle()->title(), "Korvada - Skizza2");
}

// The desktop appends an application display name to every window title
// that does not end with it; the program sets none, so nothing is appended.
TEST(FrameTitle, theDesktopAppendsNoDisplayName)
{
    const QString strOldName = QCoreApplication::applicationName();
    const QString strOldDisplay = QGuiApplication::applicationDisplayName();
    SetApplicationIdentity();
    // Without a display name of its own, the display name follows the name.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(strOldName);
    if (strOldDisplay != strOldName)
        QGuiApplication::setApplicationDisplayName(strOldDisplay);
}

// Whatever the main window's size and however many drawings are open, each
// child window lies inside the area, and each view can scroll to every
// part of the canvas.
struct AreaCase {
    const char* pszName;
    QSize sizeMain;
};
void PrintTo(const AreaCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class ChildWindowsFit : public FrameWindowsFixture, public ::testing::WithParamInterface<AreaCase> {
protected:
    void ExpectAllFit(const char* pszWhen)
    {
        QMdiArea* pArea = m_pFrame->GetMdiArea();
        const QRect rectArea(QPoint(0, 0), pArea->viewport()->size());
        const auto subWindows = pArea->subWindowList();
        for (QMdiSubWindow* pSub : subWindows) {
            auto* pChild = dynamic_cast<CChildFrame*>(pSub);
            ASSERT_NE(pChild, nullptr);
            EXPECT_TRUE(rectArea.contains(pChild->frameGeometry()))
                << pszWhen << ": child " << pChild->windowTitle().toStdString() << " at "
                << pChild->frameGeometry().x() << "," << pChild->frameGeometry().y() << " "
                << pChild->frameGeometry().width() << "x" << pChild->frameGeometry().height()
                << " in an area of " << rectArea.width() << "x" << rectArea.height();
            CMyDrevikView* pView = pChild->GetView();
            const QSize sizeCanvas = pView->GetSurface().size() / pView->devicePixelRatioF();
            const QSize sizeShown = pView->viewport()->size();
            EXPECT_GE(pView->horizontalScrollBar()->maximum() + sizeShown.width(), sizeCanvas.width()) << pszWhen;
            EXPECT_GE(pView->verticalScrollBar()->maximum() + sizeShown.height(), sizeCanvas.height()) << pszWhen;
        }
    }
};

TEST_P(ChildWindowsFit, everyChildInsideTheAreaAndTheCanvasWithinReach)
{
    m_pFrame->resize(GetParam().sizeMain);
    m_pFrame->show();
    Settle();
    for (int nOpen = 1; nOpen <= 4; ++nOpen) {
        ASSERT_NE(m_pTemplate->OpenDocumentFile(QString()), nullptr);
        Settle();
        ExpectAllFit(("with " + std::to_string(nOpen) + " open").c_str());
    }
    // A main window made smaller takes its child windows with it.
    m_pFrame->resize(GetParam().sizeMain * 3 / 4);
    Settle();
    ExpectAllFit("after shrinking the main window");
}

INSTANTIATE_TEST_SUITE_P(MainWindowSizes, ChildWindowsFit,
                         ::testing::Values(AreaCase{"large", QSize(1400, 1000)},
                                           AreaCase{"medium", QSize(900, 650)},
                                           AreaCase{"small", QSize(640, 480)}),
                         [](const auto& info) { return std::string(info.param.pszName); });

// Drawings open before the main window first shows, in an area still small;
// their windows take the size rule again as far as the shown area allows.
TEST_F(FrameWindowsFixture, aWindowCutWhileTheAreaWasSmallGrowsBackWithIt)
{
    m_pFrame->resize(300, 200);
    ASSERT_NE(m_pTemplate->OpenDocumentFile(QString()), nullptr);
    CChildFrame* pChild = m_pFrame->GetActiveChildFrame();
    ASSERT_NE(pChild, nullptr);
    m_pFrame->resize(1400, 1000);
    m_pFrame->show();
    Settle();
    const QSize sizeArea = m_pFrame->GetMdiArea()->viewport()->size();
    const QSize sizeRule = CChildFrame::GetCreateSize(pChild->screen()->size());
    EXPECT_EQ(pChild->size(), sizeRule.boundedTo(sizeArea));
}

// An opened drawing starts before its first step; the message pane says
// what it holds and how to see it, until a step is shown.
TEST_F(FrameWindowsFixture, anOpenedDrawingSaysItsFiguresWaitForLastStep)
{
    QTemporaryDir dir;
    CMyDrevikDoc* pNew = m_pTemplate->OpenDocumentFile(QString());
    ASSERT_NE(pNew, nullptr);
    m_pFrame->UpdateStatusPanes();
    EXPECT_EQ(m_pFrame->GetPaneText(0), "Drawing Mode");  // empty and new

    struct Row { int nFigures; const char* pszText; };
    for (const Row row : {Row{3, "This drawing holds 3 figures, none shown yet: Last Step shows them."},
                          Row{1, "This drawing holds 1 figure, not shown yet: Last Step shows it."}}) {
        CMyDrevikDoc* pDoc = m_pTemplate->OpenDocumentFile(QString());
        for (int i = 0; i < row.nFigures; ++i)
            pDoc->AddFigure(std::make_unique<CLine>(100, -100 * (i + 1), 900, -700, 0, 1, PS_SOLID));
        const QString strPath = dir.filePath(QStringLiteral("d%1.kvd").arg(row.nFigures));
        ASSERT_TRUE(m_pTemplate->DoSave(pDoc, strPath, false));
        m_pTemplate->OnFileClose(pDoc);

        CMyDrevikDoc* pOpened = m_pTemplate->OpenDocumentFile(strPath);
        ASSERT_NE(pOpened, nullptr);
        ASSERT_EQ(pOpened->GetVisibleCount(), 0);
        m_pFrame->UpdateStatusPanes();
        EXPECT_EQ(m_pFrame->GetPaneText(0), row.pszText);
        // A prompt still covers it while a menu item is hovered.
        m_pFrame->m_wndStatusBar->showMessage(QStringLiteral("Displays a Tip of the Day."));
        EXPECT_EQ(m_pFrame->GetPaneText(0), "Displays a Tip of the Day.");
        m_pFrame->m_wndStatusBar->clearMessage();

        pOpened->OnLastStep();
        m_pFrame->UpdateStatusPanes();
        EXPECT_EQ(m_pFrame->GetPaneText(0), "Drawing Mode");
    }
}
