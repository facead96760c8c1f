#include "bench/benchreport.h"

#include <cmath>
#include <vector>

namespace {

constexpr const char* kFloorMark = "_Floor";

std::string KeyOf(const benchmark::BenchmarkReporter::Run& run)
{
    const std::string& strArgs = run.run_name.args;
    return strArgs.empty() ? run.run_name.function_name : run.run_name.function_name + "/" + strArgs;
}

}  // namespace

std::string CaseOfFloor(const std::string& strKey)
{
    const std::size_t nSlash = strKey.find('/');
    const std::string strName = strKey.substr(0, nSlash);
    const std::string strMark(kFloorMark);
    if (strName.size() <= strMark.size() || strName.compare(strName.size() - strMark.size(), strMark.size(), strMark) != 0)
        return std::string();
    const std::string strCase = strName.substr(0, strName.size() - strMark.size());
    return nSlash == std::string::npos ? strCase : strCase + strKey.substr(nSlash);
}

std::string FormatSeconds(double dSeconds)
{
    char szText[32];
    if (dSeconds >= 1.0)
        std::snprintf(szText, sizeof szText, "%.3g s", dSeconds);
    else if (dSeconds >= 1e-3)
        std::snprintf(szText, sizeof szText, "%.3g ms", dSeconds * 1e3);
    else if (dSeconds >= 1e-6)
        std::snprintf(szText, sizeof szText, "%.3g us", dSeconds * 1e6);
    else
        std::snprintf(szText, sizeof szText, "%.3g ns", dSeconds * 1e9);
    return szText;
}

// The median of repeated cases; the single run of a case that runs once.
void CPairReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const bool bAggregate = run.run_type == Run::RT_Aggregate;
        if (bAggregate ? run.aggregate_name != "median" : run.repetitions > 1)
            continue;
        Result& result = m_results[KeyOf(run)];
        // The time the case chose: wall time when it asked for it (waits,
        // threads, the disk), else the process's CPU time, which a busy
        // machine disturbs less.
        const bool bRealTime = !run.run_name.time_type.empty();
        const double dTime = bRealTime ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        result.dSeconds = dTime / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const auto& [strName, counter] : run.counters)
            result.counters[strName] = counter.value;
    }
}

void CPairReporter::PrintTable(std::FILE* pOut) const
{
    std::fprintf(pOut, "\n%-40s %12s %12s %8s\n", "case", "median", "floor median", "ratio");
    for (const auto& [strKey, result] : m_results) {
        if (!CaseOfFloor(strKey).empty())
            continue;
        const std::size_t nSlash = strKey.find('/');
        const std::string strFloor = nSlash == std::string::npos
                                         ? strKey + kFloorMark
                                         : strKey.substr(0, nSlash) + kFloorMark + strKey.substr(nSlash);
        const auto itFloor = m_results.find(strFloor);
        if (itFloor == m_results.end() || itFloor->second.dSeconds <= 0) {
            std::fprintf(pOut, "%-40s %12s %12s %8s\n", strKey.c_str(), FormatSeconds(result.dSeconds).c_str(), "-", "-");
            continue;
        }
        std::fprintf(pOut, "%-40s %12s %12s %8.3g\n", strKey.c_str(), FormatSeconds(result.dSeconds).c_str(),
                     FormatSeconds(itFloor->second.dSeconds).c_str(), result.dSeconds / itFloor->second.dSeconds);
    }
    bool bHeader = false;
    for (const auto& [strKey, result] : m_results)
        for (const auto& [strName, dValue] : result.counters) {
            if (!bHeader)
                std::fprintf(pOut, "\n%-40s %-24s %12s\n", "case", "counter", "value");
            bHeader = true;
            std::fprintf(pOut, "%-40s %-24s %12.1f\n", strKey.c_str(), strName.c_str(), dValue);
        }
    std::fflush(pOut);
}
