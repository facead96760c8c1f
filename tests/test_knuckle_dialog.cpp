// The knuckle joint's dialog: its controls, the order in which OK checks
// the four values, the messages, and the focus on the value at fault.
#include "knuckle/knucklejointdlg.h"
#include "platform/dialogcontrols.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

TEST(KnuckleDialog, showsCaptionLabelsAndStoredValues)
{
    CKnuckleJointDlg dlg;
    dlg.m_dTensile = 12.5;
    std::unique_ptr<QDialog> pDialog(dlg.CreateDialogWindow(nullptr));
    EXPECT_EQ(pDialog->windowTitle(), "Dialog");
    EXPECT_EQ(GetDlgItem<QLineEdit>(pDialog.get(), IDC_KNUCKLE_LOAD)->text(), "0");
    EXPECT_EQ(GetDlgItem<QLineEdit>(pDialog.get(), IDC_KNUCKLE_TENSILE)->text(), "12.5");
    EXPECT_EQ(GetDlgItem<QLabel>(pDialog.get(), IDC_KNUCKLE_CRUSHING_LABEL)->text(), "Fc (N/m2)");
    QStringList labels;
    for (const QLabel* pLabel : pDialog->findChildren<QLabel*>())
        labels << pLabel->text();
    EXPECT_EQ(labels, QStringList({"Load F  (kN)", "Ft  (N/m2)", "F&s (N/m2)", "Fc (N/m2)"}));
    EXPECT_TRUE(GetDlgItem<QPushButton>(pDialog.get(), UINT(IDOK))->isDefault());
}

// Each row fills the four edits and presses OK; the dialog names the
// first value at fault, in the order crushing, load, shear, tensile.
TEST(KnuckleDialog, okChecksCrushingLoadShearTensileInTurn)
{
    const QString strNumber = QStringLiteral("Please enter a number.");
    const QString strRange = QStringLiteral("Please enter a number between 10 and 200.");
    const struct {
        const char* pszCase;
        QStringList values;  // load, tensile, shear, crushing
        QString strMessage;  // empty: the dialog closes
        UINT nFocus;
    } rows[] = {
        {"startValuesAreOutOfRange", {"0", "0", "0", "0"}, strRange, IDC_KNUCKLE_CRUSHING},
        {"loadIsNoNumber", {"abc", "0", "0", "100"}, strNumber, IDC_KNUCKLE_LOAD},
        {"shearAboveRange", {"50", "0", "200.5", "100"}, strRange, IDC_KNUCKLE_SHEAR},
        {"emptyTensile", {"50", "", "100", "100"}, strNumber, IDC_KNUCKLE_TENSILE},
        {"nanIsNoValue", {"50", "nan", "100", "100"}, strRange, IDC_KNUCKLE_TENSILE},
        {"tensileBelowRange", {"50", "9.99", "100", "100"}, strRange, IDC_KNUCKLE_TENSILE},
        {"limitsAndBlanksPass", {" 1e2 ", "10", "200", "100"}, QString(), 0},
    };
    CKnuckleJointDlg dlg;
    DriveNextModal([&rows](QDialog* pDialog) {
        const UINT nEdits[] = {IDC_KNUCKLE_LOAD, IDC_KNUCKLE_TENSILE, IDC_KNUCKLE_SHEAR, IDC_KNUCKLE_CRUSHING};
        for (const auto& row : rows) {
            for (int i = 0; i < 4; ++i)
                GetDlgItem<QLineEdit>(pDialog, nEdits[i])->setText(row.values[i]);
            if (row.strMessage.isEmpty()) {
                GetDlgItem<QPushButton>(pDialog, UINT(IDOK))->click();
                EXPECT_FALSE(pDialog->isVisible()) << row.pszCase;
                break;
            }
            QString strShown;
            DriveNextModal([&strShown](QDialog* pBox) {
                if (auto* pMessage = qobject_cast<QMessageBox*>(pBox))
                    strShown = pMessage->text();
                pBox->accept();
            });
            GetDlgItem<QPushButton>(pDialog, UINT(IDOK))->click();
            EXPECT_EQ(strShown, row.strMessage) << row.pszCase;
            EXPECT_TRUE(pDialog->isVisible()) << row.pszCase;
            QLineEdit* pFocus = GetDlgItem<QLineEdit>(pDialog, row.nFocus);
            EXPECT_EQ(pDialog->focusWidget(), pFocus) << row.pszCase;
            EXPECT_EQ(pFocus->selectedText(), pFocus->text()) << row.pszCase;
        }
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bAccepted);
    EXPECT_DOUBLE_EQ(dlg.m_dLoad, 100.0);
    EXPECT_DOUBLE_EQ(dlg.m_dTensile, 10.0);
    EXPECT_DOUBLE_EQ(dlg.m_dShear, 200.0);
    EXPECT_DOUBLE_EQ(dlg.m_dCrushing, 100.0);
}

// A run that ends without OK changes none of the values the next run shows.
TEST(KnuckleDialog, cancelAfterAFailedOkKeepsTheLastValues)
{
    CKnuckleJointDlg dlg;
    dlg.m_dLoad = 50;
    dlg.m_dCrushing = 100;
    dlg.m_bAccepted = true;
    DriveNextModal([](QDialog* pDialog) {
        GetDlgItem<QLineEdit>(pDialog, IDC_KNUCKLE_CRUSHING)->setText("150");
        GetDlgItem<QLineEdit>(pDialog, IDC_KNUCKLE_LOAD)->setText("5");
        DriveNextModal([](QDialog* pBox) { pBox->accept(); });
        GetDlgItem<QPushButton>(pDialog, UINT(IDOK))->click();
        GetDlgItem<QPushButton>(pDialog, UINT(IDCANCEL))->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.m_bAccepted);
    EXPECT_DOUBLE_EQ(dlg.m_dLoad, 50.0);
    EXPECT_DOUBLE_EQ(dlg.m_dCrushing, 100.0);
}
