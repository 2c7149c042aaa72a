#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console output as usual, keeping each benchmark's median (seconds per iteration) for
// the ratios printed after the runs.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
                run.aggregate_name == "median")
                m_medians[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    // Negative when the benchmark did not run.
    double median(const std::string& name) const {
        const auto it = m_medians.find(name);
        return it == m_medians.end() ? -1 : it->second;
    }

private:
    std::map<std::string, double> m_medians;
};
