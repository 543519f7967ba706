#include "application/VisibleAccounts.h"

namespace quorbit {

std::vector<OtpAccount> visibleAccounts(const SearchAccounts& search, const std::vector<OtpAccount>& accounts,
                                        std::string_view query, const AppSettings& settings) {
    return search.execute(accounts, query, settings.selectedAccountFilter, settings.accountSortOption);
}

}  // namespace quorbit
