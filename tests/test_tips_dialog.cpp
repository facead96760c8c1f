// The tip of the day window: what it shows, Next Tip, and which way of
// closing stores the start-up choice.
#include "platform/dialogcontrols.h"
#include "app/tips/tipofdaydlg.h"
#include "resources/resource.h"
#include "tips_testing.h"
#include "widget_driver.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TipWindow {
    explicit TipWindow(CTipOfDayDlg& dlg) : m_pDialog(dlg.CreateDialogWindow())
    {
        m_pText = GetDlgItem<QLabel>(m_pDialog.get(), IDC_TIP_TEXT);
        m_pStartup = GetDlgItem<QCheckBox>(m_pDialog.get(), IDC_TIP_STARTUP);
        m_pNext = GetDlgItem<QPushButton>(m_pDialog.get(), IDC_TIP_NEXT);
        m_pClose = GetDlgItem<QPushButton>(m_pDialog.get(), IDOK);
    }
    bool Complete() const { return m_pText && m_pStartup && m_pNext && m_pClose; }

    std::unique_ptr<QDialog> m_pDialog;
    QLabel* m_pText = nullptr;
    QCheckBox* m_pStartup = nullptr;
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pClose = nullptr;
};

const QByteArray kTips = "One\nTwo\n";

} // namespace

TEST(TipsDialog, opensOnTheFetchedTipAndNextTipUndoesAnUnkeptClick)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips(kTips);
    CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
    TipWindow wnd(dlg);
    ASSERT_TRUE(wnd.Complete());
    EXPECT_EQ(wnd.m_pDialog->windowTitle(), "Tip of the Day");
    EXPECT_EQ(wnd.m_pText->text(), "One\n");
    EXPECT_TRUE(wnd.m_pStartup->isChecked());
    EXPECT_TRUE(wnd.m_pNext->isEnabled());
    EXPECT_TRUE(wnd.m_pClose->isDefault());

    wnd.m_pStartup->setChecked(false);
    wnd.m_pNext->click();
    EXPECT_EQ(wnd.m_pText->text(), "Two\n");
    EXPECT_TRUE(wnd.m_pStartup->isChecked());
    EXPECT_FALSE(fixture.Profile()->contains(kTipStartUp));
}

// Every way of closing the window keeps the box as the user left it.
enum class TipClosing { CloseButton, EnterKey, EscapeKey, CloseBox };
void PrintTo(TipClosing way, std::ostream* pOut)
{
    static const char* const kNames[] = {"CloseButton", "EnterKey", "EscapeKey", "CloseBox"};
    *pOut << kNames[int(way)];
}

std::string TipClosingName(const ::testing::TestParamInfo<TipClosing>& info)
{
    static const char* const s_names[] = {"closeButton", "enterKey", "escapeKey", "closeBox"};
    return s_names[int(info.param)];
}

class TipsDialogClosing : public ::testing::TestWithParam<TipClosing> {
protected:
    static void CloseWindow(TipWindow& wnd, TipClosing nWay)
    {
        switch (nWay) {
        case TipClosing::CloseButton: wnd.m_pClose->click(); break;
        case TipClosing::EnterKey: PressKey(wnd.m_pDialog.get(), Qt::Key_Return); break;
        case TipClosing::EscapeKey: PressKey(wnd.m_pDialog.get(), Qt::Key_Escape); break;
        case TipClosing::CloseBox: wnd.m_pDialog->close(); break;
        }
    }
};

TEST_P(TipsDialogClosing, storesTheStartUpChoice)
{
    TipsFixture fixture;
    const QString strPath = fixture.WriteTips(kTips);
    {
        CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
        TipWindow wnd(dlg);
        wnd.m_pDialog->show();
        wnd.m_pStartup->setChecked(false);
        CloseWindow(wnd, GetParam());
        EXPECT_FALSE(wnd.m_pDialog->isVisible());
        EXPECT_FALSE(dlg.m_bStartup);
    }
    EXPECT_EQ(fixture.Profile()->value(kTipStartUp).toInt(), 1);
    {
        // The next start shows no tip, yet the position still moves on.
        CTipOfDayDlg dlg(nullptr, fixture.Profile(), strPath);
        EXPECT_FALSE(dlg.m_bStartup);
        EXPECT_EQ(dlg.m_strTip, "Two\n");
        TipWindow wnd(dlg);
        wnd.m_pDialog->show();
        EXPECT_FALSE(wnd.m_pStartup->isChecked());
        wnd.m_pStartup->setChecked(true);
        CloseWindow(wnd, GetParam());
    }
    EXPECT_EQ(fixture.Profile()->value(kTipStartUp).toInt(), 0);
    EXPECT_EQ(fixture.Profile()->value(kTipFilePos).toLongLong(), 8);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, TipsDialogClosing,
                         ::testing::Values(TipClosing::CloseButton, TipClosing::EnterKey,
                                           TipClosing::EscapeKey, TipClosing::CloseBox),
                         TipClosingName);

TEST(TipsDialog, withoutATipsFileNextTipIsDisabled)
{
    TipsFixture fixture;
    CTipOfDayDlg dlg(nullptr, fixture.Profile(), QString());
    TipWindow wnd(dlg);
    ASSERT_TRUE(wnd.Complete());
    EXPECT_EQ(wnd.m_pText->text(), kTipsFileMissing);
    EXPECT_FALSE(wnd.m_pNext->isEnabled());
    wnd.m_pClose->click();
    EXPECT_EQ(fixture.Profile()->allKeys(), QStringList({kTipStartUp}));
}
