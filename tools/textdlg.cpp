#include "tools/textdlg.h"

#include "resources/resource.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>
#include <memory>

CTextDlg::CTextDlg()
{
    m_szText[0] = '\0';
    m_szEdit[0] = '\0';
}

QDialog* CTextDlg::CreateDialogWindow(QWidget* pParent)
{
    auto* pDialog = new QDialog(pParent);
    pDialog->setObjectName(ControlName(IDD_TEXT));
    pDialog->setWindowTitle(QStringLiteral(" Add Your Text ..."));
    auto* pLayout = new QVBoxLayout(pDialog);

    auto* pLabel = new QLabel(QStringLiteral("Displaying Text"));
    auto* pEdit = new QLineEdit;
    pEdit->setObjectName(ControlName(IDC_TEXT_EDIT));
    pEdit->setAlignment(Qt::AlignCenter);
    pLabel->setBuddy(pEdit);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(pEdit);
    QObject::connect(pEdit, &QLineEdit::textChanged, pDialog, [this](const QString& strText) {
        CopyLimitedText(m_szEdit, sizeof m_szEdit, strText, kMaxChars);
    });
    pEdit->setText(QString::fromUtf8(m_szText));
    // Until the user confirms, the tool has no text to place.
    m_bAccepted = false;

    AddOkCancel(pDialog, pLayout, [this, pDialog] {
        std::memcpy(m_szText, m_szEdit, sizeof m_szText);
        m_bAccepted = true;
        pDialog->accept();
    });

    ResizeInDialogUnits(pDialog, 187, 67);
    return pDialog;
}

int CTextDlg::DoModal(QWidget* pParent)
{
    return RunModal(CreateDialogWindow(pParent));
}
