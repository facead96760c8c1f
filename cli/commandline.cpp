// korvada-cli's command line: the command word, its files and the options
// of render and export.
#include "cli/clicommands.h"

#include "view/export/exportdrawing.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char* const kUsage =
    "Commands:\n"
    "  dump FILE.kvd                 print the drawing as JSON\n"
    "  pack IN.json OUT.kvd          write the drawing that the JSON describes (IN.json may be -)\n"
    "  render FILE.kvd OUT.png       paint the drawing on the whole canvas\n"
    "         [--grid] [--step N] [--timeout SECONDS]\n"
    "  export FILE.kvd %1\n"
    "         [--step N] [--scale S] [--pages]\n"
    "                                write the visible drawing as a picture (PNG) or a\n"
    "                                drawing at true scale (PDF, SVG, DXF); the extension\n"
    "                                chooses the format\n"
    "  knuckle --load F --tensile FT --shear FS --crushing FC\n"
    "          [-o OUT.kvd [--into IN.kvd]]\n"
    "                                design a knuckle joint (values 10 to 200, load in kN),\n"
    "                                print its sizes as JSON, write its drawing to OUT.kvd\n"
    "Exit status: 0 success, 1 wrong usage, 2 input missing, unreadable, invalid\n"
    "or too slow to paint, 3 output cannot be written.";

int UsageError(const QString& strMessage)
{
    PrintError(QStringLiteral("%1 (see korvada-cli --help)").arg(strMessage));
    return kCliUsage;
}

struct RenderOptions {
    QCommandLineOption grid{QStringLiteral("grid"), QStringLiteral("Draw the grid dots (spacing 250).")};
    QCommandLineOption step{QStringLiteral("step"),
                            QStringLiteral("Paint figures 0 to N only (-1: none)."),
                            QStringLiteral("N")};
    QCommandLineOption timeout{QStringLiteral("timeout"),
                               QStringLiteral("Give up (exit 2, no image) when painting takes longer."),
                               QStringLiteral("SECONDS")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             QStringLiteral("export: PNG pixels per screen pixel (0.25 to 8)."),
                             QStringLiteral("S")};
    QCommandLineOption pages{QStringLiteral("pages"),
                             QStringLiteral("export: put a PDF on the printer's pages, as printing does.")};
};

// The figure count of a step: -1 (no figure) or more.
bool ParseStep(const QString& strValue, int& nStep)
{
    bool bOk = false;
    nStep = strValue.toInt(&bOk);
    return bOk && nStep >= -1;
}

// A time limit of more than nothing and at most a year, in seconds.
bool ParseTimeout(const QString& strValue, double& dSeconds)
{
    bool bOk = false;
    dSeconds = strValue.toDouble(&bOk);
    return bOk && dSeconds > 0.0 && dSeconds <= 365.0 * 24 * 3600;
}

struct KnuckleOptions {
    QCommandLineOption load{QStringLiteral("load"), QStringLiteral("knuckle: the load in kN."),
                            QStringLiteral("F")};
    QCommandLineOption tensile{QStringLiteral("tensile"),
                               QStringLiteral("knuckle: the allowable tensile stress."), QStringLiteral("FT")};
    QCommandLineOption shear{QStringLiteral("shear"), QStringLiteral("knuckle: the allowable shear stress."),
                             QStringLiteral("FS")};
    QCommandLineOption crushing{QStringLiteral("crushing"),
                                QStringLiteral("knuckle: the allowable crushing stress."), QStringLiteral("FC")};
    QCommandLineOption output{QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("knuckle: write the joint's drawing here."), QStringLiteral("OUT.kvd")};
    QCommandLineOption into{QStringLiteral("into"),
                            QStringLiteral("knuckle: add the joint after the figures of this drawing."),
                            QStringLiteral("IN.kvd")};

    void AddTo(QCommandLineParser& parser) const
    {
        parser.addOptions({load, tensile, shear, crushing, output, into});
    }
    bool AnySet(const QCommandLineParser& parser) const
    {
        for (const QCommandLineOption* pOption : {&load, &tensile, &shear, &crushing, &output, &into})
            if (parser.isSet(*pOption))
                return true;
        return false;
    }
};

int RunKnuckle(const QCommandLineParser& parser, const KnuckleOptions& options)
{
    if (parser.positionalArguments().size() != 1)
        return UsageError(QStringLiteral("knuckle takes no files; the drawing goes to -o OUT.kvd."));
    for (const QCommandLineOption* pOption : {&options.load, &options.tensile, &options.shear, &options.crushing})
        if (!parser.isSet(*pOption))
            return UsageError(QStringLiteral("knuckle needs --load, --tensile, --shear and --crushing."));
    if (parser.isSet(options.into) && !parser.isSet(options.output))
        return UsageError(QStringLiteral("--into needs -o OUT.kvd."));
    const KnuckleArguments args{parser.value(options.load), parser.value(options.tensile),
                                parser.value(options.shear), parser.value(options.crushing)};
    return KnuckleCommand(args, parser.value(options.output), parser.value(options.into));
}

