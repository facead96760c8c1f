// The Change Options dialog: what it shows on opening, which values OK and
// Cancel keep, and the check box that takes effect at once.
#include "app/dialogs/optionsdlg.h"
#include "platform/dialogcontrols.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Opens the dialog, moves the thickness and concentric sliders, optionally
// clicks the flip box, and closes with nButton.
int RunDialog(COptionsDlg& dlg, int nThickness, int nConcentric, bool bClickFlip, int nButton)
{
    DriveNextModal([=](QDialog* pDialog) {
        GetDlgItem<QSlider>(pDialog, IDC_SLIDER_THICKNESS)->setValue(nThickness);
        GetDlgItem<QSlider>(pDialog, IDC_SLIDER_CONCENTRIC)->setValue(nConcentric);
        if (bClickFlip)
            GetDlgItem<QCheckBox>(pDialog, IDC_FLIP_VERTICAL)->click();
        GetDlgItem<QPushButton>(pDialog, UINT(nButton))->click();
    });
    return dlg.DoModal();
}

} // namespace

TEST(OptionsDialog, firstOpeningShowsStartValuesRangesAndTicks)
{
    COptionsValues values;
    COptionsDlg dlg(values);
    std::unique_ptr<QDialog> pDialog(dlg.CreateDialogWindow(nullptr));
    EXPECT_EQ(pDialog->windowTitle(), "Change Options");
    struct Row { UINT nID; int nMin, nMax, nValue; const char* pszLabel; };
    const Row rows[] = {
        {IDC_SLIDER_THICKNESS, 1, 20, 1, "Line Thinkness"},
        {IDC_SLIDER_CONCENTRIC, -10, 10, 1, "Concentric Distance"},
        {IDC_SLIDER_PARALLEL, 1, 20, 2, "Parallel Line Distance"},
        {IDC_SLIDER_THREAD, 1, 20, 10, "Thread Distance"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszLabel);
        QSlider* pSlider = GetDlgItem<QSlider>(pDialog.get(), row.nID);
        ASSERT_NE(pSlider, nullptr);
        EXPECT_EQ(pSlider->minimum(), row.nMin);
        EXPECT_EQ(pSlider->maximum(), row.nMax);
        EXPECT_EQ(pSlider->value(), row.nValue);
        EXPECT_EQ(pSlider->tickInterval(), 1);
        EXPECT_NE(pSlider->tickPosition(), QSlider::NoTicks);
        int nLabels = 0;
        for (QLabel* pLabel : pDialog->findChildren<QLabel*>())
            nLabels += pLabel->text() == row.pszLabel && pLabel->buddy() == pSlider;
        EXPECT_EQ(nLabels, 1);
    }
    QCheckBox* pFlip = GetDlgItem<QCheckBox>(pDialog.get(), IDC_FLIP_VERTICAL);
    ASSERT_NE(pFlip, nullptr);
    EXPECT_EQ(pFlip->text(), "Flip to Vertical  Axis");
    EXPECT_FALSE(pFlip->isChecked());
}

TEST(OptionsDialog, okKeepsSlidersCancelRestoresThemButKeepsTheFlipToggle)
{
    COptionsValues values;
    COptionsDlg dlg(values);
    EXPECT_EQ(RunDialog(dlg, 7, -4, true, IDCANCEL), IDCANCEL);
    EXPECT_EQ(values.m_nLineThickness, 1);
    EXPECT_EQ(values.m_nConcentricDistance, 1);
    EXPECT_TRUE(values.m_bFlipVertical);

    EXPECT_EQ(RunDialog(dlg, 7, -3, false, IDOK), IDOK);
    EXPECT_EQ(values.m_nLineThickness, 7);
    EXPECT_EQ(values.m_nConcentricDistance, -3);
    EXPECT_EQ(values.m_nParallelDistance, 2);
    EXPECT_TRUE(values.m_bFlipVertical);

    // The next opening starts from the kept values, flip box ticked.
    int nShown = 0;
    bool bFlipShown = false;
    DriveNextModal([&](QDialog* pDialog) {
        nShown = GetDlgItem<QSlider>(pDialog, IDC_SLIDER_THICKNESS)->value();
        bFlipShown = GetDlgItem<QCheckBox>(pDialog, IDC_FLIP_VERTICAL)->isChecked();
        GetDlgItem<QCheckBox>(pDialog, IDC_FLIP_VERTICAL)->click();
        pDialog->reject();
    });
    dlg.DoModal();
    EXPECT_EQ(nShown, 7);
    EXPECT_TRUE(bFlipShown);
    EXPECT_FALSE(values.m_bFlipVertical);
}
