#include "support/RatioReporter.h"

#include <unistd.h>

#include <algorithm>
#include <iomanip>
#include <iostream>

namespace quorbit::bench {
namespace {

double itemsPerSecond(const benchmark::BenchmarkReporter::Run& run, double secondsPerIteration) {
    const auto counter = run.counters.find("items_per_second");
    return counter != run.counters.end() ? counter->second.value : 1.0 / secondsPerIteration;
}

}  // namespace

int RatioReporter::run(int argc, char** argv, std::span<const Comparison> comparisons) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // Colour codes only for a terminal, so the ratio lines stay plain text in a pipe or file.
    RatioReporter reporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatios(std::cout, comparisons);
    return 0;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
        const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const Measurement measured{seconds, itemsPerSecond(run, seconds)};
        const auto [entry, inserted] = measurements_.try_emplace(run.run_name.str(), measured);
        if (inserted) continue;
        entry->second.secondsPerIteration = std::min(entry->second.secondsPerIteration, measured.secondsPerIteration);
        entry->second.itemsPerSecond = std::max(entry->second.itemsPerSecond, measured.itemsPerSecond);
    }
}

std::optional<double> RatioReporter::ratio(const Comparison& comparison) const {
    const auto ours = measurements_.find(comparison.ours);
    const auto reference = measurements_.find(comparison.reference);
    if (ours == measurements_.end() || reference == measurements_.end()) return std::nullopt;
    if (comparison.measure == Comparison::Measure::time) {
        return ours->second.secondsPerIteration / reference->second.secondsPerIteration;
    }
    return ours->second.itemsPerSecond / reference->second.itemsPerSecond;
}

void RatioReporter::printRatios(std::ostream& out, std::span<const Comparison> comparisons) const {
    for (const Comparison& comparison : comparisons) {
        out << "ratio " << comparison.name << ": ";
        if (const auto value = ratio(comparison)) {
            out << std::fixed << std::setprecision(3) << *value;
        } else {
            out << "not measured";
        }
        out << " (target " << (comparison.measure == Comparison::Measure::time ? "<= " : ">= ") << std::fixed
            << std::setprecision(1) << comparison.target << ")\n";
    }
}

}  // namespace quorbit::bench