// The --step of render and export, when given; false when it is no step.
bool ReadStepOption(const QCommandLineParser& parser, const RenderOptions& options, std::optional<int>& nStep)
{
    if (!parser.isSet(options.step))
        return true;
    int n = 0;
    if (!ParseStep(parser.value(options.step), n))
        return false;
    nStep = n;
    return true;
}

int RunExport(const QCommandLineParser& parser, const RenderOptions& options)
{
    const QStringList args = parser.positionalArguments();
    if (args.size() != 3)
        return UsageError(QStringLiteral("export takes two files: export FILE.kvd %1").arg(ExportOutputNames()));
    std::optional<int> nStep;
    if (!ReadStepOption(parser, options, nStep))
        return UsageError(QStringLiteral("--step needs a whole number from -1 up."));
    double dScale = 1;
    if (parser.isSet(options.scale)) {
        bool bOk = false;
        dScale = parser.value(options.scale).toDouble(&bOk);
        if (!bOk || !(dScale >= kMinExportScale && dScale <= kMaxExportScale))
            return UsageError(QStringLiteral("--scale needs a number from 0.25 to 8."));
    }
    if (parser.isSet(options.pages) && ExportFormatOf(args[2]) != ExportFormat::Pdf)
        return UsageError(QStringLiteral("--pages needs a PDF: export FILE.kvd OUT.pdf --pages"));
    return ExportCommand(args[1], args[2], nStep, dScale, parser.isSet(options.pages));
}

int RunCommand(const QCommandLineParser& parser, const RenderOptions& options,
               const KnuckleOptions& knuckle)
{
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return UsageError(QStringLiteral("No command given."));
    const QString strCommand = args.first();
    const qsizetype nFiles = args.size() - 1;
    const bool bRender = strCommand == QStringLiteral("render");
    const bool bExport = strCommand == QStringLiteral("export");
    if (!bRender && (parser.isSet(options.grid) || parser.isSet(options.timeout)))
        return UsageError(QStringLiteral("--grid and --timeout belong to render only."));
    if (!bRender && !bExport && parser.isSet(options.step))
        return UsageError(QStringLiteral("--step belongs to render and export only."));
    if (!bExport && (parser.isSet(options.scale) || parser.isSet(options.pages)))
        return UsageError(QStringLiteral("--scale and --pages belong to export only."));
    if (strCommand == QStringLiteral("knuckle"))
        return RunKnuckle(parser, knuckle);
    if (knuckle.AnySet(parser))
        return UsageError(QStringLiteral("--load, --tensile, --shear, --crushing, -o and --into belong to knuckle only."));
    if (strCommand == QStringLiteral("dump")) {
        if (nFiles != 1)
            return UsageError(QStringLiteral("dump takes one drawing: dump FILE.kvd"));
        return DumpCommand(args[1]);
    }
    if (strCommand == QStringLiteral("pack")) {
        if (nFiles != 2)
            return UsageError(QStringLiteral("pack takes two files: pack IN.json OUT.kvd"));
        return PackCommand(args[1], args[2]);
    }
    if (bRender) {
        if (nFiles != 2)
            return UsageError(QStringLiteral("render takes two files: render FILE.kvd OUT.png"));
        std::optional<int> nStep;
        if (!ReadStepOption(parser, options, nStep))
            return UsageError(QStringLiteral("--step needs a whole number from -1 up."));
        std::optional<double> dTimeout;
        if (parser.isSet(options.timeout)) {
            double d = 0.0;
            if (!ParseTimeout(parser.value(options.timeout), d))
                return UsageError(QStringLiteral("--timeout needs a number of seconds above 0."));
            dTimeout = d;
        }
        return RenderCommand(args[1], args[2], parser.isSet(options.grid), nStep, dTimeout);
    }
    if (bExport)
        return RunExport(parser, options);
    return UsageError(QStringLiteral("Unknown command \"%1\".").arg(strCommand));
}

}  // namespace

int RunCli(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, writes and paints Korvada drawings without a display.\n\n")
        + QString::fromLatin1(kUsage).arg(ExportOutputNames()));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    RenderOptions options;
    parser.addOption(options.grid);
    parser.addOption(options.step);
    parser.addOption(options.timeout);
    parser.addOption(options.scale);
    parser.addOption(options.pages);
    const KnuckleOptions knuckle;
    knuckle.AddTo(parser);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("dump, pack, render, export or knuckle"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"),
                                 QStringLiteral("FILE..."));

    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    // --help-all has no Qt options to add here: the tool takes none.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return kCliSuccess;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return kCliSuccess;
    }
    return RunCommand(parser, options, knuckle);
}
