#pragma once

#include <string_view>
#include <vector>

#include "application/usecases/AccountCollationKeys.h"
#include "domain/AccountFilterSelection.h"
#include "domain/AccountSortOption.h"
#include "domain/OtpAccount.h"

namespace quorbit {

// The visible account list: the filter's accounts, narrowed by the search text, in the chosen order.
// An instance keeps the accounts' sort keys between calls: keep one for the list it sorts, and use
// it from one thread.
class SearchAccounts {
public:
    // The query is trimmed and lower-cased, then found as plain text in the lower-cased issuer,
    // account name or a tag. The order is stable and total: equal names fall back to the id text.
    std::vector<OtpAccount> execute(const std::vector<OtpAccount>& accounts, std::string_view query,
                                    const AccountFilterSelection& filter, AccountSortOption sort) const;

private:
    mutable AccountCollationKeys keys_;
};

}  // namespace quorbit
