#include "application/VisibleAccounts.h"
#include "support/RatioReporter.h"
#include "support/SampleAccounts.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using quorbit::AccountFilterSelection;
using quorbit::AccountSortOption;
using quorbit::AppSettings;
using quorbit::bench::Comparison;
using quorbit::bench::sampleAccountCount;
using quorbit::bench::stdSortByIssuer;

// The panel's list after one keystroke in the search field: the query grows by one letter
// (and shrinks back on the next round), within a tag filter, sorted by last use.
void visibleAccountsAfterKeystroke(benchmark::State& state) {
    quorbit::bench::useEnglishCollation();
    const auto list = quorbit::bench::sampleAccounts(sampleAccountCount);
    AppSettings settings;
    settings.selectedAccountFilter = AccountFilterSelection::tag("work");
    settings.accountSortOption = AccountSortOption::lastUsedAt;
    const std::array<std::string, 2> queries{"User1", "User12"};
    std::size_t keystrokes = 0;
    const quorbit::SearchAccounts search;  // kept between keystrokes, as the view model keeps it
    for (auto _ : state) {
        auto visible = quorbit::visibleAccounts(search, list, queries[keystrokes++ % queries.size()], settings);
        benchmark::DoNotOptimize(visible.data());
    }
    state.SetItemsProcessed(state.iterations() * sampleAccountCount);
}
BENCHMARK(visibleAccountsAfterKeystroke)->Unit(benchmark::kMicrosecond);

// The reference: a copy of the same list sorted by issuer with plain byte comparison.
BENCHMARK(stdSortByIssuer)->Unit(benchmark::kMicrosecond);

const std::array comparisons{
    Comparison{"visible-accounts-10000-keystroke", "visibleAccountsAfterKeystroke", "stdSortByIssuer",
               Comparison::Measure::time, 3.0},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
