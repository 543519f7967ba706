#pragma once

#include "support/Comparison.h"

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace quorbit::bench {

// The console table of Google Benchmark, followed by one line per comparison:
// "ratio <name>: <value> (target <= X)" for times, "(target >= X)" for throughput.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // The main of every bench program: runs the selected benchmarks, then prints the ratios.
    static int run(int argc, char** argv, std::span<const Comparison> comparisons);

    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override;
    void printRatios(std::ostream& out, std::span<const Comparison> comparisons) const;

private:
    // Best of the repetitions: the least time per iteration, the most items per second.
    struct Measurement {
        double secondsPerIteration;
        double itemsPerSecond;
    };

    std::optional<double> ratio(const Comparison& comparison) const;

    std::map<std::string, Measurement> measurements_;
};

}  // namespace quorbit::bench
