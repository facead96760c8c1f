// How the speed suite pairs each case with its floor: by name, BM_<Name>
// beside BM_<Name>_Floor with the same arguments, the median of repeated
// runs or the one run of a case that runs once.
#ifdef KORVADA_WITH_BENCHMARK

#include "bench/benchreport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Run = benchmark::BenchmarkReporter::Run;

Run MakeRun(const std::string& strName, const std::string& strArgs, double dMilliseconds,
            const std::string& strAggregate = "median", int nRepetitions = 5)
{
    Run run;
    run.run_name.function_name = strName;
    run.run_name.args = strArgs;
    run.run_type = strAggregate.empty() ? Run::RT_Iteration : Run::RT_Aggregate;
    run.aggregate_name = strAggregate;
    run.repetitions = nRepetitions;
    run.iterations = 1;
    run.time_unit = benchmark::kMillisecond;
    run.real_accumulated_time = dMilliseconds / 1e3;  // seconds, as the library keeps it
    run.cpu_accumulated_time = run.real_accumulated_time / 2;
    run.run_name.time_type = "real_time";
    return run;
}

// A run of a case that measures CPU time, not wall time.
Run CpuRun(Run run)
{
    run.run_name.time_type.clear();
    return run;
}

std::string TableOf(CPairReporter& reporter)
{
    char* pszText = nullptr;
    std::size_t nSize = 0;
    std::FILE* pFile = open_memstream(&pszText, &nSize);
    reporter.PrintTable(pFile);
    std::fclose(pFile);
    std::string strTable(pszText, nSize);
    std::free(pszText);
    return strTable;
}

struct FloorNameCase {
    const char* szKey;
    const char* szCase;
};

TEST(BenchReport, FloorNamesLeadToTheirCases)
{
    const FloorNameCase cases[] = {
        {"BM_Load_Floor/1000", "BM_Load/1000"}, {"BM_Paint_Floor", "BM_Paint"},
        {"BM_Load/1000", ""},                   {"BM_Load_Floor_Floor/1", "BM_Load_Floor/1"},
        {"BM_Dump_Floor/1000/4", "BM_Dump/1000/4"}, {"BM_Save_FloorX/1", ""},
    };
    for (const FloorNameCase& c : cases)
        EXPECT_EQ(CaseOfFloor(c.szKey), c.szCase) << c.szKey;
}

// Medians are taken, other aggregates and the single repetitions of a
// repeated case are not; a case that ran once counts with its one run.
TEST(BenchReport, TableShowsEachCaseBesideItsFloorWithTheRatio)
{
    CPairReporter reporter;
    std::ostringstream out;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&out);
    reporter.ReportRuns({MakeRun("BM_Load", "1000", 999.0, "", 5), MakeRun("BM_Load", "1000", 8.0, "mean"),
                         MakeRun("BM_Load", "1000", 6.0), MakeRun("BM_Load_Floor", "1000", 2.0),
                         MakeRun("BM_Undo", "100000", 3.0, "", 1), MakeRun("BM_Undo_Floor", "100000", 3000.0, "", 1),
                         MakeRun("BM_Alone", "", 1.5), CpuRun(MakeRun("BM_Move", "10", 0.5)),
                         CpuRun(MakeRun("BM_Move_Floor", "10", 0.25))});
    const std::string strTable = TableOf(reporter);
    EXPECT_NE(strTable.find("BM_Load/1000"), std::string::npos) << strTable;
    EXPECT_NE(strTable.find("6 ms"), std::string::npos) << strTable;
    EXPECT_NE(strTable.find("2 ms"), std::string::npos) << strTable;
    EXPECT_NE(strTable.find("       3\n"), std::string::npos) << strTable;
    EXPECT_NE(strTable.find("0.001\n"), std::string::npos) << strTable;
    EXPECT_NE(strTable.find("BM_Alone"), std::string::npos) << strTable;
    // A case on CPU time is shown in CPU time: half its wall time here.
    EXPECT_NE(strTable.find("250 us"), std::string::npos) << strTable;
    EXPECT_NE(strTable.find("125 us"), std::string::npos) << strTable;
    // Floors have no line of their own.
    EXPECT_EQ(strTable.find("BM_Load_Floor"), std::string::npos) << strTable;
    EXPECT_EQ(strTable.find("999"), std::string::npos) << strTable;
}

TEST(BenchReport, TimesReadInTheirBestUnit)
{
    const std::vector<std::pair<double, std::string>> cases = {
        {2.5, "2.5 s"}, {0.0341, "34.1 ms"}, {0.000812, "812 us"}, {4e-8, "40 ns"}};
    for (const auto& [dSeconds, strText] : cases)
        EXPECT_EQ(FormatSeconds(dSeconds), strText);
}

}  // namespace

#endif
