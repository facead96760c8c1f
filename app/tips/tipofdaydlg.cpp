// The tip search and the profile values of the tip of the day.
#include "app/tips/tipofdaydlg.h"

#include "app/startup/messagebox.h"
#include "app/startup/profile.h"
#include "resources/resource.h"

#include <QDialog>
#include <QFileInfo>
#include <QSettings>

#include <ctime>
#include <memory>

namespace {

// The file's time stamp as the tips position remembers it: the time its
// status last changed, in the customary "Wed Jun 30 21:49:08 1993" form.
QString FileTimeStamp(const QFile& file)
{
    const std::time_t nTime = std::time_t(QFileInfo(file).metadataChangeTime().toSecsSinceEpoch());
    const char* szTime = std::ctime(&nTime);
    if (!szTime)
        return QString();
    QString strTime = QString::fromLatin1(szTime);
    while (!strTime.isEmpty() && strTime.back().isSpace())
        strTime.chop(1);
    return strTime;
}

// Blank, tab and line-end starts are empty or indented lines; ';' starts a
// comment. A carriage return is the empty line of a file written with
// CR LF line ends.
bool IsTipStart(char ch)
{
    return ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r' && ch != ';';
}

} // namespace

CTipOfDayDlg::CTipOfDayDlg(QWidget* pParent, QSettings* pProfile, const QString& strTipsPath)
    : m_pParent(pParent)
{
    if (!pProfile) {
        m_pOwnProfile = OpenProfile();
        pProfile = m_pOwnProfile.get();
    }
    m_pProfile = pProfile;

    m_bStartup = m_pProfile->value(kTipStartUp, 0).toInt() == 0;
    qint64 nPos = m_pProfile->value(kTipFilePos, 0).toLongLong();

    auto pFile = std::make_unique<QFile>(strTipsPath);
    if (strTipsPath.isEmpty() || !pFile->open(QIODevice::ReadOnly)) {
        m_strTip = kTipsFileMissing;
        return;
    }
    m_pStream = std::move(pFile);

    // A changed file starts again from its first tip.
    const QString strStamp = FileTimeStamp(*m_pStream);
    if (m_pProfile->value(kTipTimeStamp).toString() != strStamp) {
        nPos = 0;
        m_pProfile->setValue(kTipTimeStamp, strStamp);
    }
    if (nPos < 0 || !m_pStream->seek(nPos))
        ShowMessageBox(kTipsFileTrouble, QMessageBox::Ok, QMessageBox::Warning, m_pParent);
    else
        GetNextTipString(m_strTip);
}

CTipOfDayDlg::~CTipOfDayDlg()
{
    if (m_pStream) {
        m_pProfile->setValue(kTipFilePos, m_pStream->pos());
        m_pStream->close();
    }
}

void CTipOfDayDlg::GetNextTipString(QString& strNext)
{
    if (!m_pStream)
        return;
    char szPiece[kTipPieceLength + 1];
    // Meeting the end twice in one search means the whole file was read
    // without a tip: stop there instead of going round for ever.
    int nEnds = 0;
    bool bRewindFailed = false;
    for (;;) {
        const qint64 nRead = m_pStream->readLine(szPiece, sizeof szPiece);
        if (nRead <= 0) {
            if (++nEnds > 1) {
                strNext = bRewindFailed ? QString() : kTipsFileEmpty;
                return;
            }
            if (!m_pStream->seek(0)) {
                bRewindFailed = true;
                ShowMessageBox(kTipsFileTrouble, QMessageBox::Ok, QMessageBox::Warning, m_pParent);
            }
            continue;
        }
        if (IsTipStart(szPiece[0])) {
            strNext = QString::fromUtf8(szPiece, nRead);
            strNext.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            return;
        }
    }
}

void CTipOfDayDlg::OnClose(bool bShowAtStartup)
{
    m_bStartup = bShowAtStartup;
    m_pProfile->setValue(kTipStartUp, m_bStartup ? 0 : 1);
}

int CTipOfDayDlg::DoModal()
{
    std::unique_ptr<QDialog> pDialog(CreateDialogWindow());
    return pDialog->exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void ShowTipAtStartup(QWidget* pParent)
{
    CTipOfDayDlg dlg(pParent);
    if (dlg.m_bStartup)
        dlg.DoModal();
}

void ShowTipOfTheDay(QWidget* pParent)
{
    CTipOfDayDlg dlg(pParent);
    dlg.DoModal();
}
