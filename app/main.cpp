// Start of korvada: a second start that names drawings hands them to the
// program already running; otherwise the start-up sequence opens the main
// window with a new drawing or the drawings named on the command line.
#include "app/startup/appshell.h"
#include "app/startup/commandline.h"
#include "app/startup/instancechannel.h"

#include <QApplication>

#include <cstdio>

namespace {

// "--help" and "--version" answer before any window system is touched, so
// they work without a display.
bool PrintInformation(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(arguments);
    if (!cmdInfo.m_bShowHelp && !cmdInfo.m_bShowVersion)
        return false;
    const QString strText = cmdInfo.m_bShowHelp ? CCommandLineInfo::GetUsageText()
                                                : CCommandLineInfo::GetVersionText();
    std::fputs(strText.toLocal8Bit().constData(), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (PrintInformation(argc, argv))
        return 0;
    QApplication app(argc, argv);
    SetApplicationIdentity();

    CCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(QCoreApplication::arguments().mid(1));
    if (HandOverToRunningProgram(cmdInfo))
        return 0;

    CAppShell shell;
    if (!shell.InitInstance(cmdInfo, InstanceServerName()))
        return 1;
    if (shell.IsTerminated())
        return 0;
    return app.exec();
}
