#include "app/frames/recentfilelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char kSection[] = "Recent File List";
constexpr int kLongPath = 40;

QString KeyOf(int nIndex)
{
    return QStringLiteral("File%1").arg(nIndex + 1);
}

// Files are compared by their absolute path, so "a.kvd" and "./a.kvd"
// count as one.
QString Normalized(const QString& strPath)
{
    return QDir::cleanPath(QFileInfo(strPath).absoluteFilePath());
}

} // namespace

void CRecentFileList::Add(const QString& strPath)
{
    if (strPath.isEmpty())
        return;
    const QString strFile = Normalized(strPath);
    m_files.removeAll(strFile);
    m_files.prepend(strFile);
    while (m_files.size() > kMaxFiles)
        m_files.removeLast();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_files.size())
        m_files.removeAt(nIndex);
}

QString CRecentFileList::GetPath(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_files.size() ? m_files[nIndex] : QString();
}

QString CRecentFileList::GetMenuText(int nIndex) const
{
    const QString strPath = GetPath(nIndex);
    if (strPath.isEmpty())
        return QString();
    QString strShown = QDir::toNativeSeparators(strPath);
    if (strShown.size() > kLongPath) {
        const QFileInfo info(strPath);
        strShown = QDir::toNativeSeparators(QStringLiteral(".../%1/%2").arg(info.dir().dirName(), info.fileName()));
    }
    // An ampersand in a file name is text, not a mnemonic.
    strShown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(strShown);
}

void CRecentFileList::ReadList(QSettings& settings)
{
    m_files.clear();
    settings.beginGroup(QLatin1String(kSection));
    for (int i = 0; i < kMaxFiles; ++i) {
        const QString strFile = settings.value(KeyOf(i)).toString();
        if (!strFile.isEmpty() && !m_files.contains(strFile))
            m_files.append(strFile);
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const
{
    settings.beginGroup(QLatin1String(kSection));
    for (int i = 0; i < kMaxFiles; ++i) {
        if (i < m_files.size())
            settings.setValue(KeyOf(i), m_files[i]);
        else
            settings.remove(KeyOf(i));
    }
    settings.endGroup();
}
