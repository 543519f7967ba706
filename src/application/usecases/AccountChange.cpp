#include "application/usecases/AccountChange.h"

#include <algorithm>

#include "domain/QuorbitError.h"

namespace quorbit {

AccountChange::AccountChange(TokenRepository& repository) : repository_(repository) {}

OtpAccount AccountChange::apply(const Uuid& accountID, const std::function<void(OtpAccount&)>& change) const {
    std::vector<OtpAccount> accounts = repository_.loadAccounts();
    const auto account = find(accounts, accountID);
    change(*account);
    OtpAccount saved = *account;
    repository_.saveAccounts(accounts);
    return saved;
}

std::vector<OtpAccount>::iterator AccountChange::find(std::vector<OtpAccount>& accounts, const Uuid& accountID) {
    const auto found = std::ranges::find(accounts, accountID, &OtpAccount::id);
    if (found == accounts.end()) throw QuorbitError(QuorbitError::Case::accountNotFound);
    return found;
}

}  // namespace quorbit
