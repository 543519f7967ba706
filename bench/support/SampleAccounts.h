#pragma once

#include <vector>

#include "domain/OtpAccount.h"

namespace quorbit::bench {

// Mixed-case issuers in shuffled order, a third used, a tenth in the trash, a fifth
// favourites, two tags each ("Work" or "home", and one of seven more).
std::vector<OtpAccount> sampleAccounts(int count);

// The reference of the list benchmarks: a copy of the list sorted by issuer with plain byte
// comparison.
std::vector<OtpAccount> sortedByIssuer(const std::vector<OtpAccount>& accounts);

// The list's alphabetical order compares with the collation of this locale.
void useEnglishCollation();

}  // namespace quorbit::bench
