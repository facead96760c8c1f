// The status bar: the three number formats, the panes' initial texts and
// widths, the idle text and the prompts of menu items and buttons.
#include "app/frames/commandstrings.h"
#include "app/frames/statusformat.h"
#include "frames_testing.h"
#include "resources/resource.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(FramesStatusFormat, cursorPaneSpacingAndSigns)
{
    EXPECT_EQ(FormatCursorPane(0, 0), QStringLiteral("x  0 , y  0"));
    EXPECT_EQ(FormatCursorPane(27195, 20396), QStringLiteral("x  27195 , y  20396"));
    EXPECT_EQ(FormatCursorPane(-5, -120), QStringLiteral("x  -5 , y  -120"));
}

TEST(FramesStatusFormat, distanceIsTruncatedRoot)
{
    EXPECT_EQ(FormatDeltaPane(0, 0), QStringLiteral("dx  0, dy 0 , dr 0"));
    EXPECT_EQ(FormatDeltaPane(3, 4), QStringLiteral("dx  3, dy 4 , dr 5"));
    EXPECT_EQ(FormatDeltaPane(1, 1), QStringLiteral("dx  1, dy 1 , dr 1"));
    EXPECT_EQ(FormatDeltaPane(-3, -4), QStringLiteral("dx  -3, dy -4 , dr 5"));
    // 99^2 + 1 = 9802; the root 99.005 is cut to 99, and 9800 to 98.
    EXPECT_EQ(TruncatedDistance(99, 1), 99);
    EXPECT_EQ(TruncatedDistance(70, 70), 98);
}

TEST(FramesStatusFormat, distanceBeyondThirtyTwoBitsStaysExact)
{
    // 46341^2 alone passes 2^31: the sum must not overflow.
    EXPECT_EQ(TruncatedDistance(46341, 0), 46341);
    EXPECT_EQ(TruncatedDistance(40000, 30000), 50000);
    EXPECT_EQ(TruncatedDistance(INT_MIN, 0), 2147483648LL);
    // sqrt(2) * 2^31 = 3037000499.97...
    EXPECT_EQ(TruncatedDistance(INT_MIN, INT_MIN), 3037000499LL);
    EXPECT_EQ(TruncatedDistance(INT_MAX, INT_MAX), 3037000498LL);
    EXPECT_EQ(FormatDeltaPane(INT_MIN, 0), QStringLiteral("dx  -2147483648, dy 0 , dr 2147483648"));
}

TEST(FramesStatusFormat, angleShowsNegatedHundredthsWithoutLeadingZero)
{
    const QString deg = QString(QChar(0xB0));
    EXPECT_EQ(FormatAnglePane(0.0), QStringLiteral("< 0.0") + deg);
    EXPECT_EQ(FormatAnglePane(-12.5), QStringLiteral("< 12.50") + deg);
    EXPECT_EQ(FormatAnglePane(-12.05), QStringLiteral("< 12.5") + deg);
    EXPECT_EQ(FormatAnglePane(12.5), QStringLiteral("< -12.50") + deg);
    // Below one degree the sign is lost.
    EXPECT_EQ(FormatAnglePane(0.5), QStringLiteral("< 0.50") + deg);
    EXPECT_EQ(FormatAnglePane(-0.5), QStringLiteral("< 0.50") + deg);
    EXPECT_EQ(FormatAnglePane(-180.0), QStringLiteral("< 180.0") + deg);
    // Thousandths are cut, not rounded.
    EXPECT_EQ(FormatAnglePane(-45.678), QStringLiteral("< 45.67") + deg);
    EXPECT_EQ(FormatAnglePane(-90.009), QStringLiteral("< 90.0") + deg);
}

TEST(FramesStatusFormat, angleOutOfIntRangeSaturates)
{
    EXPECT_EQ(AngleHundredths(std::nan("")), 0);
    EXPECT_EQ(AngleHundredths(-1e300), INT_MAX);
    EXPECT_EQ(AngleHundredths(1e300), INT_MIN);
    EXPECT_EQ(AngleHundredths(-HUGE_VAL), INT_MAX);
    EXPECT_EQ(FormatAnglePane(1e300), QStringLiteral("< -21474836.48") + QChar(0xB0));
}

