#include "app/about/aboutbox.h"

#include "platform/dialogcontrols.h"
#include "resources/resource.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

QDialog* CAboutBox::CreateDialogWindow(QWidget* pParent)
{
    auto* pDialog = new QDialog(pParent);
    pDialog->setObjectName(ControlName(IDD_ABOUTBOX));
    pDialog->setWindowTitle(QStringLiteral("About  Korvada"));

    auto* pPicture = new QLabel(pDialog);
    pPicture->setPixmap(QPixmap::fromImage(AboutPicture()));
    pPicture->setFixedSize(kAboutPictureWidth, kAboutPictureHeight);

    auto* pText = new QLabel(QStringLiteral("Korvada Version 3.0"), pDialog);
    auto* pOk = new QPushButton(QStringLiteral("OK"), pDialog);
    pOk->setObjectName(ControlName(IDOK));
    pOk->setDefault(true);
    QObject::connect(pOk, &QPushButton::clicked, pDialog, &QDialog::accept);

    auto* pColumn = new QVBoxLayout;
    pColumn->addWidget(pText);
    pColumn->addStretch(1);
    pColumn->addWidget(pOk, 0, Qt::AlignRight);
    auto* pLayout = new QHBoxLayout(pDialog);
    pLayout->addWidget(pPicture, 0, Qt::AlignTop);
    pLayout->addSpacing(12);
    pLayout->addLayout(pColumn, 1);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    return pDialog;
}

int CAboutBox::DoModal(QWidget* pParent)
{
    std::unique_ptr<QDialog> pDialog(CreateDialogWindow(pParent));
    return pDialog->exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
