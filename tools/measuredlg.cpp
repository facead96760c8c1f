#include "tools/measuredlg.h"

#include "resources/resource.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Labels are written in capitals, whatever the keyboard gives: every typed
// or pasted text is turned to upper case before the edit takes it.
class CUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& strInput, int& nPos) const override
    {
        const QString strUpper = strInput.toUpper();
        // Some letters grow when capitalised; keep the cursor after them.
        nPos = std::clamp(nPos + int(strUpper.size() - strInput.size()), 0, int(strUpper.size()));
        strInput = strUpper;
        return Acceptable;
    }
};

} // namespace

CMeasureDlg::CMeasureDlg()
{
    std::strcpy(m_szText, " ");
    m_szEdit[0] = '\0';
}

QDialog* CMeasureDlg::CreateDialogWindow(QWidget* pParent)
{
    auto* pDialog = new QDialog(pParent);
    pDialog->setObjectName(ControlName(IDD_MEASURE));
    pDialog->setWindowTitle(QStringLiteral("Add Measured Distance ..."));
    auto* pLayout = new QVBoxLayout(pDialog);

    auto* pEdit = new QLineEdit;
    pEdit->setObjectName(ControlName(IDC_MEASURE_EDIT));
    pEdit->setAlignment(Qt::AlignCenter);
    pEdit->setValidator(new CUpperCaseValidator(pEdit));
    pLayout->addWidget(pEdit);
    QObject::connect(pEdit, &QLineEdit::textChanged, pDialog, [this](const QString& strText) {
        CopyLimitedText(m_szEdit, sizeof m_szEdit, strText, kMaxChars);
    });
    pEdit->setText(QString::fromUtf8(m_szText));

    auto* pDontAsk = new QCheckBox(QStringLiteral("Don't Ask me again"));
    pDontAsk->setObjectName(ControlName(IDC_DONT_ASK));
    pDontAsk->setChecked(m_bDontAsk);
    pLayout->addWidget(pDontAsk);
    // Takes effect at once: a Cancel keeps the choice.
    QObject::connect(pDontAsk, &QCheckBox::toggled, pDialog,
                     [this](bool bChecked) { m_bDontAsk = bChecked; });

    AddOkCancel(pDialog, pLayout, [this, pDialog] {
        std::memcpy(m_szText, m_szEdit, sizeof m_szText);
        pDialog->accept();
    });

    ResizeInDialogUnits(pDialog, 186, 89);
    return pDialog;
}

int CMeasureDlg::DoModal(QWidget* pParent)
{
    return RunModal(CreateDialogWindow(pParent));
}