TEST(FramesStatusBar, panesStartWithTheirTextsAndThenShowZeros)
{
    auto pFrame = MakeMainFrame();
    const QString deg = QString(QChar(0xB0));
    EXPECT_EQ(pFrame->GetPaneText(0), QStringLiteral("Drawing Mode"));
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_ANGLE), QStringLiteral("ANGLES in degrees"));
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_DELTA), QStringLiteral("d X  , d Y   Difference and dR also"));
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_CURSOR), QStringLiteral("Xaxis  and   Yaxis   Coordinates"));

    // Each pane is at least as wide as its initial text.
    for (UINT nPane : {ID_PANE_ANGLE, ID_PANE_DELTA, ID_PANE_CURSOR}) {
        QLabel* pPane = pFrame->GetPane(nPane);
        ASSERT_NE(pPane, nullptr);
        EXPECT_GE(pPane->minimumWidth(), pPane->fontMetrics().horizontalAdvance(LoadFrameString(nPane)))
            << "pane " << nPane;
    }

    pFrame->UpdateStatusPanes();
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_ANGLE), QStringLiteral("< 0.0") + deg);
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_DELTA), QStringLiteral("dx  0, dy 0 , dr 0"));
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_CURSOR), QStringLiteral("x  0 , y  0"));
}

TEST(FramesStatusBar, panesFollowTheValuesTheViewWrites)
{
    auto pFrame = MakeMainFrame();
    CStatusValues* pValues = GetMainStatusValues();
    ASSERT_EQ(pValues, static_cast<CStatusValues*>(pFrame.get()));
    pValues->m_nCursorX = 1250;
    pValues->m_nCursorY = 375;
    pValues->m_nDeltaX = 3;
    pValues->m_nDeltaY = 4;
    pValues->m_dAngle = -53.13;
    pFrame->UpdateStatusPanes();
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_CURSOR), QStringLiteral("x  1250 , y  375"));
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_DELTA), QStringLiteral("dx  3, dy 4 , dr 5"));
    EXPECT_EQ(pFrame->GetPaneText(ID_PANE_ANGLE), QStringLiteral("< 53.13") + QChar(0xB0));

    // Left to right: the prompt pane, then angle, distance and position.
    pFrame->resize(1400, 600);
    pFrame->show();
    QApplication::processEvents();
    int xPrevious = -1;
    for (UINT nPane : {0u, ID_PANE_ANGLE, ID_PANE_DELTA, ID_PANE_CURSOR}) {
        const int x = pFrame->GetPane(nPane)->mapTo(pFrame->m_wndStatusBar, QPoint()).x();
        EXPECT_GT(x, xPrevious) << "pane " << nPane;
        xPrevious = x;
    }

    pFrame.reset();
    EXPECT_EQ(GetMainStatusValues(), nullptr);
}

TEST(FramesStatusBar, hoveringAButtonOrMenuItemShowsItsPrompt)
{
    auto pFrame = MakeMainFrame();
    pFrame->show();
    QApplication::processEvents();

    // A button: the part of its string before the line break.
    QToolButton* pButton = qobject_cast<QToolButton*>(
        pFrame->m_wndDrawBar->widgetForAction(pFrame->GetRouter().GetAction(ID_TOOL_LINE)));
    ASSERT_NE(pButton, nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(pButton, &enter);
    EXPECT_EQ(pFrame->GetPaneText(0), QStringLiteral("Select Tool to Draw Straight Lines"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(pButton, &leave);
    EXPECT_EQ(pFrame->GetPaneText(0), QStringLiteral("Drawing Mode"));

    // A menu item of a menu opened from the bar.
    QAction* pViewTitle = pFrame->menuBar()->actions().at(1);
    QMenu* pView = pViewTitle->menu();
    ASSERT_NE(pView, nullptr);
    pFrame->menuBar()->setActiveAction(pViewTitle);
    QApplication::processEvents();
    ASSERT_TRUE(pView->isVisible());
    pView->setActiveAction(pFrame->GetRouter().GetAction(ID_VIEW_STATUS_BAR));
    QApplication::processEvents();
    EXPECT_EQ(pFrame->GetPaneText(0), QStringLiteral("Show or hide the status bar"));
    pView->hide();
    QApplication::processEvents();
    EXPECT_EQ(pFrame->GetPaneText(0), QStringLiteral("Drawing Mode"));
}
