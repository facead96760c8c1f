#include "app/dialogs/optionsdlg.h"

#include "platform/dialogcontrols.h"
#include "resources/resource.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <memory>

namespace {

// A horizontal slider with a tick at every unit, under its label.
QSlider* AddSlider(QVBoxLayout* pLayout, const QString& strLabel, UINT nID,
                   int nMin, int nMax, int nValue)
{
    auto* pLabel = new QLabel(strLabel);
    auto* pSlider = new QSlider(Qt::Horizontal);
    pSlider->setObjectName(ControlName(nID));
    pSlider->setRange(nMin, nMax);
    pSlider->setTickInterval(1);
    pSlider->setTickPosition(QSlider::TicksBelow);
    pSlider->setSingleStep(1);
    pSlider->setPageStep(1);
    pSlider->setValue(nValue);
    pLabel->setBuddy(pSlider);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(pSlider);
    pLayout->addSpacing(8);
    return pSlider;
}

} // namespace

QDialog* COptionsDlg::CreateDialogWindow(QWidget* pParent)
{
    auto* pDialog = new QDialog(pParent);
    pDialog->setObjectName(ControlName(IDD_OPTIONS));
    pDialog->setWindowTitle(QStringLiteral("Change Options"));
    auto* pLayout = new QVBoxLayout(pDialog);

    QSlider* pThickness = AddSlider(pLayout, QStringLiteral("Line Thinkness"),
                                    IDC_SLIDER_THICKNESS, 1, 20, m_values.m_nLineThickness);
    QSlider* pConcentric = AddSlider(pLayout, QStringLiteral("Concentric Distance"),
                                     IDC_SLIDER_CONCENTRIC, -10, 10, m_values.m_nConcentricDistance);
    QSlider* pParallel = AddSlider(pLayout, QStringLiteral("Parallel Line Distance"),
                                   IDC_SLIDER_PARALLEL, 1, 20, m_values.m_nParallelDistance);
    QSlider* pThread = AddSlider(pLayout, QStringLiteral("Thread Distance"),
                                 IDC_SLIDER_THREAD, 1, 20, m_values.m_nThreadDistance);

    auto* pFlip = new QCheckBox(QStringLiteral("Flip to Vertical  Axis"));
    pFlip->setObjectName(ControlName(IDC_FLIP_VERTICAL));
    pFlip->setChecked(m_values.m_bFlipVertical);
    pLayout->addWidget(pFlip);
    // The flag follows the box at once, so a Cancel keeps the toggle.
    QObject::connect(pFlip, &QCheckBox::toggled, pDialog,
                     [this](bool bChecked) { m_values.m_bFlipVertical = bChecked; });

    pLayout->addStretch(1);
    // The sliders count only when the user confirms.
    AddOkCancel(pDialog, pLayout, [this, pDialog, pThickness, pConcentric, pParallel, pThread] {
                         m_values.m_nLineThickness = pThickness->value();
                         m_values.m_nConcentricDistance = pConcentric->value();
                         m_values.m_nParallelDistance = pParallel->value();
                         m_values.m_nThreadDistance = pThread->value();
                         pDialog->accept();
                     });

    ResizeInDialogUnits(pDialog, 168, 215);
    return pDialog;
}

int COptionsDlg::DoModal(QWidget* pParent)
{
    return RunModal(CreateDialogWindow(pParent));
}
