// korvada-cli: reads, writes and paints drawings for scripts, without a
// display.
#include "cli/cliapplication.h"
#include "cli/clicommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <new>

namespace {

// Scripts read one line on standard error per failure; the platform's
// notices (a missing runtime directory and the like) would add to it.
void KeepSeriousMessages(QtMsgType nType, const QMessageLogContext& context, const QString& strMessage)
{
    if (nType == QtCriticalMsg || nType == QtFatalMsg)
        PrintError(qFormatLogMessage(nType, context, strMessage));
}

}  // namespace

int main(int argc, char** argv)
{
    // Text needs a platform plugin; the offscreen one needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    CCliApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvada-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVADA_VERSION));
    // A hostile file can ask for more memory than there is; that is a bad
    // input like any other, not a crash.
    try {
        return RunCli(app.Arguments());
    } catch (const std::bad_alloc&) {
        // Nothing that allocates: the memory has just run out.
        std::fputs("out of memory\n", stderr);
        return kCliBadInput;
    }
}
