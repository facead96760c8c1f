// The Change Options dialog: what it shows on opening, which values OK and
// Cancel keep, and the check box that takes effect at once.
#include "app/dialogs/optionsdlg.h"
#include "app/dialogs/dialogcontrols.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

QSlider* Slider(QDialog* pDialog, UINT nID)
{
    return GetDlgItem<QSlider>(pDialog, nID);
}

void Press(QDialog* pDialog, int nButton)
{
    QPushButton* pButton = GetDlgItem<QPushButton>(pDialog, UINT(nButton));
    ASSERT_NE(pButton, nullptr);
    pButton->click();
}

// Opens the dialog, moves every slider to the given positions and closes
// it with nButton.
int RunWithSliders(COptionsDlg& dlg, int nThickness, int nConcentric, int nParallel,
                   int nThread, int nButton)
{
    DriveNextModal([=](QDialog* pDialog) {
        Slider(pDialog, IDC_SLIDER_THICKNESS)->setValue(nThickness);
        Slider(pDialog, IDC_SLIDER_CONCENTRIC)->setValue(nConcentric);
        Slider(pDialog, IDC_SLIDER_PARALLEL)->setValue(nParallel);
        Slider(pDialog, IDC_SLIDER_THREAD)->setValue(nThread);
        Press(pDialog, nButton);
    });
    return dlg.DoModal();
}

} // namespace

TEST(OptionsDialog, firstOpeningShowsStartValuesRangesAndTicks)
{
    COptionsDlg dlg;
    std::unique_ptr<QDialog> pDialog(dlg.CreateDialogWindow(nullptr));
    EXPECT_EQ(pDialog->windowTitle(), "Change Options");

    struct Expected { UINT nID; int nMin, nMax, nValue; const char* pszLabel; };
    const Expected rows[] = {
        {IDC_SLIDER_THICKNESS, 1, 20, 1, "Line Thinkness"},
        {IDC_SLIDER_CONCENTRIC, -10, 10, 1, "Concentric Distance"},
        {IDC_SLIDER_PARALLEL, 1, 20, 2, "Parallel Line Distance"},
        {IDC_SLIDER_THREAD, 1, 20, 10, "Thread Distance"},
    };
    const QList<QLabel*> labels = pDialog->findChildren<QLabel*>();
    for (const Expected& row : rows) {
        SCOPED_TRACE(row.pszLabel);
        QSlider* pSlider = Slider(pDialog.get(), row.nID);
        ASSERT_NE(pSlider, nullptr);
        EXPECT_EQ(pSlider->minimum(), row.nMin);
        EXPECT_EQ(pSlider->maximum(), row.nMax);
        EXPECT_EQ(pSlider->value(), row.nValue);
        EXPECT_EQ(pSlider->tickInterval(), 1);
        EXPECT_NE(pSlider->tickPosition(), QSlider::NoTicks);
        const bool bLabelled = std::any_of(labels.begin(), labels.end(), [&](QLabel* pLabel) {
            return pLabel->text() == row.pszLabel && pLabel->buddy() == pSlider;
        });
        EXPECT_TRUE(bLabelled);
    }
    QCheckBox* pFlip = GetDlgItem<QCheckBox>(pDialog.get(), IDC_FLIP_VERTICAL);
    ASSERT_NE(pFlip, nullptr);
    EXPECT_EQ(pFlip->text(), "Flip to Vertical  Axis");
    EXPECT_FALSE(pFlip->isChecked());
}

TEST(OptionsDialog, okKeepsSliderPositionsAndCancelRestoresThem)
{
    COptionsDlg dlg;
    EXPECT_EQ(RunWithSliders(dlg, 7, -4, 5, 3, IDCANCEL), IDCANCEL);
    EXPECT_EQ(dlg.m_nLineThickness, 1);
    EXPECT_EQ(dlg.m_nConcentricDistance, 1);
    EXPECT_EQ(dlg.m_nParallelDistance, 2);
    EXPECT_EQ(dlg.m_nThreadDistance, 10);

    EXPECT_EQ(RunWithSliders(dlg, 7, -3, 5, 3, IDOK), IDOK);
    EXPECT_EQ(dlg.m_nLineThickness, 7);
    EXPECT_EQ(dlg.m_nConcentricDistance, -3);
    EXPECT_EQ(dlg.m_nParallelDistance, 5);
    EXPECT_EQ(dlg.m_nThreadDistance, 3);

    // The next opening starts from the kept values; a Cancel keeps them.
    int nShown = 0;
    DriveNextModal([&](QDialog* pDialog) {
        nShown = Slider(pDialog, IDC_SLIDER_THICKNESS)->value();
        Slider(pDialog, IDC_SLIDER_THICKNESS)->setValue(20);
        Press(pDialog, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(nShown, 7);
    EXPECT_EQ(dlg.m_nLineThickness, 7);
}

TEST(OptionsDialog, slidersStopAtTheirRangeEnds)
{
    COptionsDlg dlg;
    RunWithSliders(dlg, 25, -15, 0, 21, IDOK);
    EXPECT_EQ(dlg.m_nLineThickness, 20);
    EXPECT_EQ(dlg.m_nConcentricDistance, -10);
    EXPECT_EQ(dlg.m_nParallelDistance, 1);
    EXPECT_EQ(dlg.m_nThreadDistance, 20);
}

TEST(OptionsDialog, flipToggleSurvivesCancel)
{
    COptionsDlg dlg;
    DriveNextModal([](QDialog* pDialog) {
        GetDlgItem<QCheckBox>(pDialog, IDC_FLIP_VERTICAL)->click();
        Slider(pDialog, IDC_SLIDER_THREAD)->setValue(4);
        Press(pDialog, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_bFlipVertical);
    EXPECT_EQ(dlg.m_nThreadDistance, 10);

    // Clicking again clears it, and the box opened on the set flag.
    bool bShownChecked = false;
    DriveNextModal([&](QDialog* pDialog) {
        QCheckBox* pFlip = GetDlgItem<QCheckBox>(pDialog, IDC_FLIP_VERTICAL);
        bShownChecked = pFlip->isChecked();
        pFlip->click();
        Press(pDialog, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(bShownChecked);
    EXPECT_FALSE(dlg.m_bFlipVertical);
}
