#include "application/usecases/SearchAccounts.h"
#include "support/RatioReporter.h"
#include "support/SampleAccounts.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

using quorbit::AccountFilterSelection;
using quorbit::AccountSortOption;
using quorbit::bench::Comparison;
using quorbit::bench::sampleAccountCount;
using quorbit::bench::stdSortByIssuer;

void searchAllAlphabetical(benchmark::State& state) {
    quorbit::bench::useEnglishCollation();
    const auto list = quorbit::bench::sampleAccounts(sampleAccountCount);
    // Kept from one read of the list to the next, as the view model keeps it.
    const quorbit::SearchAccounts search;
    for (auto _ : state) {
        auto visible = search.execute(list, "", AccountFilterSelection::all(), AccountSortOption::alphabetical);
        benchmark::DoNotOptimize(visible.data());
    }
    state.SetItemsProcessed(state.iterations() * sampleAccountCount);
}
BENCHMARK(searchAllAlphabetical)->Unit(benchmark::kMicrosecond);

void searchQueryInTagByLastUse(benchmark::State& state) {
    quorbit::bench::useEnglishCollation();
    const auto list = quorbit::bench::sampleAccounts(sampleAccountCount);
    const quorbit::SearchAccounts search;
    for (auto _ : state) {
        auto visible =
            search.execute(list, " User1", AccountFilterSelection::tag("work"), AccountSortOption::lastUsedAt);
        benchmark::DoNotOptimize(visible.data());
    }
    state.SetItemsProcessed(state.iterations() * sampleAccountCount);
}
BENCHMARK(searchQueryInTagByLastUse)->Unit(benchmark::kMicrosecond);

// The reference: a copy of the same list sorted by issuer with plain byte comparison.
BENCHMARK(stdSortByIssuer)->Unit(benchmark::kMicrosecond);

const std::array comparisons{
    Comparison{"search-10000-all-alphabetical", "searchAllAlphabetical", "stdSortByIssuer", Comparison::Measure::time,
               2.0},
    Comparison{"search-10000-query-tag-last-used", "searchQueryInTagByLastUse", "stdSortByIssuer",
               Comparison::Measure::time, 5.0},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
