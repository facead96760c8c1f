// Start of korvada: a second start that names drawings hands them to the
// program already running; otherwise the start-up sequence opens the main
// window with a new drawing or the drawings named on the command line.
#include "app/startup/appshell.h"
#include "app/startup/commandline.h"
#include "app/startup/instancechannel.h"

#include <QApplication>

int main(int argc, char** argv)
{
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
