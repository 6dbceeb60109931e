#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace loco {

struct Median {
    double realMs = 0;
    double cpuMs = 0;
};

// Keeps the medians of every benchmark while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, Median> medians;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
};

// Reports whether a measured aim is met. Benchmarks inform; they fail nothing.
inline void reportAim(bool met, const std::string& what)
{
    std::printf("%s %s\n", met ? "met   " : "MISSED", what.c_str());
}

} // namespace loco
