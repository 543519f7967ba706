#include "application/VisibleAccounts.h"

#include "application/usecases/SearchAccounts.h"

namespace quorbit {

std::vector<OtpAccount> visibleAccounts(const std::vector<OtpAccount>& accounts, std::string_view query,
                                        const AppSettings& settings) {
    return SearchAccounts().execute(accounts, query, settings.selectedAccountFilter, settings.accountSortOption);
}

}  // namespace quorbit
