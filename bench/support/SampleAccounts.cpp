#include "support/SampleAccounts.h"

#include <algorithm>
#include <chrono>
#include <string>

#include <unicode/locid.h>

namespace quorbit::bench {

std::vector<OtpAccount> sampleAccounts(int count) {
    std::vector<OtpAccount> list;
    list.reserve(static_cast<std::size_t>(count));
    const TimePoint created(std::chrono::seconds(1'700'000'000));
    for (int n = 0; n < count; ++n) {
        const int shuffled = (n * 7919) % count;
        OtpAccount account;
        account.id = Uuid::random();
        account.issuer = (shuffled % 2 == 0 ? "Issuer " : "issuer ") + std::to_string(shuffled);
        account.accountName = "user" + std::to_string(n) + "@example.com";
        account.secretRef = OtpSecretRef{Uuid::random().toString()};
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

void stdSortByIssuer(benchmark::State& state) {
    const std::vector<OtpAccount> list = sampleAccounts(sampleAccountCount);
    for (auto _ : state) {
        std::vector<OtpAccount> sorted = list;
        std::sort(sorted.begin(), sorted.end(),
                  [](const OtpAccount& a, const OtpAccount& b) { return a.issuer < b.issuer; });
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(state.iterations() * sampleAccountCount);
}

void useEnglishCollation() {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
}

}  // namespace quorbit::bench
