#pragma once

#include <string_view>
#include <vector>

#include "application/settings/AppSettings.h"
#include "application/usecases/SearchAccounts.h"
#include "domain/OtpAccount.h"

namespace quorbit {

// The rows of the panel's list: the accounts of the selected filter that match the search
// text, in the selected order. Computed anew for every read, with the sort keys `search` keeps.
// Favourites-first and show-trashed do not apply here (the latter only offers the trash filter).
std::vector<OtpAccount> visibleAccounts(const SearchAccounts& search, const std::vector<OtpAccount>& accounts,
                                        std::string_view query, const AppSettings& settings);

}  // namespace quorbit
