#pragma once

#include <vector>

#include <benchmark/benchmark.h>

#include "domain/OtpAccount.h"

namespace quorbit::bench {

// Mixed-case issuers in shuffled order, a third used, a tenth in the trash, a fifth
// favourites, two tags each ("Work" or "home", and one of seven more).
std::vector<OtpAccount> sampleAccounts(int count);

// How many accounts the list benchmarks work on.
inline constexpr int sampleAccountCount = 10'000;

// The reference of the list benchmarks: copies the sample list and sorts the copy by issuer
// with plain byte comparison.
void stdSortByIssuer(benchmark::State& state);

// The list's alphabetical order compares with the collation of this locale.
void useEnglishCollation();

}  // namespace quorbit::bench
