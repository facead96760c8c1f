// The recovery folder on disk: "<session>.lock" held by the running
// program, "<session>-<key>.kvd" the copy of one drawing and
// "<session>-<key>.origin" (JSON) the file and title it stands for.
#include "app/recovery/recoverystore.h"

#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

const QString kCopySuffix = QStringLiteral(".kvd");
const QString kSidecarSuffix = QStringLiteral(".origin");
const QString kLockSuffix = QStringLiteral(".lock");

bool WriteWhole(const QString& strPath, const QByteArray& bytes)
{
    QString strReason;
    return SaveWholeFile(strPath, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); },
                         &strReason);
}

// The session that wrote a copy: its name up to the last '-'.
QString SessionOf(const QString& strBaseName)
{
    const qsizetype nDash = strBaseName.lastIndexOf(QLatin1Char('-'));
    return nDash > 0 ? strBaseName.left(nDash) : QString();
}

bool ReadSidecar(const QString& strPath, CRecoveryCopy& copy)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll());
    if (!json.isObject() || !json.object().value(QStringLiteral("title")).isString())
        return false;
    copy.m_strOriginalPath = json.object().value(QStringLiteral("path")).toString();
    copy.m_strTitle = json.object().value(QStringLiteral("title")).toString();
    return true;
}

}  // namespace

QString CRecoveryStore::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
           + QStringLiteral("/recovery");
}

CRecoveryStore::CRecoveryStore(const QString& strFolder) : m_strFolder(strFolder)
{
    m_strSession = QUuid::createUuid().toString(QUuid::Id128);
    if (!QDir().mkpath(m_strFolder))
        return;
    m_pLock = std::make_unique<QLockFile>(m_strFolder + QLatin1Char('/') + m_strSession + kLockSuffix);
    // Only the dead holder's process makes a lock stale, never its age: a
    // program may run for weeks.
    m_pLock->setStaleLockTime(0);
    m_bUsable = m_pLock->tryLock(0);
}

CRecoveryStore::~CRecoveryStore()
{
    if (m_pLock && m_bUsable)
        m_pLock->unlock();
}

QString CRecoveryStore::CopyPath(int nKey) const
{
    return QStringLiteral("%1/%2-%3%4").arg(m_strFolder, m_strSession).arg(nKey).arg(kCopySuffix);
}

QString CRecoveryStore::SidecarPath(int nKey) const
{
    return QStringLiteral("%1/%2-%3%4").arg(m_strFolder, m_strSession).arg(nKey).arg(kSidecarSuffix);
}

bool CRecoveryStore::WriteCopy(int nKey, const QByteArray& bytes, const QString& strOriginalPath,
                               const QString& strTitle)
{
    if (!m_bUsable)
        return false;
    QJsonObject origin;
    origin.insert(QStringLiteral("path"), strOriginalPath);
    origin.insert(QStringLiteral("title"), strTitle);
    // The sidecar first: a copy is only offered once both are whole, and a
    // sidecar alone is never offered.
    return WriteWhole(SidecarPath(nKey), QJsonDocument(origin).toJson(QJsonDocument::Compact))
           && WriteWhole(CopyPath(nKey), bytes);
}

void CRecoveryStore::RemoveCopy(int nKey)
{
    QFile::remove(CopyPath(nKey));
    QFile::remove(SidecarPath(nKey));
}

void CRecoveryStore::RemoveSessionCopies()
{
    if (!m_bUsable)
        return;
    const QDir dir(m_strFolder);
    const QStringList names = dir.entryList({m_strSession + QStringLiteral("-*")}, QDir::Files);
    for (const QString& strName : names)
        QFile::remove(dir.filePath(strName));
}

bool CRecoveryStore::IsSessionAlive(const QString& strSession) const
{
    if (strSession == m_strSession)
        return true;
    QLockFile lock(m_strFolder + QLatin1Char('/') + strSession + kLockSuffix);
    lock.setStaleLockTime(0);
    // Taking the lock succeeds only when no running program holds it; it
    // is given back at once (which removes the dead session's lock file).
    return !lock.tryLock(0);
}

std::vector<CRecoveryCopy> CRecoveryStore::FindOrphans() const
{
    std::vector<CRecoveryCopy> copies;
    const QDir dir(m_strFolder);
    const QFileInfoList infos =
        dir.entryInfoList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& info : infos) {
        const QString strSession = SessionOf(info.completeBaseName());
        if (strSession.isEmpty() || IsSessionAlive(strSession))
            continue;
        CRecoveryCopy copy;
        copy.m_strCopyPath = info.filePath();
        copy.m_strSidecarPath = dir.filePath(info.completeBaseName() + kSidecarSuffix);
        if (!ReadSidecar(copy.m_strSidecarPath, copy))
            copy.m_strOriginalPath = copy.m_strTitle = QString();
        copies.push_back(copy);
    }
    return copies;
}

void CRecoveryStore::RemoveDebris() const
{
    // Only names this store writes are touched: "<session>-<key>.kvd" and
    // ".origin", with anything after them (a save's temporary file), and
    // "<session>.lock".
    static const QRegularExpression s_pattern(
        QStringLiteral("^([0-9a-f]{32})(?:-([0-9]+)(\\.kvd|\\.origin)(.*)|(\\.lock))$"));
    const QDir dir(m_strFolder);
    for (const QString& strName : dir.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = s_pattern.match(strName);
        if (!match.hasMatch() || IsSessionAlive(match.captured(1)))
            continue;
        // Asking whether a dead session lives has already removed its lock.
        if (!match.captured(5).isEmpty())
            continue;
        const bool bTemporary = !match.captured(4).isEmpty();
        const bool bLoneSidecar = match.captured(3) == kSidecarSuffix &&
                                  !dir.exists(strName.chopped(kSidecarSuffix.size()) + kCopySuffix);
        if (bTemporary || bLoneSidecar)
            QFile::remove(dir.filePath(strName));
    }
}

void CRecoveryStore::Discard(const CRecoveryCopy& copy)
{
    QFile::remove(copy.m_strCopyPath);
    QFile::remove(copy.m_strSidecarPath);
}
