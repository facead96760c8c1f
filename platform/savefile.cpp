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

// The device's words when it has any (after a failed flush it may have
// only "Unknown error"), else the system's for the failed call, else the
// fallback.
QString ReasonOf(const QSaveFile& file, int nErrno, const QString& strFallback)
{
    if (file.error() != QFileDevice::NoError && file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    return nErrno != 0 ? ErrnoText(nErrno) : strFallback;
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
