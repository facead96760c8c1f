// korvada-cli: reads, writes and paints drawings for scripts, without a
// display.
#include "cli/clicommands.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // Painting needs a platform plugin; the offscreen one needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvada-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVADA_VERSION));
    return RunCli(QCoreApplication::arguments());
}
