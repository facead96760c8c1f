#include "knuckle/knucklejointdlg.h"

#include "knuckle/knucklevalue.h"
#include "platform/dialogcontrols.h"
#include "resources/resource.h"

#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

// One row of the form: the label and its edit, the edit showing dValue.
void AddValueRow(QGridLayout* pGrid, const QString& strLabel, UINT nLabelID, UINT nEditID,
                 double dValue)
{
    const int nRow = pGrid->rowCount();
    auto* pLabel = new QLabel(strLabel);
    if (nLabelID != 0)
        pLabel->setObjectName(ControlName(nLabelID));
    auto* pEdit = new QLineEdit(QString::number(dValue, 'g', 15));
    pEdit->setObjectName(ControlName(nEditID));
    // Selected, so that typing replaces the value the edit opens with.
    pEdit->selectAll();
    pLabel->setBuddy(pEdit);
    pGrid->addWidget(pLabel, nRow, 0);
    pGrid->addWidget(pEdit, nRow, 1);
}

// Reads the four edits into the given fields, or shows the first failure,
// puts the focus on its edit and returns false. The order is the one the
// dialog has always checked in, so the same bad input gives the same message.
bool ReadValues(QDialog* pDialog, double& dLoad, double& dTensile, double& dShear, double& dCrushing)
{
    const struct {
        UINT nID;
        double& dValue;
    } fields[] = {
        {IDC_KNUCKLE_CRUSHING, dCrushing},
        {IDC_KNUCKLE_LOAD, dLoad},
        {IDC_KNUCKLE_SHEAR, dShear},
        {IDC_KNUCKLE_TENSILE, dTensile},
    };
    for (const auto& field : fields) {
        QLineEdit* pEdit = GetDlgItem<QLineEdit>(pDialog, field.nID);
        const QString strMessage = ReadKnuckleValue(pEdit->text(), field.dValue);
        if (strMessage.isEmpty())
            continue;
        QMessageBox::warning(pDialog, QGuiApplication::applicationDisplayName(), strMessage);
        pEdit->setFocus();
        pEdit->selectAll();
        return false;
    }
    return true;
}

} // namespace

QDialog* CKnuckleJointDlg::CreateDialogWindow(QWidget* pParent)
{
    auto* pDialog = new QDialog(pParent);
    pDialog->setObjectName(ControlName(IDD_KNUCKLE));
    pDialog->setWindowTitle(QStringLiteral("Dialog"));
    auto* pLayout = new QVBoxLayout(pDialog);
    auto* pGrid = new QGridLayout;
    pLayout->addLayout(pGrid);
    AddValueRow(pGrid, QStringLiteral("Load F  (kN)"), 0, IDC_KNUCKLE_LOAD, m_dLoad);
    AddValueRow(pGrid, QStringLiteral("Ft  (N/m2)"), 0, IDC_KNUCKLE_TENSILE, m_dTensile);
    AddValueRow(pGrid, QStringLiteral("F&s (N/m2)"), 0, IDC_KNUCKLE_SHEAR, m_dShear);
    AddValueRow(pGrid, QStringLiteral("Fc (N/m2)"), IDC_KNUCKLE_CRUSHING_LABEL, IDC_KNUCKLE_CRUSHING,
                m_dCrushing);
    pLayout->addStretch(1);

    // Cancel on the left, the default OK on the right.
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    auto* pCancel = new QPushButton(QStringLiteral("Cancel"));
    pCancel->setObjectName(ControlName(IDCANCEL));
    pCancel->setAutoDefault(false);
    auto* pOk = new QPushButton(QStringLiteral("OK"));
    pOk->setObjectName(ControlName(IDOK));
    pOk->setDefault(true);
    pButtons->addWidget(pCancel);
    pButtons->addWidget(pOk);
    pLayout->addLayout(pButtons);

    m_bAccepted = false;
    QObject::connect(pCancel, &QPushButton::clicked, pDialog, &QDialog::reject);
    // Escape and the close box cancel too.
    QObject::connect(pDialog, &QDialog::rejected, pDialog, [this] { m_bAccepted = false; });
    // The stored values change only when all four are good, so a cancelled
    // run leaves the last design's values for the next one.
    QObject::connect(pOk, &QPushButton::clicked, pDialog, [this, pDialog] {
        double dLoad = m_dLoad, dTensile = m_dTensile, dShear = m_dShear, dCrushing = m_dCrushing;
        if (!ReadValues(pDialog, dLoad, dTensile, dShear, dCrushing))
            return;
        m_dLoad = dLoad;
        m_dTensile = dTensile;
        m_dShear = dShear;
        m_dCrushing = dCrushing;
        m_bAccepted = true;
        pDialog->accept();
    });

    ResizeInDialogUnits(pDialog, 187, 124);
    return pDialog;
}

int CKnuckleJointDlg::DoModal(QWidget* pParent)
{
    return RunModal(CreateDialogWindow(pParent));
}
