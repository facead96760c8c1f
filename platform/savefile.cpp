#include "platform/savefile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString ErrnoText(int nErrno)
{
    return QString::fromLocal8Bit(std::strerror(nErrno));
}

// The system's words for the failed call when it left any (the device's
// own text of a failed flush may be just "Unknown error"), else the
// device's, else the fallback.
QString ReasonOf(const QSaveFile& file, int nErrno, const QString& strFallback)
{
    if (nErrno != 0)
        return ErrnoText(nErrno);
    return file.error() == QFileDevice::NoError ? strFallback : file.errorString();
}

}  // namespace

bool SaveWholeFile(const QString& strPath, const std::function<bool(QIODevice&)>& fnWrite,
                   QString* pstrReason)
{
    QString strReason;
    const QFileInfo info(strPath);
    if (info.exists() && !info.isFile()) {
        *pstrReason = QStringLiteral("it is not a plain file");
        return false;
    }
    QSaveFile file(strPath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        *pstrReason = ReasonOf(file, errno, QStringLiteral("it cannot be created"));
        return false;
    }
    // Small files sit in the device's buffer until the flush; commit()
    // would rename them into place without looking at the flush's error,
    // and a full disk may answer only at fsync.
    errno = 0;
    if (!fnWrite(file))
        strReason = ReasonOf(file, errno, QStringLiteral("the data could not be written"));
    else if (errno = 0; !file.flush())
        strReason = ReasonOf(file, errno != 0 ? errno : EIO, QString());
    else if (::fsync(file.handle()) != 0 && errno != EINVAL)
        strReason = ErrnoText(errno);  // EINVAL: the file system keeps no disk to sync
    else if (errno = 0; !file.commit())
        strReason = ReasonOf(file, errno, QStringLiteral("the file could not be put in place"));
    else
        return true;
    file.cancelWriting();
    *pstrReason = strReason;
    return false;
}
