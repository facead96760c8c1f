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
    // "/" words stay paths here: "/help" may well be a file.
    if (strParam[0] == u'-') {
        if (IsSwitch(strName, "h") || IsSwitch(strName, "-help") || IsSwitch(strName, "?")) {
            m_bShowHelp = true;
            return true;
        }
        if (IsSwitch(strName, "v") || IsSwitch(strName, "-version")) {
            m_bShowVersion = true;
            return true;
        }
    }
    // Unknown "-" switches are passed over; "/" words are paths.
    return strParam[0] == u'-';
}

QString CCommandLineInfo::GetUsageText()
{
    return QStringLiteral(
        "Usage: korvada [switch] [drawing.kvd ...]\n"
        "Opens each drawing named, in one window of Korvada; with no drawing\n"
        "named, starts with a new one. A drawing named while Korvada already\n"
        "runs opens in the running program.\n"
        "\n"
        "Switches:\n"
        "  -h, --help      print this help and exit\n"
        "  -v, --version   print the version and exit\n"
        "  -Embedding      start for another program: no window, splash or tip\n"
        "  -Automation     the same as -Embedding\n");
}

QString CCommandLineInfo::GetVersionText()
{
    return QStringLiteral("Korvada " KORVADA_VERSION "\n");
}
