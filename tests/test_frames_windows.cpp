// The child windows in the main frame: the frame's title, and child
// windows that fit the area whatever the main window's size.
#include "app/frames/childframe.h"
#include "app/frames/mainframe.h"
#include "app/startup/appshell.h"
#include "app/startup/doctemplate.h"
#include "document/mydrevikdoc.h"
#include "startup_testing.h"
#include "view/mydrevikview.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScrollBar>
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
