#include "platform/dialogcontrols.h"

#include "resources/resource.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLayout>
#include <QPushButton>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

QString ControlName(UINT nID)
{
    return QStringLiteral("ctl%1").arg(nID);
}

void AddOkCancel(QDialog* pDialog, QLayout* pLayout, std::function<void()> fnOk)
{
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pButtons->button(QDialogButtonBox::Ok)->setObjectName(ControlName(IDOK));
    pButtons->button(QDialogButtonBox::Cancel)->setObjectName(ControlName(IDCANCEL));
    pLayout->addWidget(pButtons);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, std::move(fnOk));
}

int RunModal(QDialog* pDialog)
{
    const std::unique_ptr<QDialog> pOwned(pDialog);
    return pOwned->exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void ResizeInDialogUnits(QDialog* pDialog, int nWidthUnits, int nHeightUnits)
{
    const QFontMetrics metrics(pDialog->font());
    const int nBaseX = metrics.averageCharWidth();
    const int nBaseY = metrics.height();
    pDialog->resize(nWidthUnits * nBaseX / 4, nHeightUnits * nBaseY / 8);
}

void CopyLimitedText(char* szBuffer, std::size_t nBufSize, const QString& strText, int nMaxChars)
{
    if (nBufSize == 0)
        return;
    // Count whole code points, so a character outside the basic plane is
    // one character, as the user sees it.
    qsizetype nUnits = 0;
    for (int nChars = 0; nChars < nMaxChars && nUnits < strText.size(); ++nChars)
        nUnits += (strText[nUnits].isHighSurrogate() && nUnits + 1 < strText.size()) ? 2 : 1;
    const QByteArray bytes = strText.left(nUnits).toUtf8();

    std::size_t nLength = std::min<std::size_t>(std::size_t(bytes.size()), nBufSize - 1);
    // Step back over continuation bytes so a cut never splits a character.
    if (nLength < std::size_t(bytes.size()))
        while (nLength > 0 && (static_cast<unsigned char>(bytes[qsizetype(nLength)]) & 0xC0) == 0x80)
            --nLength;
    std::memcpy(szBuffer, bytes.constData(), nLength);
    szBuffer[nLength] = '\0';
}
