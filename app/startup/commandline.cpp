#include "app/startup/commandline.h"

#include <QFileInfo>

namespace {

bool IsSwitch(const QString& strName, const char* szSwitch)
{
    return strName.compare(QLatin1String(szSwitch), Qt::CaseInsensitive) == 0;
}

} // namespace

void CCommandLineInfo::ParseCommandLine(const QStringList& arguments)
{
    for (const QString& strParam : arguments) {
        if (ParseParamFlag(strParam) || strParam.isEmpty())
            continue;
        m_strFileNames << QFileInfo(strParam).absoluteFilePath();
        m_nShellCommand = FileOpen;
    }
    // A program started for another program opens nothing by itself.
    if ((m_bRunEmbedded || m_bRunAutomated) && m_nShellCommand == FileNew)
        m_nShellCommand = FileNothing;
}

bool CCommandLineInfo::ParseParamFlag(const QString& strParam)
{
    if (strParam.size() < 2 || (strParam[0] != u'-' && strParam[0] != u'/'))
        return false;
    const QString strName = strParam.mid(1);
    if (IsSwitch(strName, "Embedding")) {
        m_bShowSplash = false;
        m_bRunEmbedded = true;
        return true;
    }
    if (IsSwitch(strName, "Automation")) {
        m_bShowSplash = false;
        m_bRunAutomated = true;
        return true;
    }
    // Unknown "-" switches are passed over; "/" words are paths.
    return strParam[0] == u'-';
}
