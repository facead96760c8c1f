// The reporter of the suite: the console output as usual, and at the end a
// table of every case beside its floor (BM_<Name> and BM_<Name>_Floor with
// the same arguments), their medians and the ratio, and the counters the
// cases report (bytes per figure).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class CPairReporter : public benchmark::ConsoleReporter {
public:
    explicit CPairReporter(OutputOptions options = OO_Tabular) : ConsoleReporter(options) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void PrintTable(std::FILE* pOut) const;

    struct Result {
        // Median time of one iteration: wall time for a case that uses real
        // time, CPU time for the others.
        double dSeconds = 0;
        std::map<std::string, double> counters;
    };
    // By "name/args", without the iteration and repetition parts.
    const std::map<std::string, Result>& GetResults() const { return m_results; }

private:
    std::map<std::string, Result> m_results;
};

// "BM_Load/1000" for "BM_Load_Floor/1000"; empty for a name that is no floor.
std::string CaseOfFloor(const std::string& strKey);
// A time in the unit that reads best: "812 ns", "3.41 ms", "1.27 s".
std::string FormatSeconds(double dSeconds);
