// The splash window: when it appears, which input hides it, and that it
// swallows only the input that hides it.
#include "app/splash/splashwnd.h"
#include "app/startup/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A main window stand-in that takes the splash window with it.
class SplashFixture : public ::testing::Test {
protected:
    void SetUp() override { CSplashWindow::EnableSplashScreen(true); }
    void TearDown() override
    {
        m_pOwner.reset();
        CSplashWindow::EnableSplashScreen(false);
    }
    std::unique_ptr<QWidget> m_pOwner = std::make_unique<QWidget>();
};

std::unique_ptr<QEvent> MousePress(QEvent::Type nType, Qt::MouseButton nButton)
{
    return std::make_unique<QMouseEvent>(nType, QPointF(5, 5), QPointF(5, 5), nButton, nButton, Qt::NoModifier);
}

} // namespace

TEST_F(SplashFixture, showsOnceOverTheFrameAndNeverWhenDisabled)
{
    CSplashWindow::EnableSplashScreen(false);
    CSplashWindow::ShowSplashScreen(m_pOwner.get());
    EXPECT_EQ(CSplashWindow::GetSplashWindow(), nullptr);

    CSplashWindow::EnableSplashScreen(true);
    CSplashWindow::ShowSplashScreen(m_pOwner.get());
    CSplashWindow* pSplash = CSplashWindow::GetSplashWindow();
    ASSERT_NE(pSplash, nullptr);
    EXPECT_TRUE(pSplash->isVisible());
    EXPECT_EQ(pSplash->size(), QSize(kSplashWidth, kSplashHeight));
    EXPECT_TRUE(pSplash->isWindow());
    EXPECT_FALSE(pSplash->IsHiding());
    // A splash window that stays above the main frame shown after it.
    EXPECT_EQ(pSplash->windowType(), Qt::SplashScreen);
    EXPECT_TRUE(pSplash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(pSplash->windowFlags().testFlag(Qt::FramelessWindowHint));
    m_pOwner->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(pSplash->isVisible());

    CSplashWindow::ShowSplashScreen(m_pOwner.get());
    EXPECT_EQ(CSplashWindow::GetSplashWindow(), pSplash);
}

TEST_F(SplashFixture, keysAndTheThreeButtonsHideItAndAreSwallowed)
{
    struct Row { const char* szName; std::function<std::unique_ptr<QEvent>()> fnMake; };
    const Row rows[] = {
        {"key", [] { return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"); }},
        {"alt key", [] { return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier); }},
        {"left", [] { return MousePress(QEvent::MouseButtonPress, Qt::LeftButton); }},
        {"right", [] { return MousePress(QEvent::MouseButtonPress, Qt::RightButton); }},
        {"middle", [] { return MousePress(QEvent::MouseButtonPress, Qt::MiddleButton); }},
        {"frame left", [] { return MousePress(QEvent::NonClientAreaMouseButtonPress, Qt::LeftButton); }},
        {"frame middle", [] { return MousePress(QEvent::NonClientAreaMouseButtonPress, Qt::MiddleButton); }},
    };
    for (const Row& row : rows) {
        m_pOwner = std::make_unique<QWidget>();
        CSplashWindow::ShowSplashScreen(m_pOwner.get());
        CSplashWindow* pSplash = CSplashWindow::GetSplashWindow();
        ASSERT_NE(pSplash, nullptr) << row.szName;
        std::unique_ptr<QEvent> pEvent = row.fnMake();
        EXPECT_TRUE(CSplashWindow::PreTranslateAppMessage(m_pOwner.get(), pEvent.get())) << row.szName;
        EXPECT_TRUE(pSplash->IsHiding()) << row.szName;
        // While it hides, input goes on to the program.
        std::unique_ptr<QEvent> pNext = row.fnMake();
        EXPECT_FALSE(CSplashWindow::PreTranslateAppMessage(m_pOwner.get(), pNext.get())) << row.szName;
    }
}

TEST_F(SplashFixture, otherInputPassesAndLeavesItUp)
{
    CSplashWindow::ShowSplashScreen(m_pOwner.get());
    CSplashWindow* pSplash = CSplashWindow::GetSplashWindow();
    ASSERT_NE(pSplash, nullptr);
    const std::pair<QEvent::Type, Qt::MouseButton> others[] = {
        {QEvent::MouseMove, Qt::NoButton}, {QEvent::MouseButtonRelease, Qt::LeftButton},
        {QEvent::MouseButtonPress, Qt::BackButton}, {QEvent::MouseButtonDblClick, Qt::LeftButton}};
    for (const auto& [nType, nButton] : others) {
        const std::unique_ptr<QEvent> pEvent = MousePress(nType, nButton);
        EXPECT_FALSE(CSplashWindow::PreTranslateAppMessage(m_pOwner.get(), pEvent.get())) << int(nType);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(CSplashWindow::PreTranslateAppMessage(m_pOwner.get(), &release));
    EXPECT_FALSE(pSplash->IsHiding());

    // A shortcut key is held back so that its key press comes and hides the window.
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(CSplashWindow::PreTranslateAppMessage(m_pOwner.get(), &shortcut));
    EXPECT_TRUE(shortcut.isAccepted());
    EXPECT_FALSE(pSplash->IsHiding());
}

TEST_F(SplashFixture, theWindowGoesAfterHidingAndTheFilterThenLetsAllPass)
{
    CSplashWindow::ShowSplashScreen(m_pOwner.get());
    ASSERT_NE(CSplashWindow::GetSplashWindow(), nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(m_pOwner.get(), &press);
    ASSERT_NE(CSplashWindow::GetSplashWindow(), nullptr);
    EXPECT_TRUE(CSplashWindow::GetSplashWindow()->IsHiding());

    const QDeadlineTimer deadline(10000);
    while (CSplashWindow::GetSplashWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(CSplashWindow::GetSplashWindow(), nullptr);
    QKeyEvent later(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(CSplashWindow::PreTranslateAppMessage(m_pOwner.get(), &later));
}

TEST(SplashPicture, isTheSizeOfTheWindowAndNotBlank)
{
    const QImage image = SplashPicture();
    ASSERT_EQ(image.size(), QSize(kSplashWidth, kSplashHeight));
    // Paper at the corner, ink on the frame line, the plate's shading inside.
    const QRgb rgbPaper = image.pixel(2, 2);
    EXPECT_GT(qGray(rgbPaper), 230);
    EXPECT_LT(qGray(image.pixel(8, 200)), 120);
    int nInked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nInked += image.pixel(x, y) != rgbPaper;
    EXPECT_GT(nInked, kSplashWidth * kSplashHeight / 20);
}

// A message box asked for while the splash is the active window outlives
// the splash, which closes itself meanwhile: the real box, not an answerer.
TEST_F(SplashFixture, aMessageBoxOutlivesTheSplashThatWasActive)
{
    m_pOwner->show();
    CSplashWindow::ShowSplashScreen(m_pOwner.get());
    QPointer<CSplashWindow> pSplash = CSplashWindow::GetSplashWindow();
    ASSERT_NE(pSplash, nullptr);
    pSplash->activateWindow();
    QCoreApplication::processEvents();
    // Where the platform cannot activate windows, the splash is named.
    QWidget* pParent = QApplication::activeWindow() == pSplash ? nullptr : pSplash.data();

    bool bAnswered = false;
    const QDeadlineTimer deadline(20000);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox)
            return;
        // Answer only once the splash has gone, or give up in the end.
        if (pSplash && !deadline.hasExpired())
            return;
        bAnswered = !pSplash;
        pBox->button(QMessageBox::Ok)->click();
    });
    answerer.start(50);
    const QMessageBox::StandardButton nAnswer =
        ShowMessageBox(QStringLiteral("Cannot open x.kvd: it is not a file."), QMessageBox::Ok,
                       QMessageBox::Warning, pParent);
    EXPECT_TRUE(bAnswered);
    EXPECT_EQ(nAnswer, QMessageBox::Ok);
    EXPECT_TRUE(pSplash.isNull());
    EXPECT_EQ(CSplashWindow::GetSplashWindow(), nullptr);
}
