#include "application/usecases/SearchAccounts.h"
#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <unicode/locid.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace {

using quorbit::AccountFilterSelection;
using quorbit::AccountSortOption;
using quorbit::OtpAccount;
using quorbit::bench::Comparison;

constexpr int accountCount = 10'000;

// Mixed-case issuers in shuffled order, a third used, a tenth in the trash, two tags each.
std::vector<OtpAccount> accounts() {
    std::vector<OtpAccount> list;
    list.reserve(accountCount);
    const quorbit::TimePoint created(std::chrono::seconds(1'700'000'000));
    for (int n = 0; n < accountCount; ++n) {
        const int shuffled = (n * 7919) % accountCount;
        OtpAccount account;
        account.id = quorbit::Uuid::random();
        account.issuer = (shuffled % 2 == 0 ? "Issuer " : "issuer ") + std::to_string(shuffled);
        account.accountName = "user" + std::to_string(n) + "@example.com";
        account.secretRef = quorbit::OtpSecretRef{quorbit::Uuid::random().toString()};
        account.createdAt = created + std::chrono::seconds(shuffled);
        account.updatedAt = account.createdAt;
        if (n % 3 == 0) account.lastUsedAt = created + std::chrono::seconds(n);
        if (n % 10 == 0) account.trashedAt = created;
        account.isFavorite = n % 5 == 0;
        account.tags = {n % 2 == 0 ? "Work" : "home", "tag" + std::to_string(n % 7)};
        list.push_back(std::move(account));
    }
    return list;
}

void setCollationLocale() {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
}

void searchAllAlphabetical(benchmark::State& state) {
    setCollationLocale();
    const auto list = accounts();
    const quorbit::SearchAccounts search;
    for (auto _ : state) {
        auto visible = search.execute(list, "", AccountFilterSelection::all(), AccountSortOption::alphabetical);
        benchmark::DoNotOptimize(visible.data());
    }
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(searchAllAlphabetical)->Unit(benchmark::kMicrosecond);

void searchQueryInTagByLastUse(benchmark::State& state) {
    setCollationLocale();
    const auto list = accounts();
    const quorbit::SearchAccounts search;
    for (auto _ : state) {
        auto visible = search.execute(list, " User1", AccountFilterSelection::tag("work"), AccountSortOption::lastUsedAt);
        benchmark::DoNotOptimize(visible.data());
    }
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(searchQueryInTagByLastUse)->Unit(benchmark::kMicrosecond);

// The reference: a copy of the same list sorted by issuer with plain byte comparison.
void stdSortByIssuer(benchmark::State& state) {
    const auto list = accounts();
    for (auto _ : state) {
        auto sorted = list;
        std::sort(sorted.begin(), sorted.end(),
                  [](const OtpAccount& a, const OtpAccount& b) { return a.issuer < b.issuer; });
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(state.iterations() * accountCount);
}
BENCHMARK(stdSortByIssuer)->Unit(benchmark::kMicrosecond);

const std::array comparisons{
    Comparison{"search-10000-all-alphabetical", "searchAllAlphabetical", "stdSortByIssuer", Comparison::Measure::time,
               5.0},
    Comparison{"search-10000-query-tag-last-used", "searchQueryInTagByLastUse", "stdSortByIssuer",
               Comparison::Measure::time, 5.0},
};

}  // namespace

int main(int argc, char** argv) { return quorbit::bench::RatioReporter::run(argc, argv, comparisons); }
