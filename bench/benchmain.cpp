// The suite's main: runs every case, then prints each case beside its floor
// and the ratio of their medians. A case BM_<Name> pairs with the floor
// BM_<Name>_Floor of the same arguments; the floor is the least our stack
// could do for the same work, measured in the same process and run.
#include "bench/benchmemory.h"
#include "bench/benchreport.h"
#include "bench/benchview.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

bool HasFlag(int argc, char** argv, const char* pszFlag)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], pszFlag, std::strlen(pszFlag)) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // The view cases need widgets; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], kLinesResidentFlag) == 0)
        return MeasureLinesResident(argv[2]);

    // Medians need repetitions; five unless asked otherwise. The costly
    // cases set fewer of their own.
    std::vector<char*> args(argv, argv + argc);
    static char szRepetitions[] = "--benchmark_repetitions=5";
    static char szAggregates[] = "--benchmark_display_aggregates_only=true";
    if (!HasFlag(argc, argv, "--benchmark_repetitions"))
        args.push_back(szRepetitions);
    if (!HasFlag(argc, argv, "--benchmark_display_aggregates_only"))
        args.push_back(szAggregates);
    int nArgs = int(args.size());
    benchmark::Initialize(&nArgs, args.data());
    if (benchmark::ReportUnrecognizedArguments(nArgs, args.data()))
        return 1;
    // Colours only for a terminal, not in a saved log.
    CPairReporter reporter(isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                  : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintTable(stdout);
    ReleaseBenchViews();
    benchmark::Shutdown();
    return 0;
}
