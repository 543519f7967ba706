#include "application/usecases/AdvanceHotpCounter.h"

#include <limits>

#include "application/usecases/AccountChange.h"
#include "domain/QuorbitError.h"

namespace quorbit {

AdvanceHotpCounter::AdvanceHotpCounter(TokenRepository& repository, const Clock& clock)
    : repository_(repository), clock_(clock) {}

OtpAccount AdvanceHotpCounter::execute(const Uuid& accountID) const {
    std::vector<OtpAccount> accounts = repository_.loadAccounts();
    OtpAccount& account = *AccountChange::find(accounts, accountID);
    if (account.type != OtpType::hotp) return account;
    if (account.hotpCounter == std::numeric_limits<std::int64_t>::max()) {
        throw QuorbitError(QuorbitError::Case::invalidSecret);
    }
    ++account.hotpCounter;
    account.updatedAt = clock_.now();
    const OtpAccount advanced = account;
    repository_.saveAccounts(accounts);
    return advanced;
}

}  // namespace quorbit
